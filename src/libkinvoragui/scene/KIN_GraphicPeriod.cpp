#include "KIN_GraphicPeriod.h"

#include "KIN_AppContext.h"
#include "KIN_ColorTable.h"
#include "KIN_DateScale.h"
#include "KIN_GraphicConnection.h"
#include "KIN_GraphicLink.h"
#include "KIN_ItemListPeriod.h"
#include "KIN_MainWindow.h"
#include "KIN_QtTexts.h"
#include "KIN_SceneSelection.h"
#include "KIN_SelectionGuard.h"
#include "KIN_Texts.h"
#include "KIN_WidgetDetails.h"
#include "KIT_QT_Action.h"
#include "KIT_QtText.h"

#include <QCursor>
#include <QFontMetrics>
#include <QGraphicsScene>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QLinearGradient>
#include <QListWidget>
#include <QMenu>
#include <QPaintEngine>
#include <QPainter>
#include <QScrollBar>
#include <QStringBuilder>
#include <QStringTokenizer>

#include <algorithm>
#include <cmath>

namespace
{
constexpr int g_nSelectedZ = 200000;

const QFont& TitleFont()
{
    static const QFont font = []
    {
        QFont titleFont;
        titleFont.setPixelSize(20);
        titleFont.setWeight(QFont::Bold);
        titleFont.setUnderline(true);
        return titleFont;
    }();
    return font;
}

const QFont& LineFont()
{
    static const QFont font = []
    {
        QFont lineFont;
        lineFont.setPixelSize(15);
        return lineFont;
    }();
    return font;
}

// The least depth of an uncertain end's fade, in device pixels.
constexpr qreal g_nLeastFadePixels = 6;

// A fill from the colour at inner to nothing at the edge, vertically. PDF pages lose the
// transparency of a gradient under a transform, so there it fades into the white page.
QLinearGradient FadeTo(const QPainter* pQPainter, const QColor& color, qreal edge, qreal inner)
{
    QLinearGradient fade(0, edge, 0, inner);
    const QPaintEngine* pQEngine = pQPainter->paintEngine();
    QColor clear = pQEngine && pQEngine->type() == QPaintEngine::Pdf ? QColor(Qt::white) : color;
    clear.setAlpha(pQEngine && pQEngine->type() == QPaintEngine::Pdf ? color.alpha() : 0);
    fade.setColorAt(0, clear);
    fade.setColorAt(1, color);
    return fade;
}

int FloorHalf(int n)
{
    return n >= 0 ? n / 2 : -((-n + 1) / 2);
}

// Whole columns covered by a horizontal move, truncated toward zero.
int ColumnsMoved(double dx)
{
    return static_cast<int>(std::trunc(dx * 0.01));
}

KIN_WidgetDetails* Details()
{
    return static_cast<KIN_WidgetDetails*>(KIN_AppContext::Get().pQDetails);
}

void EnablePeriodActions(bool bEnabled)
{
    const KIN_AppContext& context = KIN_AppContext::Get();
    if (context.pQActionChangePeriod)
        context.pQActionChangePeriod->setEnabled(bEnabled);
    if (context.pQActionRemovePeriod)
        context.pQActionRemovePeriod->setEnabled(bEnabled);
}
} // namespace

KIN_GraphicPeriod::KIN_GraphicPeriod(QGraphicsScene* pQScene, QGraphicsView* pQView,
                                     const KIN_DataPeriod* pPeriod, QListWidget* pQPeriodList)
    : QGraphicsRectItem(nullptr), KIT_SafeObject("KIN_GraphicPeriod"), m_pPeriod(pPeriod),
      m_pQView(pQView)
{
    ApplyRecord();
    CreateListEntry(pQPeriodList);
    // Added last: until then no change has to reach the scene or its views.
    pQScene->addItem(this);
    KIN_GraphicConnection::RegisterPeriod(this);
}

void KIN_GraphicPeriod::ApplyRecord()
{
    const std::int32_t nBegin = KIN_YearToPosition(m_pPeriod->begin);
    const std::int32_t nEnd = KIN_YearToPosition(m_pPeriod->end);

    setBrush(KIN_BrushOfIndex(m_pPeriod->colorBackground, KIN_ColorRole::Background));
    setPen(KIN_PenOfIndex(m_pPeriod->colorBorder, KIN_ColorRole::Border, 0));
    m_textPen = KIN_PenOfIndex(m_pPeriod->colorText, KIN_ColorRole::Text, 1);
    setRect(0, 0, 100.0 * m_pPeriod->width - 10, 5.0 * (static_cast<double>(nEnd) - nBegin) - 4);
    setCursor(Qt::PointingHandCursor);
    setPos(100.0 * m_pPeriod->column + 5, 5.0 * nBegin + 2);
    setZValue(y());

    m_bUncertainBegin = m_pPeriod->uncertainBegin;
    m_bUncertainEnd = m_pPeriod->uncertainEnd;
    m_title = KIT_ToQString(m_pPeriod->title);
    m_nTitleLines = 1 + static_cast<int>(m_title.count(QLatin1Char('\n')));
    m_textRect = TextRect();
}

void KIN_GraphicPeriod::Update(const KIN_DataPeriod* pPeriod)
{
    prepareGeometryChange(); // the title's bound may change with the text alone
    m_pPeriod = pPeriod;
    ApplyRecord();
    for (size_t n = 0; n < m_points.size(); ++n)
        if (KIN_GraphicConnection* pPoint = m_points[n])
        {
            pPoint->setPos(PointPlace(static_cast<int>(n)));
            pPoint->CopyPeriodLook();
        }
    if (m_pListEntry)
        m_pListEntry->setText(ListText());
    update();
}

void KIN_GraphicPeriod::RemoveLink(KIN_GraphicLink* pSegment)
{
    m_links.removeAll(pSegment);
}

void KIN_GraphicPeriod::HideUnlinkedPoints()
{
    // A point that no segment ends on any more is hidden, as a rebuild leaves it.
    for (KIN_GraphicConnection* pPoint : m_points)
    {
        if (!pPoint || !pPoint->IsLinked())
            continue;
        const bool bUsed = std::any_of(m_links.begin(), m_links.end(),
                                       [pPoint](const KIN_GraphicLink* pSegment) {
                                           return pSegment->GetFirstPoint() == pPoint ||
                                                  pSegment->GetSecondPoint() == pPoint;
                                       });
        if (!bUsed)
        {
            pPoint->SetLinked(false);
            pPoint->UpdatePointShape();
        }
    }
}

KIN_GraphicPeriod::~KIN_GraphicPeriod()
{
    if (KIN_SceneSelection::Get().pCurrentPeriod == this)
        DeselectPeriod();
    KIN_GraphicConnection::UnregisterPeriod(this);
}

KIN_GraphicConnection* KIN_GraphicPeriod::GetPoint(int nIndex)
{
    return Point(nIndex, false);
}

KIN_GraphicConnection* KIN_GraphicPeriod::LinkPoint(int nIndex)
{
    return Point(nIndex, true);
}

KIN_GraphicConnection* KIN_GraphicPeriod::Point(int nIndex, bool bLink)
{
    if (nIndex < 0 || nIndex >= PointCount)
        return nullptr;
    KIN_GraphicConnection*& pPoint = m_points[static_cast<size_t>(nIndex)];
    if (!pPoint)
        pPoint = CreatePoint(nIndex, bLink);
    else if (bLink && !pPoint->IsLinked())
    {
        pPoint->SetLinked(true);
        pPoint->UpdatePointShape();
    }
    return pPoint;
}

int KIN_GraphicPeriod::IndexOfPoint(const KIN_GraphicConnection* pPoint) const
{
    const auto found = std::find(m_points.begin(), m_points.end(), pPoint);
    return pPoint && found != m_points.end() ? static_cast<int>(found - m_points.begin()) : -1;
}

void KIN_GraphicPeriod::CreateAllPoints()
{
    for (int n = 0; n < PointCount; ++n)
        GetPoint(n);
}

void KIN_GraphicPeriod::CreateListEntry(QListWidget* pQPeriodList)
{
    if (!pQPeriodList)
        return;
    m_pListEntry = new KIN_ItemListPeriod();
    m_pListEntry->SetPeriodItem(this);
    m_pListEntry->setText(ListText());
    const KIN_SelectionGuard guard;
    pQPeriodList->insertItem(pQPeriodList->count(), m_pListEntry);
}

QString KIN_GraphicPeriod::ListText() const
{
    // "%1, %2, %3" of begin, end and the first title line, built in one allocation. Date
    // texts are plain ASCII (digits, sign, point and a unit letter).
    const std::string begin = KIN_DateToText(m_pPeriod->begin);
    const std::string end = KIN_DateToText(m_pPeriod->end);
    const QLatin1String separator(", ");
    return QLatin1String(begin.data(), static_cast<qsizetype>(begin.size())) % separator %
           QLatin1String(end.data(), static_cast<qsizetype>(end.size())) % separator %
           QStringView(m_title).left(FirstLineLength());
}

KIN_GraphicConnection* KIN_GraphicPeriod::CreatePoint(int nIndex, bool bLinked)
{
    auto* pPoint = new KIN_GraphicConnection(this, PointPlace(nIndex), bLinked);
    // Siblings stack in the order of their indexes, whatever order they are made in.
    for (size_t n = static_cast<size_t>(nIndex) + 1; n < m_points.size(); ++n)
        if (m_points[n])
        {
            pPoint->stackBefore(m_points[n]);
            break;
        }
    if (KIN_SceneSelection::Get().pCurrentPeriod == this)
    {
        pPoint->SetPeriodSelected(true);
        pPoint->UpdatePointShape();
    }
    return pPoint;
}

QPointF KIN_GraphicPeriod::PointPlace(int nIndex) const
{
    const int nWidth = static_cast<int>(rect().width());
    const int nHeight = static_cast<int>(rect().height());
    const int nText = 35 + 20 * (m_nTitleLines - 1);
    switch (nIndex)
    {
    case 0:
        return QPointF(FloorHalf(nWidth), 0);
    case 1:
        return QPointF(FloorHalf(nWidth), nText);
    case 2:
        return QPointF(FloorHalf(nWidth), nHeight);
    case 3:
        return QPointF(0, FloorHalf(nText));
    default:
        return QPointF(nWidth, FloorHalf(nText));
    }
}

QRectF KIN_GraphicPeriod::TextRect() const
{
    // Titles are drawn at a point without clipping, so long lines run past the rectangle.
    // Measuring each line would shape its text on every rebuild; a bound from the widest
    // glyph of each font covers it for a fraction of the cost.
    struct Bound
    {
        int nMaxWidth;
        int nAscent;
        int nDescent;
    };
    static const auto boundOf = [](const QFont& font)
    {
        const QFontMetrics metrics(font);
        return Bound{metrics.maxWidth(), metrics.ascent(), metrics.descent()};
    };
    static const Bound title = boundOf(TitleFont());
    static const Bound line = boundOf(LineFont());
    QRectF area;
    int n = 0;
    for (const QStringView text : QStringTokenizer(m_title, QLatin1Char('\n')))
    {
        const Bound& bound = n == 0 ? title : line;
        const int nBaseline = 25 + 20 * n++;
        area |=
            QRectF(5, nBaseline - bound.nAscent, static_cast<qreal>(bound.nMaxWidth) * text.size(),
                   bound.nAscent + bound.nDescent + 1);
    }
    return area;
}

QRectF KIN_GraphicPeriod::boundingRect() const
{
    return QGraphicsRectItem::boundingRect() | m_textRect;
}

void KIN_GraphicPeriod::paint(QPainter* pQPainter, const QStyleOptionGraphicsItem* pQOption,
                              QWidget* pQWidget)
{
    if ((m_bUncertainBegin || m_bUncertainEnd) && rect().height() > 0)
        PaintUncertainShape(pQPainter);
    else
        QGraphicsRectItem::paint(pQPainter, pQOption, pQWidget);
    pQPainter->setPen(m_textPen);
    int n = 0;
    for (const QStringView text : QStringTokenizer(m_title, QLatin1Char('\n')))
    {
        pQPainter->setFont(n == 0 ? TitleFont() : LineFont());
        pQPainter->drawText(QPointF(5, 25 + 20 * n++), text.toString());
    }
}

void KIN_GraphicPeriod::PaintUncertainShape(QPainter* pQPainter) const
{
    const QRectF area = rect();
    const qreal height = area.height();
    // A tenth of the height, but never so thin that a small zoom hides it, and never so deep
    // that the two ends of a period meet.
    const qreal pixelsPerUnit = std::abs(pQPainter->worldTransform().m22());
    const qreal pixel = pixelsPerUnit > 0 ? 1 / pixelsPerUnit : 1;
    const qreal fade = std::min(std::max(height / 10, g_nLeastFadePixels * pixel),
                                height / (m_bUncertainBegin && m_bUncertainEnd ? 3 : 2));
    // Bands across the rectangle, wide enough for its border; the certain one between the
    // uncertain ends is drawn as any period is, so that its pixels are a certain period's.
    const qreal margin = pen().widthF() + 2 * pixel;
    const qreal outerTop = area.top() - margin;
    const qreal outerBottom = area.bottom() + margin;
    const qreal top = m_bUncertainBegin ? area.top() + fade : outerTop;
    const qreal bottom = m_bUncertainEnd ? area.bottom() - fade : outerBottom;
    const auto band = [&](qreal from, qreal to)
    { return QRectF(area.left() - margin, from, area.width() + 2 * margin, to - from); };

    pQPainter->save();
    pQPainter->setClipRect(band(top, bottom), Qt::IntersectClip);
    pQPainter->setPen(pen());
    pQPainter->setBrush(brush());
    pQPainter->drawRect(area);
    pQPainter->restore();

    QPen dashed = pen();
    dashed.setDashPattern({3, 3});
    const auto paintFading = [&](const QRectF& clip, qreal edge, qreal inner)
    {
        pQPainter->save();
        pQPainter->setClipRect(clip, Qt::IntersectClip);
        pQPainter->fillRect(area, FadeTo(pQPainter, brush().color(), edge, inner));
        pQPainter->setPen(dashed);
        pQPainter->setBrush(Qt::NoBrush);
        pQPainter->drawRect(area);
        pQPainter->restore();
    };
    if (m_bUncertainBegin)
        paintFading(band(outerTop, top), area.top(), top);
    if (m_bUncertainEnd)
        paintFading(band(bottom, outerBottom), area.bottom(), bottom);
}

qsizetype KIN_GraphicPeriod::FirstLineLength() const
{
    const qsizetype nBreak = m_title.indexOf(QLatin1Char('\n'));
    return nBreak < 0 ? m_title.size() : nBreak;
}

void KIN_GraphicPeriod::ApplyLook(int nAlpha, int nBorderWidth)
{
    QBrush fill = brush();
    QColor fillColor = fill.color();
    fillColor.setAlpha(nAlpha);
    fill.setColor(fillColor);
    QPen border = pen();
    QColor borderColor = border.color();
    borderColor.setAlpha(nAlpha);
    border.setColor(borderColor);
    border.setWidth(nBorderWidth);
    setBrush(fill);
    setPen(border);
}

void KIN_GraphicPeriod::SelectPeriod()
{
    CreateAllPoints();
    for (KIN_GraphicConnection* pPoint : m_points)
    {
        pPoint->SetPeriodSelected(true);
        pPoint->UpdatePointShape();
    }
    KIN_SceneSelection& selection = KIN_SceneSelection::Get();
    // Selecting the current period again keeps its points shown.
    if (selection.pCurrentPeriod && selection.pCurrentPeriod != this)
        selection.pCurrentPeriod->DeselectPeriod();
    setZValue(g_nSelectedZ);
    ApplyLook(150, 5);
    selection.pCurrentPeriod = this;
    if (KIN_WidgetDetails* pDetails = Details())
        pDetails->ShowPeriod(*m_pPeriod);

    QListWidget* pQPeriodList = m_pListEntry ? m_pListEntry->listWidget() : nullptr;
    if (pQPeriodList && !KIN_SelectionGuard::IsActive())
    {
        const KIN_SelectionGuard guard;
        pQPeriodList->setCurrentItem(m_pListEntry);
    }
    EnablePeriodActions(true);
    setCursor(Qt::OpenHandCursor);
    if (m_pQView)
        ScrollIntoView();
    for (KIN_GraphicConnection* pPoint : m_points)
        pPoint->CopyPeriodLook();
    for (KIN_GraphicLink* pLink : m_links)
        pLink->SetLinkStyle(KIN_GraphicLink::Selected);
}

void KIN_GraphicPeriod::ScrollIntoView()
{
    const QPoint before(m_pQView->horizontalScrollBar()->value(),
                        m_pQView->verticalScrollBar()->value());
    // The rectangle alone decides, not the wider bounding rectangle with its title. When
    // it does not fit, only its top-left part is asked for, so the title's start stays in
    // view instead of the far edge winning.
    constexpr int nMargin = 50;
    const QRectF area = mapRectToScene(rect());
    const QTransform& zoom = m_pQView->transform();
    const QSize room = m_pQView->viewport()->size() - QSize(2 * nMargin + 2, 2 * nMargin + 2);
    const qreal roomWidth = std::max<qreal>(0, room.width() / zoom.m11());
    const qreal roomHeight = std::max<qreal>(0, room.height() / zoom.m22());
    m_pQView->ensureVisible(QRectF(area.topLeft(), QSizeF(std::min(area.width(), roomWidth),
                                                          std::min(area.height(), roomHeight))),
                            nMargin, nMargin);
    // The view moves its pixels when it scrolls, and a strip of an item changed just before
    // (the period deselected for this one) can stay drawn in its old look: draw it all again.
    if (before !=
        QPoint(m_pQView->horizontalScrollBar()->value(), m_pQView->verticalScrollBar()->value()))
        m_pQView->viewport()->update();
}

void KIN_GraphicPeriod::DeselectPeriod()
{
    for (KIN_GraphicConnection* pPoint : m_points)
        if (pPoint)
        {
            pPoint->SetPeriodSelected(false);
            pPoint->UpdatePointShape();
        }
    setCursor(Qt::PointingHandCursor);
    ApplyLook(255, 0);
    KIN_SceneSelection& selection = KIN_SceneSelection::Get();
    selection.pCurrentPeriod = nullptr;
    if (KIN_WidgetDetails* pDetails = Details())
        pDetails->Clear();
    EnablePeriodActions(false);
    setZValue(y());
    for (KIN_GraphicConnection* pPoint : m_points)
        if (pPoint)
            pPoint->CopyPeriodLook();
    if (selection.pCurrentLink)
        selection.pCurrentLink->SetLinkStyle(KIN_GraphicLink::Normal);
    for (KIN_GraphicLink* pLink : m_links)
        pLink->SetLinkStyle(KIN_GraphicLink::Normal);
}

void KIN_GraphicPeriod::mousePressEvent(QGraphicsSceneMouseEvent* pQEvent)
{
    if (pQEvent->button() == Qt::LeftButton)
    {
        // Selecting scrolls the period into view, and the view replays the press as a move
        // at once: that move must not drag, and the drag starts from where the mouse now is.
        m_bSelecting = true;
        SelectPeriod();
        m_bSelecting = false;
        m_pressScenePos = MouseScenePos(pQEvent);
        m_pressItemPos = pos();
    }
    KIN_SceneSelection::Get().bItemHandled = true;
}

QPointF KIN_GraphicPeriod::MouseScenePos(const QGraphicsSceneMouseEvent* pQEvent) const
{
    if (!m_pQView || pQEvent->widget() != m_pQView->viewport())
        return pQEvent->scenePos();
    return m_pQView->mapToScene(m_pQView->viewport()->mapFromGlobal(pQEvent->screenPos()));
}

void KIN_GraphicPeriod::mouseMoveEvent(QGraphicsSceneMouseEvent* pQEvent)
{
    KIN_SceneSelection::Get().bItemHandled = true;
    if (m_bSelecting)
        return;
    const Qt::CursorShape shape = cursor().shape();
    if (shape != Qt::OpenHandCursor && shape != Qt::ClosedHandCursor)
        return;
    if (shape == Qt::OpenHandCursor)
        setCursor(Qt::ClosedHandCursor);
    const int nColumns = ColumnsMoved(pQEvent->scenePos().x() - m_pressScenePos.x());
    setPos(m_pressItemPos.x() + 100.0 * nColumns, m_pressItemPos.y());
}

void KIN_GraphicPeriod::mouseReleaseEvent(QGraphicsSceneMouseEvent*)
{
    if (cursor().shape() != Qt::ClosedHandCursor)
        return;
    setCursor(Qt::OpenHandCursor);
    KIN_SceneSelection::Get().bItemHandled = true;
    const int nColumns = ColumnsMoved(pos().x() - m_pressItemPos.x());
    KIN_MainWindow* pMainWindow = KIN_AppContext::Get().pMainWindow;
    if (nColumns == 0 || !pMainWindow)
        return;
    KIN_DataPeriod moved = *m_pPeriod;
    moved.column += nColumns;
    // Rebuilds the scene: this item is gone afterwards.
    pMainWindow->ChangePeriod(moved, KIN_Text::StepMovePeriod);
}

void KIN_GraphicPeriod::contextMenuEvent(QGraphicsSceneContextMenuEvent* pQEvent)
{
    KIN_MainWindow* pMainWindow = KIN_AppContext::Get().pMainWindow;
    if (KIN_SceneSelection::Get().pCurrentPeriod != this || !m_pQView || !pMainWindow)
    {
        pQEvent->ignore();
        return;
    }
    KIN_SceneSelection::Get().bItemHandled = true;
    auto* pQChange = new KIT_QT_Action(KIN_QText(KIN_Text::ChangePeriod), m_pQView);
    auto* pQRemove = new KIT_QT_Action(KIN_QText(KIN_Text::RemovePeriod), m_pQView);
    const QPoint screenPos = pQEvent->screenPos();
    pQChange->deleteLater();
    pQRemove->deleteLater();
    // The chosen command may rebuild the scene and delete this item: nothing follows it.
    QAction* pQChosen = QMenu::exec({pQChange, pQRemove}, screenPos);
    if (pQChosen == pQChange)
        pMainWindow->SlotMenu_EditChangePeriod_triggered(false);
    else if (pQChosen == pQRemove)
        pMainWindow->SlotMenu_EditRemovePeriod_triggered(false);
}
