#include "KIN_ScenePeriods.h"

#include "KIN_GraphicConnection.h"

KIN_ScenePeriods::KIN_ScenePeriods(QObject* pQParent) : QGraphicsScene(pQParent)
{
    // A tree index files a link that spans the diagram under every cell it crosses: with
    // thousands of long links, building it takes seconds and gigabytes, and every moved
    // segment pays again. Walking the items for each query costs far less.
    setItemIndexMethod(QGraphicsScene::NoIndex);
}

KIN_ScenePeriods::~KIN_ScenePeriods() = default;

void KIN_ScenePeriods::dragMoveEvent(QGraphicsSceneDragDropEvent* pQEvent)
{
    QGraphicsScene::dragMoveEvent(pQEvent);
    KIN_GraphicConnection::UpdateRubberBand(pQEvent);
}
