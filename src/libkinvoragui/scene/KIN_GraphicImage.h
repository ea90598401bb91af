#ifndef KIN_GRAPHICIMAGE_H
#define KIN_GRAPHICIMAGE_H

#include "KIN_DataImage.h"
#include "KIT_SafeObject.h"

#include <QGraphicsPixmapItem>
#include <QPixmap>

class KIN_GraphicImageResizer;
class QGraphicsView;

// A picture placed on the diagram. Dragging moves it; its corner handle resizes it. Both
// are written back to the document when the button is released.
class KIN_GraphicImage : public QGraphicsPixmapItem, public KIT_SafeObject
{
public:
    enum State
    {
        Idle = 0,
        Moving = 1,
        Resizing = 2
    };

    // The record belongs to the document and must outlive the item (until the next rebuild).
    KIN_GraphicImage(const KIN_DataImage* pImage, QGraphicsView* pQView);
    ~KIN_GraphicImage() override;

    const KIN_DataImage& GetRecord() const { return *m_pImage; }
    // Points the item at the record's new place, after its list moved in memory.
    void SetRecord(const KIN_DataImage* pImage) { m_pImage = pImage; }
    // Shows a moved or resized record of the same file in place.
    void Update(const KIN_DataImage* pImage);
    const QPixmap& GetFullPixmap() const { return m_full; }
    double GetScale() const { return m_scale; }
    int GetState() const { return m_nState; }
    KIN_GraphicImageResizer* GetResizer() const { return m_pResizer; }
    QGraphicsView* GetView() const { return m_pQView; }
    bool IsLoaded() const { return !m_full.isNull(); }

    // Idle gives up being the current image; the other states make it the current image and
    // raise it.
    void SetImageState(int nState);
    // The full picture scaled to nWidth x nHeight, unsmoothed.
    void ShowScaled(int nWidth, int nHeight);

protected:
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* pQEvent) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* pQEvent) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* pQEvent) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* pQEvent) override;

private:
    QPixmap m_full;
    double m_scale;
    const KIN_DataImage* m_pImage;
    int m_nState = Idle;
    bool m_bMoved = false;
    QPointF m_pressScenePos;
    QPointF m_pressItemPos;
    QGraphicsView* m_pQView;
    KIN_GraphicImageResizer* m_pResizer = nullptr;
};

#endif
