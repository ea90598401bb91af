#include "KIN_ScenePeriods.h"

#include "KIN_GraphicConnection.h"

KIN_ScenePeriods::KIN_ScenePeriods(QObject* pQParent) : QGraphicsScene(pQParent)
{
    // The tree index files a link that spans the diagram under every cell it crosses. Left
    // to grow with the item count, its cells get so many that thousands of long links take
    // seconds and gigabytes to file; a fixed grid of 32 by 32 cells keeps each query small
    // and each long link in a few dozen cells.
    setBspTreeDepth(10);
}

KIN_ScenePeriods::~KIN_ScenePeriods() = default;

void KIN_ScenePeriods::dragMoveEvent(QGraphicsSceneDragDropEvent* pQEvent)
{
    QGraphicsScene::dragMoveEvent(pQEvent);
    KIN_GraphicConnection::UpdateRubberBand(pQEvent);
}
