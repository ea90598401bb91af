// The Edit commands of the main window.
#include "KIN_MainWindow.h"

#include "KIN_DataDiagram.h"
#include "KIN_DateScale.h"
#include "KIN_DlgDiagramShift.h"
#include "KIN_DlgPeriodLimits.h"
#include "KIN_DocumentSession.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_QtTexts.h"
#include "KIN_SceneSelection.h"
#include "KIN_Texts.h"
#include "KIT_QT_MessageBox.h"
#include "KIT_QtText.h"

namespace
{
bool ConfirmRemoval(QWidget* pQParent, KIN_Text title, KIN_Text question)
{
    KIT_QT_MessageBox box(QMessageBox::Question, KIN_QText(title), KIN_QText(question),
                          QMessageBox::Yes | QMessageBox::No, pQParent);
    return box.exec() == QMessageBox::Yes;
}
} // namespace

void KIN_MainWindow::SlotMenu_EditLimitDiagr_triggered(bool)
{
    EditDiagramLimits(KIN_TextOf(KIN_Text::TitleChangeDiagram), false);
}

void KIN_MainWindow::SlotMenu_EditNewPeriod_triggered(bool)
{
    const std::vector<std::int64_t>& years = KIN_ScaleYears();
    const KIN_DataDiagram& content = m_pSession->GetContent();
    if (years.empty())
        return;
    KIN_DataPeriod period;
    period.begin = years[static_cast<size_t>(content.begin)];
    period.end = years[static_cast<size_t>(content.end)];
    period.column = 0;
    period.width = 2;
    period.colorBorder = -1;
    period.colorBackground = -1;
    period.colorText = -1;
    if (m_pDlgPeriod->Run(KIN_TextOf(KIN_Text::TitleNewPeriod), period))
        m_pSession->AddPeriod(period);
}

void KIN_MainWindow::SlotMenu_EditChangePeriod_triggered(bool)
{
    const KIN_GraphicPeriod* pCurrent = KIN_SceneSelection::Get().pCurrentPeriod;
    if (!pCurrent)
        return;
    KIN_DataPeriod changed = pCurrent->GetRecord();
    if (m_pDlgPeriod->Run(KIN_TextOf(KIN_Text::TitleChangePeriod), changed))
        ChangePeriod(changed);
}

void KIN_MainWindow::SlotMenu_EditShift_triggered(bool)
{
    std::int32_t nFrom = 0;
    std::int32_t nTo = 0;
    std::int32_t nShift = 0;
    if (m_pDlgShift->Run(nFrom, nTo, nShift) && nShift != 0)
        m_pSession->ShiftColumns(nFrom, nTo, nShift);
}

void KIN_MainWindow::SlotMenu_EditRemovePeriod_triggered(bool)
{
    KIN_GraphicPeriod* pCurrent = KIN_SceneSelection::Get().pCurrentPeriod;
    if (!pCurrent || !ConfirmRemoval(this, KIN_Text::RemovePeriod, KIN_Text::ConfirmRemovePeriod))
        return;
    const KIN_DataPeriod removed = pCurrent->GetRecord();
    pCurrent->DeselectPeriod();
    m_pSession->RemovePeriod(removed);
}

void KIN_MainWindow::SlotMenu_EditRemoveLink_triggered(bool)
{
    KIN_GraphicLink* pCurrent = KIN_SceneSelection::Get().pCurrentLink;
    if (!pCurrent || !ConfirmRemoval(this, KIN_Text::RemoveLink, KIN_Text::ConfirmRemoveLink))
        return;
    const KIN_DataLink removed = pCurrent->GetRecord();
    pCurrent->SetLinkStyle(KIN_GraphicLink::Normal);
    m_pSession->RemoveLink(removed);
}

void KIN_MainWindow::SlotMenu_EditRemoveImage_triggered(bool)
{
    KIN_GraphicImage* pCurrent = KIN_SceneSelection::Get().pCurrentImage;
    if (!pCurrent || !ConfirmRemoval(this, KIN_Text::RemoveImage, KIN_Text::ConfirmRemoveImage))
        return;
    const KIN_DataImage removed = pCurrent->GetRecord();
    pCurrent->SetImageState(KIN_GraphicImage::Idle);
    m_pSession->RemoveImage(removed);
}

void KIN_MainWindow::SlotSession_Warn_Warning(const QString& message)
{
    KIT_QT_MessageBox::OpenWarning(this, KIN_QText(KIN_Text::WarningTitle), message);
}
