#include "KIN_PosterPage.h"

#include "KIN_PosterLayout.h"
#include "KIN_Texts.h"

#include <QPainter>

namespace
{
constexpr double g_markGap = 4;
constexpr double g_markLength = 20;

// Two lines pointing away from a corner of the piece, along its edges.
void DrawCornerMark(QPainter& painter, const QPointF& corner, double dx, double dy)
{
    painter.drawLine(QPointF(corner.x() + dx * g_markGap, corner.y()),
                     QPointF(corner.x() + dx * (g_markGap + g_markLength), corner.y()));
    painter.drawLine(QPointF(corner.x(), corner.y() + dy * g_markGap),
                     QPointF(corner.x(), corner.y() + dy * (g_markGap + g_markLength)));
}
} // namespace

QString KIN_PosterPage::Place(const KIN_PosterLayout& layout, int nRow, int nColumn)
{
    return QString::fromUtf8(KIN_TextOf(KIN_Text::PosterPagePlace))
        .arg(nRow + 1)
        .arg(nColumn + 1)
        .arg(layout.Rows())
        .arg(layout.Columns());
}

void KIN_PosterPage::DrawMarks(QPainter& painter, const KIN_PosterLayout& layout, int nRow,
                               int nColumn)
{
    const QRectF piece = layout.PieceOnPage();
    painter.setPen(QPen(Qt::black, 0.5));
    painter.setBrush(Qt::NoBrush);
    DrawCornerMark(painter, piece.topLeft(), -1, -1);
    DrawCornerMark(painter, piece.topRight(), 1, -1);
    DrawCornerMark(painter, piece.bottomLeft(), -1, 1);
    DrawCornerMark(painter, piece.bottomRight(), 1, 1);

    // Where the next page's piece starts: glue it up to there.
    painter.setPen(QPen(Qt::gray, 0.5, Qt::DashLine));
    const double overlap = KIN_PosterLayout::OverlapPoints;
    if (nColumn + 1 < layout.Columns())
    {
        const double x = piece.right() - overlap;
        painter.drawLine(QPointF(x, piece.top() - g_markGap - g_markLength),
                         QPointF(x, piece.top() - g_markGap));
        painter.drawLine(QPointF(x, piece.bottom() + g_markGap),
                         QPointF(x, piece.bottom() + g_markGap + g_markLength));
    }
    if (nRow + 1 < layout.Rows())
    {
        const double y = piece.bottom() - overlap;
        painter.drawLine(QPointF(piece.left() - g_markGap - g_markLength, y),
                         QPointF(piece.left() - g_markGap, y));
        painter.drawLine(QPointF(piece.right() + g_markGap, y),
                         QPointF(piece.right() + g_markGap + g_markLength, y));
    }

    QFont font;
    font.setPixelSize(9); // points: the painter measures in points
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRectF labelArea(piece.left() + g_markGap + g_markLength, piece.bottom() + g_markGap,
                           piece.width() - 2 * (g_markGap + g_markLength),
                           KIN_PosterLayout::MarginPoints - 2 * g_markGap);
    painter.drawText(labelArea, Qt::AlignHCenter | Qt::AlignVCenter, Place(layout, nRow, nColumn));
}
