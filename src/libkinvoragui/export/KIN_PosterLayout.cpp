#include "KIN_PosterLayout.h"

#include <algorithm>
#include <cmath>

KIN_PosterLayout::KIN_PosterLayout(const QSizeF& drawing, const QSizeF& page, int nPercent)
    : m_drawing(drawing), m_page(page), m_scale(PointsPerPixel * nPercent / 100.0)
{
    if (!IsValid())
        return;
    const QSizeF piece = PieceOnPage().size();
    m_nColumns = CountAlong(m_drawing.width() * m_scale, piece.width(), OverlapPoints);
    m_nRows = CountAlong(m_drawing.height() * m_scale, piece.height(), OverlapPoints);
}

bool KIN_PosterLayout::IsValid() const
{
    return m_scale > 0 && m_drawing.width() > 0 && m_drawing.height() > 0 &&
           m_page.width() > 2 * MarginPoints + 2 * OverlapPoints &&
           m_page.height() > 2 * MarginPoints + 2 * OverlapPoints;
}

int KIN_PosterLayout::CountAlong(double drawing, double piece, double overlap)
{
    if (drawing <= piece)
        return 1;
    // Each further page adds its piece less the strip it shares with the one before.
    const double more = std::ceil((drawing - piece) / (piece - overlap) - 1e-9);
    return 1 + static_cast<int>(std::min(more, 1e6));
}

QRectF KIN_PosterLayout::PieceOnPage() const
{
    return QRectF(MarginPoints, MarginPoints, m_page.width() - 2 * MarginPoints,
                  m_page.height() - 2 * MarginPoints);
}

QRectF KIN_PosterLayout::Source(int nRow, int nColumn) const
{
    const QSizeF piece = PieceOnPage().size() / m_scale;
    const double overlap = OverlapPoints / m_scale;
    const QRectF area(nColumn * (piece.width() - overlap), nRow * (piece.height() - overlap),
                      piece.width(), piece.height());
    return area.intersected(QRectF(QPointF(), m_drawing));
}
