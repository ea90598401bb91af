// The Edit commands of the main window.
#include "KIN_MainWindow.h"

#include "KIN_DataDiagram.h"
#include "KIN_DateScale.h"
#include "KIN_DlgDiagramShift.h"
#include "KIN_DlgPeriodLimits.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_IDataFile.h"
#include "KIN_SceneSelection.h"
#include "KIN_Texts.h"
#include "KIT_QT_MessageBox.h"
#include "KIT_QtText.h"

#include <algorithm>
#include <limits>

namespace
{
QString Text(KIN_Text text)
{
    return KIT_ToQString(KIN_TextOf(text));
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

void KIN_MainWindow::ShowWarning(KIN_Text text, const QString& argument, const QString& second)
{
    // One pass: a file name holding "%1" stays as it is.
    QString message = Text(text);
    if (!second.isEmpty())
        message = message.arg(argument, second);
    else if (!argument.isEmpty())
        message = message.arg(argument);
    auto* pQBox = new KIT_QT_MessageBox(QMessageBox::Warning, Text(KIN_Text::WarningTitle), message,
                                        QMessageBox::Ok, this);
    pQBox->setAttribute(Qt::WA_DeleteOnClose);
    pQBox->open();
}
