#ifndef KIN_GEDCOMLIFESPAN_H
#define KIN_GEDCOMLIFESPAN_H

#include <cstdint>

// The years a person's period spans, within the diagram's limits (begin -100G..2199, end up
// to 2200, end >= begin), and which of them were estimated.
struct KIN_GedcomLifespan
{
    bool bDrawn = false; // false for a person left out: no date reaches them
    std::int64_t nBegin = 0;
    std::int64_t nEnd = 0;
    bool bBeginEstimated = false;
    bool bEndEstimated = false;
};

#endif
