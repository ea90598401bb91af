#ifndef KIN_TESTDIAGRAM_H
#define KIN_TESTDIAGRAM_H

#include "KIN_DataPeriod.h"

#include <cstdint>
#include <string>

// A period record for tests; the document gives it its id.
inline KIN_DataPeriod KIN_MakePeriod(std::int64_t nBegin, std::int64_t nEnd, std::int32_t nColumn,
                                     std::int32_t nWidth, const std::string& title = "P")
{
    KIN_DataPeriod period;
    period.title = title;
    period.begin = nBegin;
    period.end = nEnd;
    period.column = nColumn;
    period.width = nWidth;
    return period;
}

#endif
