#ifndef KIN_DATAPERIOD_H
#define KIN_DATAPERIOD_H

#include <cstdint>
#include <string>

// One period (a person or an era): a rectangle from its begin to its end year, standing in
// a column and a number of columns wide. A colour index outside 0..18 means the role's
// default colour. An uncertain begin or end is a year estimated or known only roughly.
struct KIN_DataPeriod
{
    std::int32_t id = 0;
    std::string title;
    std::string details;
    std::int64_t begin = 0;
    std::int64_t end = 0;
    std::int32_t column = 0;
    std::int32_t width = 2;
    std::int32_t colorBorder = -1;
    std::int32_t colorBackground = -1;
    std::int32_t colorText = -1;
    bool uncertainBegin = false;
    bool uncertainEnd = false;
};

inline bool operator==(const KIN_DataPeriod& a, const KIN_DataPeriod& b)
{
    return a.id == b.id && a.title == b.title && a.details == b.details && a.begin == b.begin &&
           a.end == b.end && a.column == b.column && a.width == b.width &&
           a.colorBorder == b.colorBorder && a.colorBackground == b.colorBackground &&
           a.colorText == b.colorText && a.uncertainBegin == b.uncertainBegin &&
           a.uncertainEnd == b.uncertainEnd;
}

inline bool operator!=(const KIN_DataPeriod& a, const KIN_DataPeriod& b)
{
    return !(a == b);
}

#endif
