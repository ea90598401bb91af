#ifndef KIN_GRAPHICLINK_H
#define KIN_GRAPHICLINK_H

#include "KIN_DataLink.h"
#include "KIT_SafeObject.h"

#include <QColor>
#include <QGraphicsLineItem>
#include <QPen>

#include <array>

class KIN_GraphicConnection;

// One line segment of a link between two connection points. An elbow link is three
// segments that are styled together; the rubber band of a link drag is a segment without
// points.
class KIN_GraphicLink : public QGraphicsLineItem, public KIT_SafeObject
{
public:
    enum Style
    {
        Normal = 0,
        Selected = 1,
        RubberBandFree = 2,
        RubberBandOnTarget = 3
    };

    KIN_GraphicLink(KIN_GraphicConnection* pFirst, KIN_GraphicConnection* pSecond,
                    const KIN_DataLink& link);
    ~KIN_GraphicLink() override;

    int GetStyle() const { return m_nStyle; }
    const KIN_DataLink& GetRecord() const { return m_link; }
    KIN_GraphicConnection* GetFirstPoint() const { return m_pFirst; }
    KIN_GraphicConnection* GetSecondPoint() const { return m_pSecond; }
    // The border colour of the period owning the higher end; invalid without ends.
    QColor GetColor() const;
    void SetPartners(KIN_GraphicLink* pFirst, KIN_GraphicLink* pSecond);
    // Takes a new line after an end's period changed: colour, pen and z follow, as on a new
    // segment.
    void Reconnect(const QLineF& line);

    // Applies pen and z to this segment and its partners; style 0 empties the current link.
    void SetLinkStyle(int nStyle);
    // True when this segment, or another segment of the same link, is the current link.
    bool IsCurrentLink() const;
    // Makes this segment's link the current link, drawn thick, with "Remove link" enabled.
    void MakeCurrent();

    QRectF boundingRect() const override;
    bool contains(const QPointF& point) const override;
    bool collidesWithPath(const QPainterPath& path, Qt::ItemSelectionMode mode) const override;

protected:
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* pQEvent) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* pQEvent) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* pQEvent) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* pQEvent) override;

private:
    void ApplyStyle(int nStyle);
    QPen PenOfWidth(int nWidth) const;
    qreal StrokeReach() const;

    int m_nStyle = Normal;
    KIN_GraphicConnection* m_pFirst;
    KIN_GraphicConnection* m_pSecond;
    KIN_DataLink m_link;
    // The colour's entry in the colour table, or -1 for a segment without ends.
    int m_nColorIndex;
    std::array<KIN_GraphicLink*, 2> m_partners{};
    // The base class strokes the line anew on every call, and a paint asks every segment whose
    // bounds meet the view, tens of thousands on a large diagram: kept until line or pen change.
    mutable QLineF m_boundedLine;
    mutable QPen m_boundedPen;
    mutable QRectF m_bounds;
};

#endif
