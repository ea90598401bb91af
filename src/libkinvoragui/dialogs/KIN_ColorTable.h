#ifndef KIN_COLORTABLE_H
#define KIN_COLORTABLE_H

#include <QBrush>
#include <QColor>
#include <QIcon>
#include <QPen>

#include <cstdint>
#include <string>
#include <vector>

// The 19 named colours a period chooses from, by index 0..18. The three lists are parallel,
// built on first use; the names come from this build's text table (UTF-8). The icons are
// 30 x 20 swatches and need a QGuiApplication. GUI thread only.

const std::vector<QColor>& KIN_ColorValues();
const std::vector<std::string>& KIN_ColorNames();
const std::vector<QIcon>& KIN_ColorIcons();

// The colour roles of a period, each with its default entry of the table.
enum class KIN_ColorRole
{
    Border,
    Background,
    Text
};

// nIndex when it names an entry of the table, otherwise the role's default index.
std::int32_t KIN_ColorIndexOrDefault(std::int32_t nIndex, KIN_ColorRole role);
// The colour of nIndex, or of the role's default when nIndex names no entry.
QColor KIN_ColorOfIndex(std::int32_t nIndex, KIN_ColorRole role);

// A solid brush, and a solid pen of the given width, in the colour of nIndex (or of the
// role's default). Every call for one colour hands out the same shared data, so that
// thousands of items drawn in it hold one copy; pens wider than 7 are made afresh.
QBrush KIN_BrushOfIndex(std::int32_t nIndex, KIN_ColorRole role);
QPen KIN_PenOfIndex(std::int32_t nIndex, KIN_ColorRole role, int nWidth);

#endif
