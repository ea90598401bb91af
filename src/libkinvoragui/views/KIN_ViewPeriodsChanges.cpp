// The incremental half of the view: after a change of a few records, only the items those
// records show are made, changed or deleted, and the rest of the scene stays as it is. What
// it leaves is what a rebuild would make: the same items, looks, stacking and list order.
#include "KIN_ViewPeriods.h"

#include "KIN_DataDiagram.h"
#include "KIN_DocumentChanges.h"
#include "KIN_GraphicConnection.h"
#include "KIN_GraphicImage.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_ItemListPeriod.h"
#include "KIN_ScenePeriods.h"
#include "KIN_SelectionGuard.h"

#include <QListWidget>

#include <algorithm>

namespace
{
// Beyond this many records a rebuild costs little more, and the bulk commands (shift,
// settings, load) pay it anyway.
constexpr std::size_t g_nMostChanges = 64;

// One change as the view replays it: from the state before to the state after, or back.
template <class Record> struct Replay
{
    std::size_t nAt;
    const Record* pFrom;
    const Record* pTo;
};

template <class Record>
std::vector<Replay<Record>>
InReplayOrder(const std::vector<KIN_DocumentChanges::Change<Record>>& changes, bool bUndo)
{
    std::vector<Replay<Record>> replays;
    replays.reserve(changes.size());
    for (const auto& change : changes)
    {
        const Record* pBefore = change.before ? &*change.before : nullptr;
        const Record* pAfter = change.after ? &*change.after : nullptr;
        replays.push_back(bUndo ? Replay<Record>{change.nAt, pAfter, pBefore}
                                : Replay<Record>{change.nAt, pBefore, pAfter});
    }
    if (bUndo)
        std::reverse(replays.begin(), replays.end());
    return replays;
}

template <class Item> auto At(std::vector<Item>& items, std::size_t nAt)
{
    return items.begin() + static_cast<std::ptrdiff_t>(nAt);
}

// Whether the replay fits the items: a document changed behind the view's back does not,
// and only a rebuild shows it then.
template <class Record, class Item>
bool Fits(const Replay<Record>& replay, const std::vector<Item>& items)
{
    return replay.pFrom ? replay.nAt < items.size() : replay.nAt <= items.size();
}

void AddId(std::vector<std::int32_t>& ids, std::int32_t nId)
{
    if (std::find(ids.begin(), ids.end(), nId) == ids.end())
        ids.push_back(nId);
}

// Stacks a new item right before the one a rebuild would have added after it. Qt stacks
// siblings of one z by their order of insertion; the z is matched for the move only.
void PlaceBefore(QGraphicsItem* pItem, QGraphicsItem* pSuccessor)
{
    if (!pSuccessor)
        return; // nothing follows it: added last, it is where a rebuild puts it
    const qreal z = pItem->zValue();
    if (pSuccessor->zValue() == z)
    {
        pItem->stackBefore(pSuccessor);
        return;
    }
    pItem->setZValue(pSuccessor->zValue());
    pItem->stackBefore(pSuccessor);
    pItem->setZValue(z);
}

// Takes the entry out of the list if it is in it, and puts it back in sorted order.
void PlaceListEntry(QListWidget* pQList, KIN_ItemListPeriod* pEntry)
{
    if (!pEntry || !pQList)
        return;
    const int nRow = pQList->row(pEntry);
    if (nRow >= 0)
        pQList->takeItem(nRow);
    // After the equal entries: a rebuild appends in the document's order, then sorts.
    int nLow = 0;
    int nHigh = pQList->count();
    while (nLow < nHigh)
    {
        const int nMiddle = nLow + (nHigh - nLow) / 2;
        if (*pEntry < *pQList->item(nMiddle))
            nHigh = nMiddle;
        else
            nLow = nMiddle + 1;
    }
    pQList->insertItem(nLow, pEntry);
}
} // namespace

bool KIN_ViewPeriods::ApplyChanges(const KIN_DocumentChanges& changes, bool bUndo)
{
    if (!m_pContent || changes.ReplacesDiagram() || changes.ChangesLimits())
        return false;
    if (changes.PeriodChanges().size() + changes.LinkChanges().size() +
            changes.ImageChanges().size() >
        g_nMostChanges)
        return false;
    const KIN_SelectionGuard guard;
    std::vector<KIN_GraphicPeriod*> touched;
    std::vector<KIN_GraphicPeriod*> created;
    const bool bDone = ApplyLinkChanges(changes, bUndo) &&
                       ApplyPeriodChanges(changes, bUndo, touched, created) &&
                       ApplyImageChanges(changes, bUndo);
    if (bDone)
    {
        std::vector<std::int32_t> ids;
        for (const auto& change : changes.PeriodChanges())
            for (const auto* pRecord : {&change.before, &change.after})
                if (*pRecord)
                    AddId(ids, (*pRecord)->id);
        RefindPeriods(ids);
        // Items point at the document again: records may have moved while it changed, and
        // until here no item's record is read.
        for (KIN_GraphicPeriod* pPeriod : touched)
        {
            pPeriod->Update(&pPeriod->GetRecord());
            PlaceListEntry(m_pQPeriodList, pPeriod->GetListEntry());
        }
        PlaceNewPeriods(created);
        RedrawLinksOf(ids);
    }
    return bDone;
}

bool KIN_ViewPeriods::ApplyLinkChanges(const KIN_DocumentChanges& changes, bool bUndo)
{
    m_bLinksListed = false;
    for (const Replay<KIN_DataLink>& replay : InReplayOrder(changes.LinkChanges(), bUndo))
    {
        if (!Fits(replay, m_linkItems))
            return false;
        if (replay.pFrom && replay.pTo)
        {
            DeleteLinkItems(m_linkItems[replay.nAt]);
            m_linkItems[replay.nAt].bFresh = true;
        }
        else if (replay.pTo)
        {
            LinkItems fresh;
            fresh.bFresh = true;
            m_linkItems.insert(At(m_linkItems, replay.nAt), fresh);
        }
        else
        {
            DeleteLinkItems(m_linkItems[replay.nAt]);
            m_linkItems.erase(At(m_linkItems, replay.nAt));
        }
    }
    return m_linkItems.size() == m_pContent->links.size();
}

bool KIN_ViewPeriods::ApplyPeriodChanges(const KIN_DocumentChanges& changes, bool bUndo,
                                         std::vector<KIN_GraphicPeriod*>& touched,
                                         std::vector<KIN_GraphicPeriod*>& created)
{
    for (const Replay<KIN_DataPeriod>& replay : InReplayOrder(changes.PeriodChanges(), bUndo))
    {
        if (!Fits(replay, m_periods))
            return false;
        if (replay.pFrom && replay.pTo)
            touched.push_back(m_periods[replay.nAt]);
        else if (replay.pTo)
        {
            // Points at the change's copy until every item is pointed at the document below.
            auto* pPeriod = new KIN_GraphicPeriod(m_pScene, this, replay.pTo, m_pQPeriodList);
            m_periods.insert(At(m_periods, replay.nAt), pPeriod);
            touched.push_back(pPeriod);
            created.push_back(pPeriod);
        }
        else
        {
            KIN_GraphicPeriod* pPeriod = m_periods[replay.nAt];
            // The document removes a period's links with it; links still drawn mean the view
            // and the document disagree, and only a rebuild brings them together.
            if (!pPeriod->GetLinks().empty())
                return false;
            const auto forget = [pPeriod](std::vector<KIN_GraphicPeriod*>& periods)
            { periods.erase(std::remove(periods.begin(), periods.end(), pPeriod), periods.end()); };
            forget(touched);
            forget(created);
            m_periods.erase(At(m_periods, replay.nAt));
            DeletePeriodItem(pPeriod, replay.pFrom->id);
        }
    }
    if (m_periods.size() != m_pContent->periods.size())
        return false;
    for (size_t n = 0; n < m_periods.size(); ++n)
        m_periods[n]->SetRecord(&m_pContent->periods[n]);
    return true;
}

bool KIN_ViewPeriods::ApplyImageChanges(const KIN_DocumentChanges& changes, bool bUndo)
{
    std::vector<KIN_GraphicImage*> moved;
    for (const Replay<KIN_DataImage>& replay : InReplayOrder(changes.ImageChanges(), bUndo))
    {
        if (!Fits(replay, m_images))
            return false;
        if (replay.pFrom && replay.pTo && m_images[replay.nAt] &&
            replay.pFrom->file == replay.pTo->file)
        {
            moved.push_back(m_images[replay.nAt]); // kept: its place in the stacking stays
            continue;
        }
        if (replay.pFrom)
        {
            moved.erase(std::remove(moved.begin(), moved.end(), m_images[replay.nAt]), moved.end());
            delete m_images[replay.nAt];
            m_images.erase(At(m_images, replay.nAt));
        }
        if (replay.pTo)
            m_images.insert(At(m_images, replay.nAt), nullptr);
    }
    if (m_images.size() != m_pContent->images.size())
        return false;
    // From the end, so that the picture after a new one is in its place already.
    for (size_t n = m_images.size(); n-- > 0;)
    {
        if (m_images[n])
        {
            m_images[n]->SetRecord(&m_pContent->images[n]);
            continue;
        }
        m_images[n] = new KIN_GraphicImage(&m_pContent->images[n], this);
        m_pScene->addItem(m_images[n]);
        PlaceBefore(m_images[n], n + 1 < m_images.size() ? m_images[n + 1] : nullptr);
    }
    for (KIN_GraphicImage* pImage : moved)
        pImage->Update(&pImage->GetRecord());
    return true;
}

void KIN_ViewPeriods::PlaceNewPeriods(const std::vector<KIN_GraphicPeriod*>& created)
{
    std::vector<size_t> places;
    for (const KIN_GraphicPeriod* pPeriod : created)
        places.push_back(static_cast<size_t>(&pPeriod->GetRecord() - m_pContent->periods.data()));
    // From the end, so that the period after a new one is in its place already.
    std::sort(places.rbegin(), places.rend());
    for (const size_t nAt : places)
        PlaceBefore(m_periods[nAt],
                    nAt + 1 < m_periods.size() ? m_periods[nAt + 1] : FirstItemAfterSlot(0, true));
}

QGraphicsItem* KIN_ViewPeriods::FirstItemAfterSlot(size_t nSlot, bool bFromSlot) const
{
    for (size_t n = bFromSlot ? nSlot : nSlot + 1; n < m_linkItems.size(); ++n)
        if (m_linkItems[n].pMain)
            return m_linkItems[n].pMain;
    const auto image =
        std::find_if(m_images.begin(), m_images.end(), [](const auto* pImage) { return pImage; });
    return image == m_images.end() ? nullptr : *image;
}

void KIN_ViewPeriods::DeleteLinkItems(LinkItems& items)
{
    std::vector<KIN_GraphicPeriod*> ends;
    for (KIN_GraphicLink* pSegment : {items.pMain, items.pFirstLeg, items.pSecondLeg})
    {
        if (!pSegment)
            continue;
        for (const KIN_GraphicConnection* pPoint :
             {pSegment->GetFirstPoint(), pSegment->GetSecondPoint()})
            if (pPoint && pPoint->GetPeriod())
            {
                pPoint->GetPeriod()->RemoveLink(pSegment);
                ends.push_back(pPoint->GetPeriod());
            }
        delete pSegment;
    }
    for (KIN_GraphicPeriod* pPeriod : ends)
        pPeriod->HideUnlinkedPoints();
    items = LinkItems();
    m_bLinksListed = false;
}

void KIN_ViewPeriods::DeletePeriodItem(KIN_GraphicPeriod* pPeriod, std::int32_t nId)
{
    delete pPeriod->GetListEntry(); // leaves the list
    const auto found = m_periodsById.find(nId);
    if (found != m_periodsById.end() && found->second == pPeriod)
        m_periodsById.erase(found);
    delete pPeriod;
}

void KIN_ViewPeriods::RefindPeriods(const std::vector<std::int32_t>& ids)
{
    for (const std::int32_t nId : ids)
    {
        m_periodsById.erase(nId);
        const auto first = std::find_if(m_periods.begin(), m_periods.end(),
                                        [nId](const KIN_GraphicPeriod* pPeriod)
                                        { return pPeriod->GetRecord().id == nId; });
        if (first != m_periods.end())
            m_periodsById.emplace(nId, *first);
    }
}

bool KIN_ViewPeriods::EndsStillDrawn(size_t nSlot) const
{
    const LinkItems& items = m_linkItems[nSlot];
    if (!items.pMain)
        return false;
    const KIN_DataLink& link = m_pContent->links[nSlot];
    const KIN_GraphicPeriod* pFirst = FindPeriod(link.period1);
    const KIN_GraphicPeriod* pSecond = FindPeriod(link.period2);
    const KIN_GraphicPeriod* pDrawnFirst = items.pMain->GetFirstPoint()->GetPeriod();
    const KIN_GraphicPeriod* pDrawnSecond = items.pMain->GetSecondPoint()->GetPeriod();
    // An elbow is drawn from the parent, whichever end the record names first.
    return (pFirst == pDrawnFirst && pSecond == pDrawnSecond) ||
           (items.pFirstLeg && pFirst == pDrawnSecond && pSecond == pDrawnFirst);
}

void KIN_ViewPeriods::ReconnectLink(size_t nSlot)
{
    const LinkItems& items = m_linkItems[nSlot];
    const QPointF a = items.pMain->GetFirstPoint()->scenePos();
    const QPointF b = items.pMain->GetSecondPoint()->scenePos();
    if (!items.pFirstLeg)
    {
        items.pMain->Reconnect(QLineF(a, b));
        return;
    }
    const qreal ym = a.y() + 10;
    items.pMain->Reconnect(QLineF(a.x(), ym, b.x(), ym));
    items.pFirstLeg->Reconnect(QLineF(a.x(), a.y(), a.x(), ym));
    items.pSecondLeg->Reconnect(QLineF(b.x(), ym, b.x(), b.y()));
}

void KIN_ViewPeriods::RedrawLinksOf(const std::vector<std::int32_t>& ids)
{
    const auto names = [&ids](std::int32_t nId)
    { return std::find(ids.begin(), ids.end(), nId) != ids.end(); };
    std::vector<size_t> created;
    for (size_t n = 0; n < m_linkItems.size(); ++n)
    {
        const KIN_DataLink& link = m_pContent->links[n];
        if (!m_linkItems[n].bFresh && !names(link.period1) && !names(link.period2))
            continue;
        // Segments that still join the right periods keep their place in the stacking.
        if (!m_linkItems[n].bFresh && EndsStillDrawn(n))
        {
            ReconnectLink(n);
            continue;
        }
        DeleteLinkItems(m_linkItems[n]);
        CreateLink(n);
        if (m_linkItems[n].pMain)
            created.push_back(n);
    }
    // From the end, so that the link after a new one is in its place already.
    for (auto slot = created.rbegin(); slot != created.rend(); ++slot)
    {
        const LinkItems& items = m_linkItems[*slot];
        QGraphicsItem* pSuccessor = FirstItemAfterSlot(*slot, false);
        for (KIN_GraphicLink* pSegment : {items.pMain, items.pFirstLeg, items.pSecondLeg})
            if (pSegment)
                PlaceBefore(pSegment, pSuccessor);
    }
}
