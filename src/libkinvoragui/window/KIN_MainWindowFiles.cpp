// The File commands of the main window, its title and its closing.
#include "KIN_MainWindow.h"

#include "KIN_DataDiagram.h"
#include "KIN_DlgDiagramLimits.h"
#include "KIN_DlgGedcomChart.h"
#include "KIN_DocumentSession.h"
#include "KIN_ExportCommands.h"
#include "KIN_GedcomTexts.h"
#include "KIN_IDataFile.h"
#include "KIN_QtTexts.h"
#include "KIN_Texts.h"
#include "KIN_ViewPeriods.h"
#include "KIT_QT_MessageBox.h"
#include "KIT_QtText.h"
#include "KIT_TextFormat.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QProgressDialog>

#include <functional>

namespace
{
// What to do about a last autosave that failed, asked when the window closes.
QMessageBox::StandardButton AskAboutUnsavedChanges(QWidget* pQParent, const QString& autosave)
{
    KIT_QT_MessageBox box(QMessageBox::Warning, KIN_QText(KIN_Text::WarningTitle),
                          KIN_QText(KIN_Text::WarningAutosaveFailed).arg(autosave),
                          QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, pQParent);
    box.setInformativeText(KIN_QText(KIN_Text::QuestionCloseUnsaved));
    box.button(QMessageBox::Save)->setText(KIN_QText(KIN_Text::ButtonSaveElsewhere));
    box.button(QMessageBox::Discard)->setText(KIN_QText(KIN_Text::ButtonCloseUnsaved));
    box.button(QMessageBox::Cancel)->setText(KIN_QText(KIN_Text::ButtonBackToDiagram));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

// The file chosen in a file dialog starting at the current file; empty if none.
std::string AskFile(QWidget* pQParent, const KIN_DocumentSession& session, bool bSave,
                    KIN_Text caption, KIN_Text filter)
{
    const QString start = KIT_ToQString(session.GetCurrentFile());
    return KIT_ToBytes(
        bSave
            ? QFileDialog::getSaveFileName(pQParent, KIN_QText(caption), start, KIN_QText(filter))
            : QFileDialog::getOpenFileName(pQParent, KIN_QText(caption), start, KIN_QText(filter)));
}

// Whether the window may close: the diagram is in the autosave, saved elsewhere, or given up
// by the user.
bool MayClose(QWidget* pQWindow, KIN_DocumentSession& session)
{
    session.WaitForAutosave();
    while (session.LastAutosaveFailed())
    {
        const QMessageBox::StandardButton answer = AskAboutUnsavedChanges(
            pQWindow, QDir::cleanPath(KIT_ToQString(session.GetAutosavePath())));
        if (answer == QMessageBox::Discard)
            return true;
        if (answer != QMessageBox::Save)
            return false;
        const std::string name =
            AskFile(pQWindow, session, true, KIN_Text::CaptionSave, KIN_Text::FilterDiagram);
        if (name.empty())
            continue;
        // A failed save shows its warning; the question comes back after it.
        if (session.SaveFile(name))
            return true;
    }
    return true;
}
} // namespace

void KIN_MainWindow::LoadFile(const std::string& path)
{
    if (m_pSession->LoadFile(path))
        RecordRecentFile(path);
}

void KIN_MainWindow::SlotSession_Title_CurrentFileChanged()
{
    std::string name = m_pSession->GetCurrentFile();
    KIT_FileNameOfPath(name);
    setWindowTitle(KIT_ToQString("Kinvora IHM - \"" + name + "\""));
}

bool KIN_MainWindow::EditDiagramLimits(const std::string& title, bool bNewDiagram)
{
    const KIN_DataDiagram& content = m_pSession->GetContent();
    std::int32_t nBegin = content.begin;
    std::int32_t nEnd = content.end;
    std::int32_t nWidth = content.width;
    if (!m_pDlgLimits->Run(title, nBegin, nEnd, nWidth))
        return false;
    return m_pSession->SetLimits(nBegin, nEnd, nWidth, bNewDiagram);
}

void KIN_MainWindow::SlotMenu_FileNew_triggered(bool)
{
    EditDiagramLimits(KIN_TextOf(KIN_Text::TitleNewDiagram), true);
}

void KIN_MainWindow::SlotMenu_FileLoad_triggered(bool)
{
    const std::string name =
        AskFile(this, *m_pSession, false, KIN_Text::CaptionLoad, KIN_Text::FilterDiagram);
    if (!name.empty())
        LoadFile(name);
}

void KIN_MainWindow::SlotMenu_FileImportGedcom_triggered(bool)
{
    const std::string name =
        AskFile(this, *m_pSession, false, KIN_Text::CaptionImportGedcom, KIN_Text::FilterGedcom);
    if (!name.empty())
        ImportGedcom(name);
}

void KIN_MainWindow::SlotMenu_FileSave_triggered(bool)
{
    const std::string name =
        AskFile(this, *m_pSession, true, KIN_Text::CaptionSave, KIN_Text::FilterDiagram);
    if (!name.empty() && m_pSession->SaveFile(name))
        RecordRecentFile(name);
}

bool KIN_MainWindow::ImportGedcom(const std::string& path)
{
    const QString file = KIT_ToQString(path);
    const auto withProgress =
        [&](const std::function<bool(const KIN_DocumentSession::Progress&)>& work)
    {
        QProgressDialog progress(
            KIN_QText(KIN_Text::ProgressImportGedcom).arg(QFileInfo(file).fileName()),
            KIN_QText(KIN_Text::ButtonCancel), 0, 1000, this);
        progress.setWindowModality(Qt::WindowModal);
        progress.setMinimumDuration(500); // only imports that make the user wait
        return work(
            [&progress](std::size_t nDone, std::size_t nTotal)
            {
                progress.setValue(nTotal == 0 ? 0 : static_cast<int>(nDone * 1000 / nTotal));
                return !progress.wasCanceled();
            });
    };
    KIN_GedcomReadTree read;
    if (!withProgress([&](const auto& progress)
                      { return m_pSession->ReadGedcom(path, read, progress); }))
        return false;
    // What to draw: asked once the people are known, the last choice for this file first.
    KIN_GedcomChartSpec chart = KIN_DlgGedcomChart::Remembered(file);
    if (!m_pDlgChart->Run(read, KIN_GedcomTexts::Words(), chart))
        return false;
    KIN_DlgGedcomChart::Remember(file, chart);
    if (!withProgress([&](const auto& progress)
                      { return m_pSession->DrawGedcom(path, read, chart, progress); }))
        return false;
    RecordRecentFile(path);
    return true;
}

void KIN_MainWindow::SlotMenu_FileExport_triggered(bool)
{
    m_pExports->ExportImage(*m_pView);
}

void KIN_MainWindow::SlotMenu_FileExportPdf_triggered(bool)
{
    m_pExports->ExportPdf(*m_pView);
}

void KIN_MainWindow::SlotMenu_FileExportSvg_triggered(bool)
{
    m_pExports->ExportSvg(*m_pView);
}

void KIN_MainWindow::SlotMenu_FilePrint_triggered(bool)
{
    m_pExports->Print(*m_pView);
}

void KIN_MainWindow::closeEvent(QCloseEvent* pQEvent)
{
    if (!MayClose(this, *m_pSession))
    {
        pQEvent->ignore();
        return;
    }
    // A failure the worker found meanwhile must not open a warning over a closed window.
    disconnect(m_pSession, &KIN_DocumentSession::Warning, this,
               &KIN_MainWindow::SlotSession_Warn_Warning);
    SaveLayout();
    pQEvent->accept();
}
