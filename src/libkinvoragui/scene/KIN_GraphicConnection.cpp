#include "KIN_GraphicConnection.h"

#include "KIN_AppContext.h"
#include "KIN_GraphicLink.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_MainWindow.h"
#include "KIN_SceneSelection.h"
#include "KIT_QT_Drag.h"
#include "KIT_QT_MimeData.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneDragDropEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QPointer>

#include <algorithm>

namespace
{
// State of the one link drag that can run at a time.
struct LinkDrag
{
    std::vector<KIN_GraphicPeriod*> periods;
    std::vector<KIN_GraphicConnection*> registry;
    KIN_GraphicConnection* pSource = nullptr;
    KIN_GraphicConnection* pTarget = nullptr;
    KIN_GraphicLink* pRubberBand = nullptr;
};

LinkDrag& Drag()
{
    static LinkDrag drag;
    return drag;
}

int DiameterOf(int nState)
{
    switch (nState)
    {
    case KIN_GraphicConnection::DragSource:
    case KIN_GraphicConnection::DragTarget:
        return 50;
    case KIN_GraphicConnection::Candidate:
        return 20;
    default:
        return 10;
    }
}
} // namespace

KIN_GraphicConnection::KIN_GraphicConnection(KIN_GraphicPeriod* pPeriod, const QPointF& place,
                                             bool bLinked)
    : QGraphicsEllipseItem(nullptr), KIT_SafeObject("KIN_GraphicConnection"), m_pPeriod(pPeriod),
      m_bLinked(bLinked)
{
    setPos(place);
    setAcceptDrops(true);
    Drag().registry.push_back(this);
    CopyPeriodLook();
    UpdatePointShape();
    // Joins its period last: until then no change has to reach the scene.
    setParentItem(pPeriod);
}

KIN_GraphicConnection::~KIN_GraphicConnection()
{
    LinkDrag& drag = Drag();
    drag.registry.erase(std::remove(drag.registry.begin(), drag.registry.end(), this),
                        drag.registry.end());
    if (drag.pSource == this)
        drag.pSource = nullptr;
    if (drag.pTarget == this)
        drag.pTarget = nullptr;
}

void KIN_GraphicConnection::UpdatePointShape()
{
    const int d = DiameterOf(m_nState);
    setRect(-d / 2, -d / 2, d, d);
    const bool bShown = m_nState != Idle || m_bLinked || m_bPeriodSelected;
    // The mouse never meets a hidden point, and most points stay hidden: a point takes its
    // cursor when first shown, which spares the others a cursor each.
    if (bShown && !hasCursor())
        setCursor(Qt::SizeAllCursor);
    setVisible(bShown);
}

void KIN_GraphicConnection::CopyPeriodLook()
{
    setPen(m_pPeriod->pen());
    setBrush(m_pPeriod->brush());
}

void KIN_GraphicConnection::SetState(int nState)
{
    m_nState = nState;
    UpdatePointShape();
}

void KIN_GraphicConnection::SetAllPointStates(int nState)
{
    // A point not made yet is idle and hidden; any other state shows it, so all are made.
    if (nState != Idle)
        for (KIN_GraphicPeriod* pPeriod : Drag().periods)
            pPeriod->CreateAllPoints();
    for (KIN_GraphicConnection* pPoint : Drag().registry)
        if (pPoint->m_nState != nState)
            pPoint->SetState(nState);
}

void KIN_GraphicConnection::OfferCandidatesIn(const QGraphicsView* pQView)
{
    LinkDrag& drag = Drag();
    if (!drag.pRubberBand || !pQView || pQView->scene() != drag.pRubberBand->scene())
        return;
    // A candidate reaches 10 px beyond its period: periods just out of sight count too.
    const QRectF area =
        pQView->mapToScene(pQView->viewport()->rect()).boundingRect().adjusted(-15, -15, 15, 15);
    for (QGraphicsItem* pQItem : pQView->scene()->items(area))
        if (auto* pPeriod = dynamic_cast<KIN_GraphicPeriod*>(pQItem))
        {
            pPeriod->CreateAllPoints();
            for (int n = 0; n < KIN_GraphicPeriod::PointCount; ++n)
                if (KIN_GraphicConnection* pPoint = pPeriod->GetPoint(n); pPoint->m_nState == Idle)
                    pPoint->SetState(Candidate);
        }
}

const std::vector<KIN_GraphicConnection*>& KIN_GraphicConnection::Registry()
{
    return Drag().registry;
}

void KIN_GraphicConnection::ClearRegistry()
{
    Drag().registry.clear();
    Drag().periods.clear();
}

void KIN_GraphicConnection::RegisterPeriod(KIN_GraphicPeriod* pPeriod)
{
    Drag().periods.push_back(pPeriod);
}

void KIN_GraphicConnection::UnregisterPeriod(KIN_GraphicPeriod* pPeriod)
{
    std::vector<KIN_GraphicPeriod*>& periods = Drag().periods;
    periods.erase(std::remove(periods.begin(), periods.end(), pPeriod), periods.end());
}

KIN_GraphicLink* KIN_GraphicConnection::RubberBand()
{
    return Drag().pRubberBand;
}

int KIN_GraphicConnection::IndexOnPeriod() const
{
    return m_pPeriod ? m_pPeriod->IndexOfPoint(this) : -1;
}

void KIN_GraphicConnection::UpdateRubberBand(QGraphicsSceneDragDropEvent* pQEvent)
{
    LinkDrag& drag = Drag();
    if (!drag.pRubberBand || !drag.pSource || !pQEvent)
        return;
    const QPointF start = drag.pSource->scenePos();
    if (drag.pTarget)
    {
        drag.pRubberBand->setLine(QLineF(start, drag.pTarget->scenePos()));
        drag.pRubberBand->SetLinkStyle(KIN_GraphicLink::RubberBandOnTarget);
    }
    else
    {
        drag.pRubberBand->setLine(QLineF(start, pQEvent->scenePos()));
        drag.pRubberBand->SetLinkStyle(KIN_GraphicLink::RubberBandFree);
    }
}

void KIN_GraphicConnection::BeginLinkDrag()
{
    LinkDrag& drag = Drag();
    drag.pRubberBand = new KIN_GraphicLink(nullptr, nullptr, KIN_DataLink());
    scene()->addItem(drag.pRubberBand);
    // Only points in sight are offered: making every point of a large diagram would hold the
    // drag's start for a second.
    for (const QGraphicsView* pQView : scene()->views())
        OfferCandidatesIn(pQView);
    SetState(DragSource);
    drag.pSource = this;
}

void KIN_GraphicConnection::EndLinkDrag()
{
    LinkDrag& drag = Drag();
    delete drag.pRubberBand; // leaves its scene on destruction
    drag.pRubberBand = nullptr;
    SetAllPointStates(Idle);
    KIN_GraphicConnection* pSource = std::exchange(drag.pSource, nullptr);
    KIN_GraphicConnection* pTarget = std::exchange(drag.pTarget, nullptr);
    if (!pSource || !pTarget || !pSource->m_pPeriod || !pTarget->m_pPeriod)
        return;
    const int nSourceIndex = pSource->IndexOnPeriod();
    const int nTargetIndex = pTarget->IndexOnPeriod();
    KIN_MainWindow* pMainWindow = KIN_AppContext::Get().pMainWindow;
    if (nSourceIndex < 0 || nTargetIndex < 0 || !pMainWindow)
        return;
    KIN_DataLink link;
    link.period1 = pSource->m_pPeriod->GetRecord().id;
    link.period2 = pTarget->m_pPeriod->GetRecord().id;
    link.point1 = nSourceIndex;
    link.point2 = nTargetIndex;
    pMainWindow->AddLink(link);
}

void KIN_GraphicConnection::dragEnterEvent(QGraphicsSceneDragDropEvent* pQEvent)
{
    if (Drag().pSource == this || m_nState == DragSource)
    {
        pQEvent->ignore();
        return;
    }
    SetState(DragTarget);
    Drag().pTarget = this;
    pQEvent->accept();
}

void KIN_GraphicConnection::dragLeaveEvent(QGraphicsSceneDragDropEvent* pQEvent)
{
    SetState(Candidate);
    if (Drag().pTarget == this)
        Drag().pTarget = nullptr;
    pQEvent->accept();
}

void KIN_GraphicConnection::dragMoveEvent(QGraphicsSceneDragDropEvent* pQEvent)
{
    pQEvent->setAccepted(Drag().pTarget == this);
}

void KIN_GraphicConnection::dropEvent(QGraphicsSceneDragDropEvent* pQEvent)
{
    SetState(Candidate);
    pQEvent->acceptProposedAction();
}

void KIN_GraphicConnection::mousePressEvent(QGraphicsSceneMouseEvent* pQEvent)
{
    KIN_SceneSelection::Get().bItemHandled = true;
    pQEvent->accept();
}

void KIN_GraphicConnection::mouseMoveEvent(QGraphicsSceneMouseEvent* pQEvent)
{
    if (!scene() || Drag().pRubberBand)
        return;
    QObject* pQSource = pQEvent->widget();
    if (!pQSource && !scene()->views().isEmpty())
        pQSource = scene()->views().constFirst();
    BeginLinkDrag();
    QPointer<KIT_QT_Drag> pQDrag = new KIT_QT_Drag(pQSource);
    pQDrag->setMimeData(new KIT_QT_MimeData());
    pQDrag->exec(Qt::MoveAction);
    if (pQDrag)
        pQDrag->deleteLater();
    EndLinkDrag();
}

void KIN_GraphicConnection::mouseReleaseEvent(QGraphicsSceneMouseEvent*) {}
