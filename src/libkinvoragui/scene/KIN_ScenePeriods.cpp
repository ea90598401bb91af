#include "KIN_ScenePeriods.h"

#include "KIN_GraphicConnection.h"

KIN_ScenePeriods::KIN_ScenePeriods(QObject* pQParent) : QGraphicsScene(pQParent) {}

KIN_ScenePeriods::~KIN_ScenePeriods() = default;

void KIN_ScenePeriods::dragMoveEvent(QGraphicsSceneDragDropEvent* pQEvent)
{
    QGraphicsScene::dragMoveEvent(pQEvent);
    KIN_GraphicConnection::UpdateRubberBand(pQEvent);
}
