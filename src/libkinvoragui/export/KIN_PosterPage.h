#ifndef KIN_POSTERPAGE_H
#define KIN_POSTERPAGE_H

#include <QString>

class KIN_PosterLayout;
class QPainter;

// What a poster page carries around its piece of the drawing: cut marks at the corners of
// the piece, ticks where the strip shared with the next page begins, and the page's place.
class KIN_PosterPage
{
public:
    // The painter measures in points from the page's top left.
    static void DrawMarks(QPainter& painter, const KIN_PosterLayout& layout, int nRow, int nColumn);
    // "row 2, column 3 of 4 x 6": rows and columns counted from 1.
    static QString Place(const KIN_PosterLayout& layout, int nRow, int nColumn);
};

#endif
