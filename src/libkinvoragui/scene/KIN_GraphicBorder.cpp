#include "KIN_GraphicBorder.h"

#include "KIN_DateScale.h"
#include "KIT_QtText.h"

#include <QGraphicsScene>
#include <QPainter>

#include <algorithm>

namespace
{
constexpr int g_nLabelMargin = 200; // room left of the diagram for the date labels
constexpr int g_nLineSpacing = 50;
constexpr int g_nCompressedStart = 8; // scale index of year -1000

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
    if (!m_minorLines.empty())
    {
        pQPainter->setPen(MinorPen());
        pQPainter->drawLines(m_minorLines.data(), static_cast<int>(m_minorLines.size()));
    }
    if (!m_majorLines.empty())
    {
        pQPainter->setPen(MajorPen());
        pQPainter->drawLines(m_majorLines.data(), static_cast<int>(m_majorLines.size()));
    }
    pQPainter->setFont(LabelFont());
    pQPainter->setPen(Qt::black);
    for (const Label& label : m_labels)
        pQPainter->drawText(QPoint(-g_nLabelMargin, label.y + 25), label.text);
}
