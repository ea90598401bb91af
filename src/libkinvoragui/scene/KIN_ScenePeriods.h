#ifndef KIN_SCENEPERIODS_H
#define KIN_SCENEPERIODS_H

#include <QGraphicsScene>

// The diagram's scene. It lets the rubber band of a link drag follow the mouse.
class KIN_ScenePeriods : public QGraphicsScene
{
public:
    explicit KIN_ScenePeriods(QObject* pQParent);
    ~KIN_ScenePeriods() override;

protected:
    void dragMoveEvent(QGraphicsSceneDragDropEvent* pQEvent) override;
};

#endif
