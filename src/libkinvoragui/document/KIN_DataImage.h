#ifndef KIN_DATAIMAGE_H
#define KIN_DATAIMAGE_H

#include <cstdint>
#include <string>

// A picture placed on the diagram at scene position (x, y). index is its position in the
// document's image list; the document keeps it so.
struct KIN_DataImage
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    double scale = 1.0;
    std::string file;
    std::int32_t index = 0;
};

inline bool operator==(const KIN_DataImage& a, const KIN_DataImage& b)
{
    return a.x == b.x && a.y == b.y && a.scale == b.scale && a.file == b.file && a.index == b.index;
}

inline bool operator!=(const KIN_DataImage& a, const KIN_DataImage& b)
{
    return !(a == b);
}

#endif
