#include "KIN_GraphicBorder.h"

#include "KIN_DateScale.h"
#include "KIT_QtText.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QStyleOptionGraphicsItem>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>

namespace
{
constexpr int g_nLabelMargin = 200; // room left of the diagram for the date labels
constexpr int g_nLineSpacing = 50;
constexpr int g_nCompressedStart = 8; // scale index of year -1000
constexpr int g_nLabelReach = 100;    // how far a label's glyphs reach above or below its line
// Beyond this many repetitions of its pattern, the raster engine draws a dashed line solid.
constexpr qreal g_dashRepetitionLimit = 10000;

// The scale the raster engine derives a pen's width from.
qreal PenScale(const QTransform& transform)
{
    if (transform.type() <= QTransform::TxTranslate)
        return 1;
    return std::sqrt(
        std::max(transform.m11() * transform.m11() + transform.m21() * transform.m21(),
                 transform.m12() * transform.m12() + transform.m22() * transform.m22()));
}

qreal PatternLength(const QPen& pen)
{
    const QList<qreal> pattern = pen.dashPattern();
    return std::accumulate(pattern.begin(), pattern.end(), qreal(0));
}

// The part of an axis-parallel grid line that can reach the exposed area, drawn as the whole
// line would be. A dashed line is cut only at whole repetitions of its pattern, so every dash
// stays where it was; one the engine would draw solid, or through its thin-line path (whose
// dashes start where its clip starts), keeps its ends.
std::optional<QLineF> VisiblePart(const QLine& line, const QPen& pen, qreal scale,
                                  const QRectF& exposed)
{
    const qreal deviceWidth = pen.widthF() * scale;
    const qreal margin = (deviceWidth + 4) / scale;
    const QRectF area = exposed.adjusted(-margin, -margin, margin, margin);
    if (std::max(line.x1(), line.x2()) < area.left() ||
        std::min(line.x1(), line.x2()) > area.right() ||
        std::max(line.y1(), line.y2()) < area.top() ||
        std::min(line.y1(), line.y2()) > area.bottom())
        return std::nullopt;
    QLineF part(line);
    const qreal pattern = PatternLength(pen);
    if (pen.style() == Qt::SolidLine || deviceWidth <= 1 || pattern <= 0)
        return part;
    const bool bHorizontal = line.y1() == line.y2();
    const qreal start = bHorizontal ? line.x1() : line.y1();
    const qreal end = bHorizontal ? line.x2() : line.y2();
    if (start > end || (end - start) * scale / (pattern * deviceWidth) > g_dashRepetitionLimit)
        return part;
    const qreal period = pattern * pen.widthF();
    const qreal low = bHorizontal ? area.left() : area.top();
    const qreal high = std::min(end, bHorizontal ? area.right() : area.bottom());
    const qreal from = low > start ? start + std::floor((low - start) / period) * period : start;
    if (from >= high)
        return std::nullopt;
    return bHorizontal ? QLineF(from, line.y1(), high, line.y2())
                       : QLineF(line.x1(), from, line.x2(), high);
}

void DrawVisibleLines(QPainter& painter, const QPen& pen, const std::vector<QLine>& lines,
                      const QRectF& exposed)
{
    // A diagram of many columns has hundreds of thousands of grid lines, and the engine walks
    // a dashed line dash by dash however little of it shows.
    const qreal scale = PenScale(painter.deviceTransform());
    std::vector<QLineF> visible;
    for (const QLine& line : lines)
        if (const std::optional<QLineF> part = VisiblePart(line, pen, scale, exposed))
            visible.push_back(*part);
    if (visible.empty())
        return;
    painter.setPen(pen);
    painter.drawLines(visible.data(), static_cast<int>(visible.size()));
}

const QFont& LabelFont()
{
    static const QFont font = []
    {
        QFont labelFont;
        labelFont.setPixelSize(50);
        labelFont.setWeight(QFont::Bold);
        return labelFont;
    }();
    return font;
}
} // namespace

KIN_GraphicBorder::KIN_GraphicBorder(QGraphicsScene* pQScene)
    : QGraphicsRectItem(nullptr), KIT_SafeObject("KIN_GraphicBorder")
{
    pQScene->addItem(this);
    setPen(QPen(QBrush(Qt::blue), 0, Qt::SolidLine));
    setBrush(Qt::NoBrush);
    setZValue(-200000);
    // The paint needs the exposed area to leave out the grid lines that cannot show.
    setFlag(ItemUsesExtendedStyleOption);
    RecomputeGrid();
}

KIN_GraphicBorder::~KIN_GraphicBorder() = default;

const QPen& KIN_GraphicBorder::MajorPen()
{
    static const QPen pen(QBrush(Qt::gray), 4, Qt::DashLine);
    return pen;
}

const QPen& KIN_GraphicBorder::MinorPen()
{
    static const QPen pen(QBrush(Qt::lightGray), 1, Qt::DotLine);
    return pen;
}

void KIN_GraphicBorder::RecomputeGrid()
{
    m_majorLines.clear();
    m_minorLines.clear();
    m_labels.clear();
    const QRectF area = scene() ? scene()->sceneRect() : QRectF();
    const int nLeft = static_cast<int>(area.x());
    const int nTop = static_cast<int>(area.y());
    const int nBottom = nTop + static_cast<int>(area.height());
    const int nRight = nLeft + static_cast<int>(area.width());
    prepareGeometryChange();
    setRect(area);
    AddVerticalLines(nLeft, nTop, nRight, nBottom);
    AddHorizontalLinesAndLabels(nLeft, nTop, nRight, nBottom);
    update();
}

void KIN_GraphicBorder::AddVerticalLines(int nLeft, int nTop, int nRight, int nBottom)
{
    int k = 1;
    for (int x = nLeft + 100; x < nRight; x += 100, ++k)
        (k % 5 == 0 ? m_majorLines : m_minorLines).emplace_back(x, nTop, x, nBottom);
}

void KIN_GraphicBorder::AddLabel(int nY, int nScaleIndex)
{
    m_labels.push_back({nY, KIT_ToQString(KIN_ScaleTexts()[static_cast<size_t>(nScaleIndex)])});
}

void KIN_GraphicBorder::AddHorizontalLinesAndLabels(int nLeft, int nTop, int nRight, int nBottom)
{
    const std::vector<std::int32_t>& positions = KIN_ScalePositions();
    const int nLast = static_cast<int>(positions.size()) - 1;
    int c = 0;
    for (int k = nLast; k >= 0; --k)
    {
        if (5LL * positions[static_cast<size_t>(k)] <= nBottom - g_nLineSpacing)
        {
            c = std::min(k + 1, nLast);
            break;
        }
    }
    AddLabel(nBottom, c);

    const long long compressedY = 5LL * positions[g_nCompressedStart];
    bool bFirstCompressed = true;
    int n = 1;
    int y = nBottom - g_nLineSpacing;
    for (; y > nTop; y -= g_nLineSpacing, ++n)
    {
        bool bMajor = false;
        if (y > compressedY)
            bMajor = n % 10 == 0;
        else if (bFirstCompressed)
        {
            bFirstCompressed = false;
            if (n != 1)
                n = 0;
            bMajor = true;
        }
        else
            bMajor = n % 9 == 0;
        if (bMajor && --c >= 0)
            AddLabel(y, c);
        (bMajor ? m_majorLines : m_minorLines).emplace_back(nLeft, y, nRight, y);
    }
    if (c - 1 >= 0)
        AddLabel(y, c - 1);
}

QRectF KIN_GraphicBorder::boundingRect() const
{
    // The labels stand left of the frame and straddle its top and bottom edges.
    return QGraphicsRectItem::boundingRect().adjusted(-g_nLabelMargin, -g_nLineSpacing, 0,
                                                      g_nLineSpacing);
}

void KIN_GraphicBorder::paint(QPainter* pQPainter, const QStyleOptionGraphicsItem* pQOption,
                              QWidget* pQWidget)
{
    QGraphicsRectItem::paint(pQPainter, pQOption, pQWidget);
    const QRectF& exposed = pQOption->exposedRect;
    DrawVisibleLines(*pQPainter, MinorPen(), m_minorLines, exposed);
    DrawVisibleLines(*pQPainter, MajorPen(), m_majorLines, exposed);
    pQPainter->setFont(LabelFont());
    pQPainter->setPen(Qt::black);
    for (const Label& label : m_labels)
        if (label.y + g_nLabelReach >= exposed.top() && label.y - g_nLabelReach <= exposed.bottom())
            pQPainter->drawText(QPoint(-g_nLabelMargin, label.y + 25), label.text);
}
