#include "KIN_GraphicLink.h"

#include "KIN_AppContext.h"
#include "KIN_ColorTable.h"
#include "KIN_GraphicConnection.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_MainWindow.h"
#include "KIN_QtTexts.h"
#include "KIN_SceneSelection.h"
#include "KIN_Texts.h"
#include "KIT_QT_Action.h"
#include "KIT_QtText.h"

#include <QCursor>
#include <QGraphicsSceneContextMenuEvent>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsView>
#include <QMenu>
#include <QPen>

#include <algorithm>

namespace
{
constexpr int g_nRaisedZ = 200001;

constexpr int g_nNoColor = -1;

// The border colour index of the period owning the higher end (the second on a tie).
int ColorIndexOfHigherEnd(const KIN_GraphicConnection* pFirst, const KIN_GraphicConnection* pSecond)
{
    if (!pFirst || !pSecond)
        return g_nNoColor;
    const KIN_GraphicConnection* pHigher =
        pFirst->scenePos().y() < pSecond->scenePos().y() ? pFirst : pSecond;
    const KIN_GraphicPeriod* pPeriod = pHigher->GetPeriod();
    return pPeriod
               ? KIN_ColorIndexOrDefault(pPeriod->GetRecord().colorBorder, KIN_ColorRole::Border)
               : g_nNoColor;
}

const QPen& FreeRubberBandPen()
{
    static const QPen pen(QColor(0, 0, 0, 150), 4, Qt::DotLine);
    return pen;
}

// Whether the segment passes within the reach of the rectangle: the square around it, a
// little more than the round neighbourhood, so that a no is always right.
bool SegmentNear(const QLineF& segment, const QRectF& area, qreal reach)
{
    const QRectF near = area.normalized().adjusted(-reach, -reach, reach, reach);
    const std::array<qreal, 4> directions{-segment.dx(), segment.dx(), -segment.dy(), segment.dy()};
    const std::array<qreal, 4> room{segment.x1() - near.left(), near.right() - segment.x1(),
                                    segment.y1() - near.top(), near.bottom() - segment.y1()};
    qreal enter = 0;
    qreal leave = 1;
    for (std::size_t n = 0; n < directions.size(); ++n)
    {
        if (directions[n] == 0)
        {
            if (room[n] < 0)
                return false;
            continue;
        }
        const qreal at = room[n] / directions[n];
        if (directions[n] < 0)
            enter = std::max(enter, at);
        else
            leave = std::min(leave, at);
        if (enter > leave)
            return false;
    }
    return true;
}
} // namespace

KIN_GraphicLink::KIN_GraphicLink(KIN_GraphicConnection* pFirst, KIN_GraphicConnection* pSecond,
                                 const KIN_DataLink& link)
    : QGraphicsLineItem(nullptr), KIT_SafeObject("KIN_GraphicLink"), m_pFirst(pFirst),
      m_pSecond(pSecond), m_link(link), m_nColorIndex(ColorIndexOfHigherEnd(pFirst, pSecond))
{
    setCursor(Qt::PointingHandCursor);
}

KIN_GraphicLink::~KIN_GraphicLink()
{
    KIN_SceneSelection& selection = KIN_SceneSelection::Get();
    if (selection.pCurrentLink == this ||
        std::find(m_partners.begin(), m_partners.end(), selection.pCurrentLink) != m_partners.end())
        selection.pCurrentLink = nullptr;
}

void KIN_GraphicLink::SetPartners(KIN_GraphicLink* pFirst, KIN_GraphicLink* pSecond)
{
    m_partners = {pFirst, pSecond};
}

void KIN_GraphicLink::Reconnect(const QLineF& line)
{
    m_nColorIndex = ColorIndexOfHigherEnd(m_pFirst, m_pSecond);
    setLine(line);
    SetLinkStyle(Normal);
}

QColor KIN_GraphicLink::GetColor() const
{
    return m_nColorIndex == g_nNoColor ? QColor()
                                       : KIN_ColorValues()[static_cast<std::size_t>(m_nColorIndex)];
}

QPen KIN_GraphicLink::PenOfWidth(int nWidth) const
{
    if (m_nColorIndex == g_nNoColor)
        return QPen(QBrush(QColor()), nWidth, Qt::SolidLine);
    return KIN_PenOfIndex(m_nColorIndex, KIN_ColorRole::Border, nWidth);
}

void KIN_GraphicLink::ApplyStyle(int nStyle)
{
    qreal z = g_nRaisedZ;
    switch (nStyle)
    {
    case Selected:
        setPen(PenOfWidth(6));
        break;
    case RubberBandFree:
        setPen(FreeRubberBandPen());
        break;
    case RubberBandOnTarget:
        setPen(PenOfWidth(5));
        break;
    default:
        setPen(PenOfWidth(3));
        z = std::min(line().y1(), line().y2()) + 1;
        break;
    }
    setZValue(z);
    m_nStyle = nStyle;
}

void KIN_GraphicLink::SetLinkStyle(int nStyle)
{
    ApplyStyle(nStyle);
    for (KIN_GraphicLink* pPartner : m_partners)
        if (pPartner)
            pPartner->ApplyStyle(nStyle);
    if (QAction* pQRemoveLink = KIN_AppContext::Get().pQActionRemoveLink)
        pQRemoveLink->setEnabled(false);
    if (nStyle == Normal)
        KIN_SceneSelection::Get().pCurrentLink = nullptr;
}

QRectF KIN_GraphicLink::boundingRect() const
{
    if (m_bounds.isNull() || m_boundedLine != line() || m_boundedPen != pen())
    {
        m_boundedLine = line();
        m_boundedPen = pen();
        m_bounds = QGraphicsLineItem::boundingRect();
    }
    return m_bounds;
}

qreal KIN_GraphicLink::StrokeReach() const
{
    // Square caps reach half a pen diagonal from the line; one unit more covers rounding.
    return pen().widthF() + 1;
}

bool KIN_GraphicLink::contains(const QPointF& point) const
{
    // Building the stroke to test it is what makes hit-testing slow: the mouse lies within the
    // bounds of thousands of long links at once on a large diagram.
    if (!SegmentNear(line(), QRectF(point, QSizeF()), StrokeReach()))
        return false;
    return QGraphicsLineItem::contains(point);
}

bool KIN_GraphicLink::collidesWithPath(const QPainterPath& path, Qt::ItemSelectionMode mode) const
{
    const bool bShapeMode = mode == Qt::IntersectsItemShape || mode == Qt::ContainsItemShape;
    if (bShapeMode && !SegmentNear(line(), path.controlPointRect(), StrokeReach()))
        return false;
    return QGraphicsLineItem::collidesWithPath(path, mode);
}

bool KIN_GraphicLink::IsCurrentLink() const
{
    // The segments of an elbow are one link: any of them stands for the others.
    const KIN_GraphicLink* pCurrent = KIN_SceneSelection::Get().pCurrentLink;
    return pCurrent && (pCurrent == this || std::find(m_partners.begin(), m_partners.end(),
                                                      pCurrent) != m_partners.end());
}

void KIN_GraphicLink::mousePressEvent(QGraphicsSceneMouseEvent* pQEvent)
{
    if (pQEvent->button() == Qt::LeftButton)
    {
        ClearSelection();
        MakeCurrent();
    }
    KIN_SceneSelection::Get().bItemHandled = true;
}

void KIN_GraphicLink::MakeCurrent()
{
    SetLinkStyle(Selected);
    KIN_SceneSelection::Get().pCurrentLink = this;
    if (QAction* pQRemoveLink = KIN_AppContext::Get().pQActionRemoveLink)
        pQRemoveLink->setEnabled(true);
}

void KIN_GraphicLink::mouseMoveEvent(QGraphicsSceneMouseEvent*) {}

void KIN_GraphicLink::mouseReleaseEvent(QGraphicsSceneMouseEvent*) {}

void KIN_GraphicLink::contextMenuEvent(QGraphicsSceneContextMenuEvent* pQEvent)
{
    KIN_MainWindow* pMainWindow = KIN_AppContext::Get().pMainWindow;
    QGraphicsView* pQView =
        m_pFirst && m_pFirst->GetPeriod() ? m_pFirst->GetPeriod()->GetView() : nullptr;
    if (!IsCurrentLink() || !pQView || !pMainWindow)
    {
        pQEvent->ignore();
        return;
    }
    KIN_SceneSelection::Get().bItemHandled = true;
    auto* pQRemove = new KIT_QT_Action(KIN_QText(KIN_Text::RemoveLink), pQView);
    pQRemove->deleteLater();
    if (QMenu::exec({pQRemove}, pQEvent->screenPos()) == pQRemove)
        pMainWindow->SlotMenu_EditRemoveLink_triggered(false);
}
