#ifndef KIN_GRAPHICBORDER_H
#define KIN_GRAPHICBORDER_H

#include "KIT_SafeObject.h"

#include <QGraphicsRectItem>
#include <QLine>
#include <QString>

#include <vector>

class QGraphicsScene;

// The diagram's frame, its column and time grid, and the date labels left of it.
class KIN_GraphicBorder : public QGraphicsRectItem, public KIT_SafeObject
{
public:
    struct Label
    {
        int y;
        QString text;
    };

    explicit KIN_GraphicBorder(QGraphicsScene* pQScene);
    ~KIN_GraphicBorder() override;

    // Rebuilds frame, lines and labels from the scene rectangle.
    void RecomputeGrid();

    const std::vector<QLine>& GetMajorLines() const { return m_majorLines; }
    const std::vector<QLine>& GetMinorLines() const { return m_minorLines; }
    const std::vector<Label>& GetLabels() const { return m_labels; }

    QRectF boundingRect() const override;
    void paint(QPainter* pQPainter, const QStyleOptionGraphicsItem* pQOption,
               QWidget* pQWidget) override;

    static const QPen& MajorPen();
    static const QPen& MinorPen();

private:
    void AddVerticalLines(int nLeft, int nTop, int nRight, int nBottom);
    void AddHorizontalLinesAndLabels(int nLeft, int nTop, int nRight, int nBottom);
    void AddLabel(int nY, int nScaleIndex);

    std::vector<QLine> m_majorLines;
    std::vector<QLine> m_minorLines;
    std::vector<Label> m_labels;
};

#endif
