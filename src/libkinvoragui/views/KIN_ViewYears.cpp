#include "KIN_ViewYears.h"

#include "KIN_DateScale.h"
#include "KIN_MainWindow.h"
#include "KIT_QtText.h"
#include "KIT_TextFormat.h"

#include <QGraphicsView>
#include <QPainter>

#include <cmath>

namespace
{
constexpr int g_nRulerWidth = 100;
constexpr size_t g_nCompressedStart = 8; // scale index of year -1000

struct TickStyle
{
    int nLabelDy;
    int nLabelX;
    int nLength;
    int nPenWidth;
    QFont font;
};

QFont StyleFont(int nPixelSize, QFont::Weight weight, bool bUnderline)
{
    QFont font;
    font.setPixelSize(nPixelSize);
    font.setWeight(weight);
    font.setUnderline(bUnderline);
    return font;
}

const std::array<TickStyle, KIN_ViewYears::StyleCount>& Styles()
{
    static const std::array<TickStyle, KIN_ViewYears::StyleCount> styles = {{
        {28, 0, 100, 7, StyleFont(30, QFont::Bold, true)},
        {10, 12, 25, 5, StyleFont(20, QFont::Bold, false)},
        {5, 50, 12, 2, StyleFont(10, QFont::Normal, false)},
        {0, 0, 6, 1, QFont()},
    }};
    return styles;
}

// Styles by zoom band: main step, marked step, half, tenth, twentieth, hundredth.
std::array<int, 6> StylesForSpacing(int l)
{
    using V = KIN_ViewYears;
    if (l > 6400)
        return {V::S1, V::S1, V::S1, V::S1, V::S1, V::S2};
    if (l > 3200)
        return {V::S1, V::S1, V::S1, V::S1, V::S2, V::S3};
    if (l > 800)
        return {V::S1, V::S1, V::S1, V::S2, V::S3, V::S4};
    if (l > 400)
        return {V::S1, V::S1, V::S2, V::S3, V::S4, V::NoStyle};
    if (l > 100)
        return {V::S1, V::S1, V::S3, V::S4, V::NoStyle, V::NoStyle};
    if (l > 50)
        return {V::S2, V::S1, V::S4, V::NoStyle, V::NoStyle, V::NoStyle};
    if (l > 25)
        return {V::S3, V::S2, V::S4, V::NoStyle, V::NoStyle, V::NoStyle};
    return {V::S3, V::S2, V::NoStyle, V::NoStyle, V::NoStyle, V::NoStyle};
}

QString TickLabel(std::int64_t nValue)
{
    return KIT_ToQString(KIN_TickText(nValue));
}
} // namespace

std::string KIN_TickText(std::int64_t nValue)
{
    if (nValue > -1000)
        return KIT_Int64ToText(nValue);
    const std::int64_t r = nValue % 100;
    const std::int64_t nStep = nValue - (r + 100);
    std::int64_t q = nStep / 10000;
    const char* pSuffix = "K";
    if (q <= -1000)
    {
        q /= 1000;
        pSuffix = "M";
    }
    if (q <= -1000)
    {
        q /= 1000;
        pSuffix = "G";
    }
    return KIT_DoubleToText(static_cast<double>(r) * static_cast<double>(q) * 0.1) + pSuffix;
}

KIN_ViewYears::KIN_ViewYears(KIN_MainWindow* pMainWindow, const KIN_DataDiagram*,
                             QGraphicsView* pQView)
    : QWidget(nullptr), KIT_SafeObject("KIN_ViewYears"), m_pMainWindow(pMainWindow),
      m_pQView(pQView)
{
    setFixedWidth(g_nRulerWidth);
}

KIN_ViewYears::~KIN_ViewYears() = default;

const std::vector<QLine>& KIN_ViewYears::GetTicks(int nStyle) const
{
    return m_ticks[static_cast<size_t>(nStyle)];
}

void KIN_ViewYears::RefreshRuler()
{
    for (std::vector<QLine>& ticks : m_ticks)
        ticks.clear();
    m_labels.clear();
    RecomputeTicks();
    update();
}

void KIN_ViewYears::AddTick(int nStyle, int y, const QString& text)
{
    const TickStyle& style = Styles()[static_cast<size_t>(nStyle)];
    m_ticks[static_cast<size_t>(nStyle)].emplace_back(g_nRulerWidth - style.nLength, y,
                                                      g_nRulerWidth, y);
    if (style.nLabelDy != 0)
        m_labels.push_back({nStyle, text, style.nLabelX, y + style.nLabelDy});
}

void KIN_ViewYears::AddStepTicks(size_t nStep, int y, int l, const std::array<int, 6>& styles)
{
    const auto [nMain, nMark, nHalf, nTenth, nTwentieth, nHundredth] = styles;
    const std::int64_t nYear = KIN_ScaleYears()[nStep];
    AddTick(KIN_ScaleMarks()[nStep] ? nMark : nMain, y, KIT_ToQString(KIN_ScaleTexts()[nStep]));
    if (nHalf != NoStyle)
        AddTick(nHalf, y + l / 2, TickLabel(nYear + 50));
    if (nTenth == NoStyle)
        return;
    const int nTenths = nStep < g_nCompressedStart ? 9 : 10;
    for (int m = 0; m < nTenths; ++m)
    {
        const std::int64_t nTenthYear = nYear + 10 * m;
        const int ym = y + m * (l / 10);
        if (m != 0 && m != 5)
            AddTick(nTenth, ym, TickLabel(nTenthYear));
        if (nTwentieth != NoStyle)
            AddTick(nTwentieth, ym + (l / 10) / 2, TickLabel(nTenthYear + 5));
        if (nHundredth == NoStyle)
            continue;
        for (int k = 1; k < 10; ++k)
            if (k != 5)
                AddTick(nHundredth, ym + k * (l / 100), TickLabel(nTenthYear + k));
    }
}

void KIN_ViewYears::RecomputeTicks()
{
    const std::vector<std::int32_t>& positions = KIN_ScalePositions();
    if (positions.empty() || !m_pQView || !m_pMainWindow)
        return;
    const int h = height();
    const double top = m_pQView->mapToScene(QPoint(0, 0)).y() * 0.2;
    const double bottom = m_pQView->mapToScene(QPoint(0, h)).y() * 0.2;
    const size_t n = positions.size();
    size_t f = 0;
    for (size_t i = 0; i < n; ++i)
        if (positions[i] < top)
            f = i;
    size_t c = n - 1;
    for (size_t i = 0; i < n; ++i)
        if (positions[i] > bottom)
        {
            c = i;
            break;
        }
    if (c <= f || !(bottom > top))
        return;
    int y = static_cast<int>(std::trunc((positions[f] - top) / (bottom - top) * h));
    const int l = static_cast<int>(std::trunc(m_pMainWindow->GetZoomFactor() * 500));
    const std::array<int, 6> styles = StylesForSpacing(l);
    for (size_t i = f; i <= c; ++i)
    {
        AddStepTicks(i, y, l, styles);
        y += i >= g_nCompressedStart ? l : 9 * l / 10;
    }
}

void KIN_ViewYears::paintEvent(QPaintEvent* pQEvent)
{
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(QBrush(Qt::white));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        painter.setBrush(Qt::NoBrush);
        for (int nStyle = S4; nStyle >= S1; --nStyle)
        {
            const std::vector<QLine>& ticks = m_ticks[static_cast<size_t>(nStyle)];
            if (ticks.empty())
                continue;
            painter.setPen(QPen(QBrush(Qt::gray), Styles()[static_cast<size_t>(nStyle)].nPenWidth));
            painter.drawLines(ticks.data(), static_cast<int>(ticks.size()));
        }
        painter.setPen(Qt::black);
        for (const Label& label : m_labels)
        {
            painter.setFont(Styles()[static_cast<size_t>(label.nStyle)].font);
            painter.drawText(label.x, label.y, label.text);
        }
    }
    QWidget::paintEvent(pQEvent);
}
