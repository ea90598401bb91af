#include "KIN_GraphicBorder.h"

#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <random>

namespace
{
// Draws the border's frame, every grid line whole and every label, as the border once did.
class WholeGrid : public QGraphicsItem
{
public:
    explicit WholeGrid(const KIN_GraphicBorder& border) : m_border(border)
    {
        setZValue(border.zValue());
    }
    QRectF boundingRect() const override { return m_border.boundingRect(); }
    void paint(QPainter* pQPainter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        pQPainter->setPen(m_border.pen());
        pQPainter->setBrush(m_border.brush());
        pQPainter->drawRect(m_border.rect());
        const auto drawAll = [pQPainter](const QPen& pen, const std::vector<QLine>& lines)
        {
            pQPainter->setPen(pen);
            pQPainter->drawLines(lines.data(), static_cast<int>(lines.size()));
        };
        drawAll(KIN_GraphicBorder::MinorPen(), m_border.GetMinorLines());
        drawAll(KIN_GraphicBorder::MajorPen(), m_border.GetMajorLines());
        QFont font;
        font.setPixelSize(50);
        font.setWeight(QFont::Bold);
        pQPainter->setFont(font);
        pQPainter->setPen(Qt::black);
        for (const KIN_GraphicBorder::Label& label : m_border.GetLabels())
            pQPainter->drawText(QPoint(-200, label.y + 25), label.text);
    }

private:
    const KIN_GraphicBorder& m_border;
};

// A scene holding one grid item, shown by a view of its own.
struct GridView
{
    explicit GridView(const QRectF& area)
    {
        scene.setSceneRect(area);
        view.setScene(&scene);
        view.resize(640, 420);
    }
    QImage Grab(qreal zoom, const QPointF& centre, const QRect& part)
    {
        view.setTransform(QTransform::fromScale(zoom, zoom));
        view.centerOn(centre);
        return view.viewport()->grab(part).toImage();
    }
    QGraphicsScene scene;
    QGraphicsView view;
};
} // namespace

// Only the grid lines that can show are drawn, and only their visible part: the picture must
// be the whole grid's, pixel for pixel, at every zoom, scroll and exposed part. The areas cover
// dashes drawn dash by dash, lines the engine draws solid for their length, and thin lines.
TEST(BorderPaint, DrawsWhatTheWholeGridDraws)
{
    const QRectF areas[] = {QRectF(0, 0, 1000, 10000), QRectF(0, 7500, 60000, 2000),
                            QRectF(-3000, -26000, 500000, 1500)};
    std::mt19937 random(7);
    for (const QRectF& area : areas)
    {
        GridView culled(area);
        auto* pBorder = new KIN_GraphicBorder(&culled.scene);
        GridView whole(area);
        whole.scene.addItem(new WholeGrid(*pBorder));
        for (int nZoom = -4; nZoom <= 4; ++nZoom)
            for (int nRound = 0; nRound < 4; ++nRound)
            {
                const qreal zoom = std::ldexp(1.0, nZoom);
                const QPointF centre(area.left() + area.width() * (random() % 1000) / 1000.0,
                                     area.top() + area.height() * (random() % 1000) / 1000.0);
                const QRect part = nRound % 2 == 0 ? QRect(0, 0, 640, 420)
                                                   : QRect(static_cast<int>(random() % 300),
                                                           static_cast<int>(random() % 200),
                                                           static_cast<int>(1 + random() % 340),
                                                           static_cast<int>(1 + random() % 220));
                const QImage expected = whole.Grab(zoom, centre, part);
                const QImage actual = culled.Grab(zoom, centre, part);
                ASSERT_EQ(actual, expected)
                    << "area " << area.width() << 'x' << area.height() << ", zoom " << zoom
                    << ", centre " << centre.x() << ',' << centre.y() << ", part " << part.x()
                    << ',' << part.y() << ' ' << part.width() << 'x' << part.height();
            }
    }
}
