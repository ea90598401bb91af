#ifndef KIN_POSTERLAYOUT_H
#define KIN_POSTERLAYOUT_H

#include <QRectF>
#include <QSizeF>

// Cuts a drawing into pages of one paper: each page shows a piece of the drawing at a fixed
// scale, and neighbouring pieces share a strip so that trimmed pages can be glued. All page
// measures are in points; the drawing is in its own units (scene pixels).
class KIN_PosterLayout
{
public:
    // A diagram at 100% prints as large as the screen shows it: 96 pixels to the inch.
    static constexpr double PointsPerPixel = 72.0 / 96.0;
    // The white border around each piece, room for the cut marks and the page's place.
    static constexpr double MarginPoints = 36.0;
    // The strip that neighbouring pieces both show.
    static constexpr double OverlapPoints = 14.0;
    // The most pages a poster may have: beyond it the choice is surely a mistake.
    static constexpr int MaxPages = 10000;

    // drawing: the drawing's size; page: the printable area of one sheet, in points;
    // nPercent: the scale against the screen size.
    KIN_PosterLayout(const QSizeF& drawing, const QSizeF& page, int nPercent);

    // Whether a piece of the drawing fits on the page at all.
    bool IsValid() const;
    // Whether the poster can be made: a piece fits on a page, and on no more than MaxPages.
    bool CanBeMade() const { return IsValid() && PageCount() <= MaxPages; }
    int Columns() const { return m_nColumns; }
    int Rows() const { return m_nRows; }
    int PageCount() const { return m_nColumns * m_nRows; }
    // Points per drawing unit.
    double Scale() const { return m_scale; }
    // Where the piece of a page goes on it, in points from the page's top left.
    QRectF PieceOnPage() const;
    // The part of the drawing, from its top left, that the page of a row and column shows;
    // the last pieces end with the drawing.
    QRectF Source(int nRow, int nColumn) const;

private:
    static int CountAlong(double drawing, double piece, double overlap);

    QSizeF m_drawing;
    QSizeF m_page;
    double m_scale;
    int m_nColumns = 0;
    int m_nRows = 0;
};

#endif
