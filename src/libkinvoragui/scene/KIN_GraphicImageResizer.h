#ifndef KIN_GRAPHICIMAGERESIZER_H
#define KIN_GRAPHICIMAGERESIZER_H

#include "KIT_SafeObject.h"

#include <QGraphicsRectItem>

class KIN_GraphicImage;

// The invisible handle at a picture's bottom-right corner; dragging it resizes the picture
// and keeps its proportions.
class KIN_GraphicImageResizer : public QGraphicsRectItem, public KIT_SafeObject
{
public:
    // The smallest a picture gets on its shorter side, so it stays visible and grabbable.
    static constexpr int MinimumSide = 8;

    explicit KIN_GraphicImageResizer(KIN_GraphicImage* pImage);
    ~KIN_GraphicImageResizer() override;

    // Places the handle on the shown picture's corner.
    void UpdateRect();
    double GetScale() const { return m_scale; }

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* pQEvent) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* pQEvent) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* pQEvent) override;

private:
    bool m_bResized = false;
    KIN_GraphicImage* m_pImage;
    QPointF m_pressPos;
    double m_scale;
};

#endif
