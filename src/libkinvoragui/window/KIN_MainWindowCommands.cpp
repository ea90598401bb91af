// The Edit and File commands of the main window.
#include "KIN_MainWindow.h"

#include "KIN_DataDiagram.h"
#include "KIN_DateScale.h"
#include "KIN_DiagramFileFormat.h"
#include "KIN_DlgDiagramLimits.h"
#include "KIN_DlgDiagramShift.h"
#include "KIN_DlgPeriodLimits.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_IDataFile.h"
#include "KIN_SceneSelection.h"
#include "KIN_Texts.h"
#include "KIN_ViewPeriods.h"
#include "KIT_QT_MessageBox.h"
#include "KIT_QtText.h"
#include "KIT_TextFormat.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>

#include <algorithm>
#include <limits>

namespace
{
QString Text(KIN_Text text)
{
    return KIT_ToQString(KIN_TextOf(text));
}

// A name beside the unreadable file that no earlier copy has.
QString FreeRescueName(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path + QStringLiteral(".unreadable-") + stamp;
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = base + QLatin1Char('-') + QString::number(n);
    return candidate;
}

// Columns as scene x (100 units a column), within 32 bits: a typed column can be any int.
std::int32_t ColumnsToSceneX(std::int32_t nColumns, std::int32_t nOffset)
{
    const std::int64_t x = static_cast<std::int64_t>(nColumns) * 100 + nOffset;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        x, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}
} // namespace

void KIN_MainWindow::SlotMenu_EditLimitDiagr_triggered(bool)
{
    EditDiagramLimits(KIN_TextOf(KIN_Text::TitleChangeDiagram), false);
}

void KIN_MainWindow::SlotMenu_EditNewPeriod_triggered(bool)
{
    const std::vector<std::int64_t>& years = KIN_ScaleYears();
    if (!m_pContent || !m_pDocumentPlain || years.empty())
        return;
    KIN_DataPeriod period;
    period.begin = years[static_cast<size_t>(m_pContent->begin)];
    period.end = years[static_cast<size_t>(m_pContent->end)];
    period.column = 0;
    period.width = 2;
    period.colorBorder = -1;
    period.colorBackground = -1;
    period.colorText = -1;
    if (!m_pDlgPeriod->Run(KIN_TextOf(KIN_Text::TitleNewPeriod), period))
        return;
    RunChange(Text(KIN_Text::NewPeriod),
              [&]
              {
                  m_pDocumentPlain->AddPeriod(period);
                  m_nPendingSelection = m_pContent->periods.back().id;
                  return true;
              });
}

void KIN_MainWindow::SlotMenu_EditChangePeriod_triggered(bool)
{
    const KIN_GraphicPeriod* pCurrent = KIN_SceneSelection::Get().pCurrentPeriod;
    if (!m_pContent || !m_pDocumentPlain || !pCurrent)
        return;
    KIN_DataPeriod changed = pCurrent->GetRecord();
    if (m_pDlgPeriod->Run(KIN_TextOf(KIN_Text::TitleChangePeriod), changed))
        ChangePeriod(changed);
}

void KIN_MainWindow::SlotMenu_EditShift_triggered(bool)
{
    if (!m_pContent || !m_pDocumentPlain)
        return;
    std::int32_t nFrom = 0;
    std::int32_t nTo = 0;
    std::int32_t nShift = 0;
    if (!m_pDlgShift->Run(nFrom, nTo, nShift) || nShift == 0)
        return;
    RunChange(Text(KIN_Text::Shift),
              [&]
              {
                  m_pDocumentPlain->ShiftColumns(nFrom, nTo, nShift, ColumnsToSceneX(nFrom, 5),
                                                 ColumnsToSceneX(nTo, 5),
                                                 ColumnsToSceneX(nShift, 0));
                  return true;
              });
}

void KIN_MainWindow::LoadFile(const std::string& path)
{
    if (!path.empty() && m_pDocumentPlain)
    {
        // Only a crash leaves unfinished saves behind, so a start is the time to clear them.
        if (m_bFirstLoad)
            LoadAtStart(path);
        else if (!RunChange(Text(KIN_Text::MenuFileLoad),
                            [&]
                            {
                                if (!m_pDocumentPlain->Load(path))
                                    return false;
                                m_currentFile = path;
                                return true;
                            }))
            ShowWarning(KIN_Text::WarningLoadFailed, KIT_ToQString(path));
    }
    m_bFirstLoad = false;
    UpdateTitle();
}

// The diagram the last run left is where the user starts: no step to take back.
void KIN_MainWindow::LoadAtStart(const std::string& path)
{
    // Only a crash leaves unfinished saves behind, so a start is the time to clear them.
    KIN_DiagramFileFormat::RemoveStaleSiblings(path);
    if (m_pDocumentPlain->Load(path))
        m_currentFile = path;
    else // the refresh rewrites the autosave: keep an unreadable one first
        KeepUnreadableAutosave(path);
    RefreshAll();
}

void KIN_MainWindow::SaveFile(const std::string& path)
{
    if (!path.empty() && m_pDocumentPlain)
    {
        if (m_pDocumentPlain->Save(path))
            m_currentFile = path;
        else
            ShowWarning(KIN_Text::WarningSaveFailed, KIT_ToQString(path));
    }
    UpdateTitle();
}

void KIN_MainWindow::AutoSave()
{
    if (m_pDocumentPlain && !m_bAutosaveSuspended)
        m_pDocumentPlain->Save(AutosaveFile());
}

void KIN_MainWindow::UpdateTitle()
{
    std::string name = m_currentFile;
    KIT_FileNameOfPath(name);
    setWindowTitle(KIT_ToQString("Kinvora IHM - \"" + name + "\""));
}

void KIN_MainWindow::SlotMenu_EditRemovePeriod_triggered(bool)
{
    KIN_GraphicPeriod* pCurrent = KIN_SceneSelection::Get().pCurrentPeriod;
    if (!m_pContent || !m_pDocumentPlain || !pCurrent)
        return;
    if (!ConfirmRemoval(KIN_Text::RemovePeriod, KIN_Text::ConfirmRemovePeriod))
        return;
    const KIN_DataPeriod removed = pCurrent->GetRecord();
    pCurrent->DeselectPeriod();
    RunChange(Text(KIN_Text::RemovePeriod),
              [&]
              {
                  // Undoing the removal brings the period back selected.
                  m_nPendingSelection = removed.id;
                  m_pDocumentPlain->RemovePeriod(removed);
                  return true;
              });
}

void KIN_MainWindow::SlotMenu_EditRemoveLink_triggered(bool)
{
    KIN_GraphicLink* pCurrent = KIN_SceneSelection::Get().pCurrentLink;
    if (!m_pContent || !m_pDocumentPlain || !pCurrent)
        return;
    if (!ConfirmRemoval(KIN_Text::RemoveLink, KIN_Text::ConfirmRemoveLink))
        return;
    const KIN_DataLink removed = pCurrent->GetRecord();
    pCurrent->SetLinkStyle(KIN_GraphicLink::Normal);
    RunChange(Text(KIN_Text::RemoveLink),
              [&]
              {
                  m_pDocumentPlain->RemoveLink(removed);
                  return true;
              });
}

void KIN_MainWindow::SlotMenu_EditRemoveImage_triggered(bool)
{
    KIN_GraphicImage* pCurrent = KIN_SceneSelection::Get().pCurrentImage;
    if (!m_pContent || !m_pDocumentPlain || !pCurrent)
        return;
    if (!ConfirmRemoval(KIN_Text::RemoveImage, KIN_Text::ConfirmRemoveImage))
        return;
    const KIN_DataImage removed = pCurrent->GetRecord();
    pCurrent->SetImageState(KIN_GraphicImage::Idle);
    RunChange(Text(KIN_Text::RemoveImage),
              [&]
              {
                  m_pDocumentPlain->RemoveImage(removed);
                  return true;
              });
}

bool KIN_MainWindow::ConfirmRemoval(KIN_Text title, KIN_Text question)
{
    KIT_QT_MessageBox box(QMessageBox::Question, Text(title), Text(question),
                          QMessageBox::Yes | QMessageBox::No, this);
    return box.exec() == QMessageBox::Yes;
}

bool KIN_MainWindow::EditDiagramLimits(const std::string& title, bool bNewDiagram)
{
    if (!m_pContent || !m_pDocumentPlain)
        return false;
    std::int32_t nBegin = m_pContent->begin;
    std::int32_t nEnd = m_pContent->end;
    std::int32_t nWidth = m_pContent->width;
    if (!m_pDlgLimits->Run(title, nBegin, nEnd, nWidth))
        return false;
    return RunChange(
        Text(bNewDiagram ? KIN_Text::MenuFileNew : KIN_Text::DiagramSettings),
        [&]
        {
            m_pDocumentPlain->SetLimits(nBegin, nEnd, nWidth, bNewDiagram);
            return true;
        },
        [&]
        {
            if (bNewDiagram)
                StartNewDiagramFile();
        });
}

void KIN_MainWindow::StartNewDiagramFile()
{
    if (!m_bAutosaveSuspended)
    {
        SaveFile(AutosaveFile());
        return;
    }
    // The autosave file holds what could not be kept elsewhere: the new diagram has no file
    // until the user saves it.
    m_currentFile = ".";
    UpdateTitle();
}

void KIN_MainWindow::SlotMenu_FileNew_triggered(bool)
{
    EditDiagramLimits(KIN_TextOf(KIN_Text::TitleNewDiagram), true);
}

void KIN_MainWindow::SlotMenu_FileLoad_triggered(bool)
{
    const std::string name = KIT_ToBytes(
        QFileDialog::getOpenFileName(this, Text(KIN_Text::CaptionLoad),
                                     KIT_ToQString(m_currentFile), Text(KIN_Text::FilterDiagram)));
    if (!name.empty())
        LoadFile(name);
}

void KIN_MainWindow::SlotMenu_FileSave_triggered(bool)
{
    const std::string name = KIT_ToBytes(
        QFileDialog::getSaveFileName(this, Text(KIN_Text::CaptionSave),
                                     KIT_ToQString(m_currentFile), Text(KIN_Text::FilterDiagram)));
    if (name.empty())
        return;
    SaveFile(name);
}

void KIN_MainWindow::SlotMenu_FileExport_triggered(bool)
{
    const std::string name = KIT_ToBytes(QFileDialog::getSaveFileName(
        this, Text(KIN_Text::CaptionExport), QStringLiteral("."), Text(KIN_Text::FilterExport)));
    if (name.empty())
        return;
    QImage image;
    m_pView->RenderToImage(image);
    if (!image.save(KIT_ToQString(name), "PNG"))
        ShowWarning(KIN_Text::WarningExportFailed, KIT_ToQString(name));
}

void KIN_MainWindow::ShowWarning(KIN_Text text, const QString& argument)
{
    const QString message = argument.isEmpty() ? Text(text) : Text(text).arg(argument);
    auto* pQBox = new KIT_QT_MessageBox(QMessageBox::Warning, Text(KIN_Text::WarningTitle), message,
                                        QMessageBox::Ok, this);
    pQBox->setAttribute(Qt::WA_DeleteOnClose);
    pQBox->open();
}

void KIN_MainWindow::KeepUnreadableAutosave(const std::string& path)
{
    const QString source = KIT_ToQString(path);
    if (!QFileInfo::exists(source))
        return;
    const QString rescue = FreeRescueName(source);
    if (QFile::rename(source, rescue) || QFile::copy(source, rescue))
    {
        ShowWarning(KIN_Text::WarningAutosaveKept,
                    QDir::cleanPath(QDir::current().absoluteFilePath(rescue)));
        return;
    }
    m_bAutosaveSuspended = true;
    ShowWarning(KIN_Text::WarningAutosaveNotKept);
}
