#ifndef KIN_DATALINK_H
#define KIN_DATALINK_H

#include <cstdint>

// A line between connection point point1 of the period period1 and connection point
// point2 of the period period2 (periods named by their id).
struct KIN_DataLink
{
    std::int32_t period1 = 0;
    std::int32_t period2 = 0;
    std::int32_t point1 = 0;
    std::int32_t point2 = 0;

    // The same line seen from its other end.
    KIN_DataLink Swapped() const { return KIN_DataLink{period2, period1, point2, point1}; }
};

// Equal in all four fields, in the same order: a swapped link is a different link.
inline bool operator==(const KIN_DataLink& a, const KIN_DataLink& b)
{
    return a.period1 == b.period1 && a.period2 == b.period2 && a.point1 == b.point1 &&
           a.point2 == b.point2;
}

inline bool operator!=(const KIN_DataLink& a, const KIN_DataLink& b)
{
    return !(a == b);
}

#endif
