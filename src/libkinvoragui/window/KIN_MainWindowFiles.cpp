// The File commands of the main window, the autosave and the window title.
#include "KIN_MainWindow.h"

#include "KIN_AutosaveWriter.h"
#include "KIN_DataDiagram.h"
#include "KIN_DiagramFileFormat.h"
#include "KIN_DlgDiagramLimits.h"
#include "KIN_GedcomImport.h"
#include "KIN_GedcomTexts.h"
#include "KIN_IDataFile.h"
#include "KIN_Texts.h"
#include "KIN_ViewPeriods.h"
#include "KIT_QT_MessageBox.h"
#include "KIT_QtText.h"
#include "KIT_TextFormat.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDate>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QProgressDialog>
#include <QStatusBar>

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

} // namespace

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
                                RecordRecentFile(path);
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
        // The path may name the autosave file: the worker's saves come first.
        WaitForAutosave();
        if (m_pDocumentPlain->Save(path))
        {
            m_currentFile = path;
            // An earlier save of this file that a crash cut short left its unfinished copy.
            KIN_DiagramFileFormat::RemoveStaleSiblings(path);
        }
        else
            ShowWarning(KIN_Text::WarningSaveFailed, KIT_ToQString(path));
    }
    UpdateTitle();
}

void KIN_MainWindow::AutoSave()
{
    // The copy of the records is the snapshot; the worker writes it.
    if (m_pDocumentPlain && !m_bAutosaveSuspended)
        m_pAutosave->Post(*m_pDocumentPlain->GetData());
}

void KIN_MainWindow::WaitForAutosave() const
{
    m_pAutosave->WaitUntilIdle();
}

void KIN_MainWindow::closeEvent(QCloseEvent* pQEvent)
{
    if (!MayClose())
    {
        pQEvent->ignore();
        return;
    }
    // A failure the worker found meanwhile must not open a warning over a closed window.
    disconnect(m_pAutosave.get(), nullptr, this, nullptr);
    SaveLayout();
    pQEvent->accept();
}

bool KIN_MainWindow::MayClose()
{
    WaitForAutosave();
    while (m_pAutosave->LastSaveFailed())
    {
        const QString autosave = QDir::cleanPath(KIT_ToQString(m_pAutosave->GetFileName()));
        KIT_QT_MessageBox box(QMessageBox::Warning, Text(KIN_Text::WarningTitle),
                              Text(KIN_Text::WarningAutosaveFailed).arg(autosave),
                              QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, this);
        box.setInformativeText(Text(KIN_Text::QuestionCloseUnsaved));
        box.button(QMessageBox::Save)->setText(Text(KIN_Text::ButtonSaveElsewhere));
        box.button(QMessageBox::Discard)->setText(Text(KIN_Text::ButtonCloseUnsaved));
        box.button(QMessageBox::Cancel)->setText(Text(KIN_Text::ButtonBackToDiagram));
        box.setDefaultButton(QMessageBox::Save);
        box.setEscapeButton(QMessageBox::Cancel);
        const int nAnswer = box.exec();
        if (nAnswer == QMessageBox::Discard)
            return true;
        if (nAnswer != QMessageBox::Save)
            return false;
        const std::string name = KIT_ToBytes(QFileDialog::getSaveFileName(
            this, Text(KIN_Text::CaptionSave), KIT_ToQString(m_currentFile),
            Text(KIN_Text::FilterDiagram)));
        if (name.empty())
            continue;
        if (m_pDocumentPlain->Save(name))
        {
            m_currentFile = name;
            KIN_DiagramFileFormat::RemoveStaleSiblings(name);
            return true;
        }
        KIT_QT_MessageBox failed(QMessageBox::Warning, Text(KIN_Text::WarningTitle),
                                 Text(KIN_Text::WarningSaveFailed).arg(KIT_ToQString(name)),
                                 QMessageBox::Ok, this);
        failed.exec();
    }
    return true;
}

void KIN_MainWindow::SlotAutosave_Warn_SaveFailed(const QString& fileName)
{
    ShowWarning(KIN_Text::WarningAutosaveFailed, QDir::cleanPath(fileName));
}

void KIN_MainWindow::UpdateTitle()
{
    std::string name = m_currentFile;
    KIT_FileNameOfPath(name);
    setWindowTitle(KIT_ToQString("Kinvora IHM - \"" + name + "\""));
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
    const std::string name = AskFileToOpen(KIN_Text::CaptionLoad, KIN_Text::FilterDiagram);
    if (!name.empty())
        LoadFile(name);
}

void KIN_MainWindow::SlotMenu_FileImportGedcom_triggered(bool)
{
    const std::string name = AskFileToOpen(KIN_Text::CaptionImportGedcom, KIN_Text::FilterGedcom);
    if (!name.empty())
        ImportGedcom(name);
}

std::string KIN_MainWindow::AskFileToOpen(KIN_Text caption, KIN_Text filter)
{
    return KIT_ToBytes(QFileDialog::getOpenFileName(this, Text(caption),
                                                    KIT_ToQString(m_currentFile), Text(filter)));
}

bool KIN_MainWindow::ImportGedcom(const std::string& path)
{
    const QFileInfo file(KIT_ToQString(path));
    QProgressDialog progress(Text(KIN_Text::ProgressImportGedcom).arg(file.fileName()),
                             Text(KIN_Text::ButtonCancel), 0, 1000, this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(500); // only imports that make the user wait
    KIN_GedcomOptions options;
    options.words = KIN_GedcomTexts::Words();
    options.nCurrentYear = QDate::currentDate().year();
    options.progress = [&progress](std::size_t nDone, std::size_t nTotal)
    {
        progress.setValue(nTotal == 0 ? 0 : static_cast<int>(nDone * 1000 / nTotal));
        return !progress.wasCanceled();
    };
    KIN_GedcomResult result = KIN_GedcomImport::ImportFile(path, options);
    progress.reset();
    if (result.error != KIN_GedcomError::None)
    {
        ShowWarning(KIN_Text::WarningImportFailed, KIT_ToQString(path),
                    KIT_ToQString(KIN_GedcomTexts::Reason(result)));
        return false;
    }
    // Saved beside the tree: File > Save proposes family.xml for family.ged.
    const std::string diagramFile =
        KIT_ToBytes(file.dir().filePath(file.completeBaseName() + QStringLiteral(".xml")));
    RunChange(
        Text(KIN_Text::StepImportGedcom),
        [&]
        {
            m_pDocumentPlain->Replace(std::move(result.diagram));
            m_currentFile = diagramFile;
            m_nPendingSelection = result.nShownId; // people in view, not an empty corner
            return true;
        },
        [this] { UpdateTitle(); });
    RecordRecentFile(path);
    statusBar()->showMessage(KIT_ToQString(KIN_GedcomTexts::Summary(result)));
    return true;
}

void KIN_MainWindow::SlotMenu_FileSave_triggered(bool)
{
    const std::string name = KIT_ToBytes(
        QFileDialog::getSaveFileName(this, Text(KIN_Text::CaptionSave),
                                     KIT_ToQString(m_currentFile), Text(KIN_Text::FilterDiagram)));
    if (name.empty())
        return;
    SaveFile(name);
    if (m_currentFile == name)
        RecordRecentFile(name);
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
