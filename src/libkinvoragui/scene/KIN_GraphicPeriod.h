#ifndef KIN_GRAPHICPERIOD_H
#define KIN_GRAPHICPERIOD_H

#include "KIN_DataPeriod.h"
#include "KIT_SafeObject.h"

#include <QGraphicsRectItem>
#include <QPen>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVarLengthArray>

#include <array>
#include <vector>

class KIN_GraphicConnection;
class KIN_GraphicLink;
class KIN_ItemListPeriod;
class QGraphicsScene;
class QGraphicsView;
class QListWidget;

// One period on the diagram: a coloured rectangle in its columns between its years, with
// its title inside. A click selects it; dragging it sideways moves it by whole columns.
class KIN_GraphicPeriod : public QGraphicsRectItem, public KIT_SafeObject
{
public:
    static constexpr int PointCount = 5;

    // The record belongs to the document and must outlive the item (until the next rebuild).
    // The item adds its entry to the period list, when there is one, and keeps it current.
    KIN_GraphicPeriod(QGraphicsScene* pQScene, QGraphicsView* pQView, const KIN_DataPeriod* pPeriod,
                      QListWidget* pQPeriodList = nullptr);
    ~KIN_GraphicPeriod() override;

    const KIN_DataPeriod& GetRecord() const { return *m_pPeriod; }
    // Points the item at the record's new place, after its list moved in memory.
    void SetRecord(const KIN_DataPeriod* pPeriod) { m_pPeriod = pPeriod; }
    // Shows a changed record in place: look, place, title, points and list entry text.
    void Update(const KIN_DataPeriod* pPeriod);
    KIN_ItemListPeriod* GetListEntry() const { return m_pListEntry; }
    QGraphicsView* GetView() const { return m_pQView; }
    // The point of nIndex (0..4), made on first use: a point stays hidden until it is linked,
    // its period selected or a link drag offers it, and most points never are.
    KIN_GraphicConnection* GetPoint(int nIndex);
    // GetPoint, marked linked and so shown.
    KIN_GraphicConnection* LinkPoint(int nIndex);
    // The index of one of this period's points, or -1; makes no point.
    int IndexOfPoint(const KIN_GraphicConnection* pPoint) const;
    void CreateAllPoints();
    QStringList GetTitleLines() const { return m_title.split(QLatin1Char('\n')); }
    const QVarLengthArray<KIN_GraphicLink*, 4>& GetLinks() const { return m_links; }
    void AddLink(KIN_GraphicLink* pLink) { m_links.push_back(pLink); }
    // Forgets a segment about to go; then HideUnlinkedPoints hides the points it ended on.
    void RemoveLink(KIN_GraphicLink* pSegment);
    void HideUnlinkedPoints();

    void SelectPeriod();
    void DeselectPeriod();

    QRectF boundingRect() const override;
    void paint(QPainter* pQPainter, const QStyleOptionGraphicsItem* pQOption,
               QWidget* pQWidget) override;

protected:
    void contextMenuEvent(QGraphicsSceneContextMenuEvent* pQEvent) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* pQEvent) override;
    void mouseMoveEvent(QGraphicsSceneMouseEvent* pQEvent) override;
    void mouseReleaseEvent(QGraphicsSceneMouseEvent* pQEvent) override;

private:
    void ApplyRecord();
    void CreateListEntry(QListWidget* pQPeriodList);
    QString ListText() const;
    // The point of nIndex, made if needed; bLink marks it linked.
    KIN_GraphicConnection* Point(int nIndex, bool bLink);
    KIN_GraphicConnection* CreatePoint(int nIndex, bool bLinked);
    QPointF PointPlace(int nIndex) const;
    void ApplyLook(int nAlpha, int nBorderWidth);
    // The rectangle with each uncertain end fading out under a dashed border.
    void PaintUncertainShape(QPainter* pQPainter) const;
    void ScrollIntoView();
    QRectF TextRect() const;
    qsizetype FirstLineLength() const;
    // Where the mouse of the event is now in the scene, after any scroll since it came.
    QPointF MouseScenePos(const QGraphicsSceneMouseEvent* pQEvent) const;

    const KIN_DataPeriod* m_pPeriod;
    QGraphicsView* m_pQView;
    KIN_ItemListPeriod* m_pListEntry = nullptr;
    QPointF m_pressScenePos;
    QPointF m_pressItemPos;
    bool m_bSelecting = false;
    // One text, split when drawn: a list of lines per period costs more than the drawing.
    QString m_title;
    int m_nTitleLines = 1;
    bool m_bUncertainBegin = false;
    bool m_bUncertainEnd = false;
    QRectF m_textRect;
    QPen m_textPen;
    std::array<KIN_GraphicConnection*, PointCount> m_points{};
    // Most periods have a few segments: they fit without an allocation of their own.
    QVarLengthArray<KIN_GraphicLink*, 4> m_links;
};

#endif
