#include "KIN_WindowViews.h"

#include "KIN_DataDiagram.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_QtTexts.h"
#include "KIN_SceneSelection.h"
#include "KIN_Texts.h"
#include "KIN_ViewPeriods.h"
#include "KIN_ViewYears.h"
#include "KIN_WidgetFindPeriod.h"
#include "KIT_QtText.h"

#include <QListWidget>
#include <QProgressDialog>

#include <algorithm>
#include <memory>

namespace
{
// Below this, a rebuild takes a fraction of a second.
constexpr std::size_t g_nRecordsWorthAProgress = 20000;
} // namespace

void KIN_WindowViews::RebuildViews()
{
    m_parts.pFindPeriod->BeginRefill();
    m_parts.pQPeriodList->clear();
    // A large diagram takes seconds to draw: a progress dialog shows that the program works.
    std::unique_ptr<QProgressDialog> pProgress;
    KIN_ViewPeriods::Progress progress;
    if (m_parts.pContent->periods.size() + m_parts.pContent->links.size() >=
        g_nRecordsWorthAProgress)
    {
        pProgress = std::make_unique<QProgressDialog>(KIN_QText(KIN_Text::ProgressDrawDiagram),
                                                      QString(), 0, 1000, m_parts.pQWindow);
        pProgress->setWindowModality(Qt::WindowModal);
        pProgress->setMinimumDuration(500);
        progress = [&pProgress](std::size_t nDone, std::size_t nTotal)
        { pProgress->setValue(static_cast<int>(nDone * 1000 / std::max<std::size_t>(nTotal, 1))); };
    }
    m_parts.pView->RebuildScene(progress);
    m_parts.pRuler->RefreshRuler();
    m_parts.pQPeriodList->sortItems(Qt::AscendingOrder);
    m_parts.pFindPeriod->ApplyFilter();
}

bool KIN_WindowViews::UpdateViews(const KIN_DocumentChanges& changes, bool bUndo)
{
    // Nothing stays selected, as after a rebuild.
    ClearSelection();
    KIN_SceneSelection& selection = KIN_SceneSelection::Get();
    if (selection.pCurrentLink)
        selection.pCurrentLink->SetLinkStyle(KIN_GraphicLink::Normal);
    if (selection.pCurrentImage)
        selection.pCurrentImage->SetImageState(KIN_GraphicImage::Idle);
    {
        const QSignalBlocker blocker(m_parts.pQPeriodList);
        m_parts.pQPeriodList->setCurrentItem(nullptr);
    }
    if (!m_parts.pView->ApplyChanges(changes, bUndo))
        return false;
    m_parts.pRuler->RefreshRuler();
    return true;
}

void KIN_WindowViews::SelectPeriod(std::int32_t nId)
{
    if (KIN_GraphicPeriod* pPeriod = m_parts.pView->FindPeriod(nId))
        pPeriod->SelectPeriod();
}
