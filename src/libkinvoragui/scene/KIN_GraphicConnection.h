#ifndef KIN_GRAPHICCONNECTION_H
#define KIN_GRAPHICCONNECTION_H

#include "KIT_SafeObject.h"

#include <QGraphicsEllipseItem>

#include <vector>

class KIN_GraphicLink;
class KIN_GraphicPeriod;
class QGraphicsSceneDragDropEvent;
class QGraphicsView;

// One of the five points of a period where links start and end. Dragging from a point to a
// point of another period creates a link.
class KIN_GraphicConnection : public QGraphicsEllipseItem, public KIT_SafeObject
{
public:
    enum State
    {
        Idle = 0,
        DragSource = 1,
        Candidate = 2,
        DragTarget = 3
    };

    // A child of the period at the given place; a linked point shows from the start.
    explicit KIN_GraphicConnection(KIN_GraphicPeriod* pPeriod, const QPointF& place = QPointF(),
                                   bool bLinked = false);
    ~KIN_GraphicConnection() override;

    int GetState() const { return m_nState; }
    KIN_GraphicPeriod* GetPeriod() const { return m_pPeriod; }
    bool IsLinked() const { return m_bLinked; }
    void SetLinked(bool bLinked) { m_bLinked = bLinked; }
    void SetPeriodSelected(bool bSelected) { m_bPeriodSelected = bSelected; }

    void UpdatePointShape();
    void CopyPeriodLook();

    // Every registered point whose state differs takes the state.
    static void SetAllPointStates(int nState);
    // While a link drag runs: the points of the periods the view shows become candidates,
    // made first if need be. Points out of sight stay as they are until a scroll shows them.
    static void OfferCandidatesIn(const QGraphicsView* pQView);
    // Points created since the last rebuild, in creation order. Periods make their points on
    // first use; any state but Idle makes the points of every registered period first.
    static const std::vector<KIN_GraphicConnection*>& Registry();
    static void ClearRegistry();
    static void RegisterPeriod(KIN_GraphicPeriod* pPeriod);
    static void UnregisterPeriod(KIN_GraphicPeriod* pPeriod);
    // Lets the rubber band follow the mouse, or snap to the target under it.
    static void UpdateRubberBand(QGraphicsSceneDragDropEvent* pQEvent);
    static KIN_GraphicLink* RubberBand();

    // The drag in three steps, for the mouse handler and for tests.
    void BeginLinkDrag();
    static void EndLinkDrag();

protected:
    void dragEnterEvent(QGraphicsSceneDragDropEvent* pQEvent) override;
    void dragLeaveEvent(QGraphicsSceneDragDropEvent* pQEvent) override;
    void dragMoveEvent(QGraphicsSceneDragDropEvent* pQEvent) override;
    void dropEvent(QGraphicsSceneDragDropEvent* pQEvent) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* pQEvent) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* pQEvent) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* pQEvent) override;

private:
    void SetState(int nState);
    int IndexOnPeriod() const;

    int m_nState = Idle;
    KIN_GraphicPeriod* m_pPeriod;
    bool m_bLinked = false;
    bool m_bPeriodSelected = false;
};

#endif
