#ifndef KIN_DATADIAGRAM_H
#define KIN_DATADIAGRAM_H

#include "KIN_DataImage.h"
#include "KIN_DataLink.h"
#include "KIN_DataPeriod.h"
#include "KIN_DateLimits.h"

#include <cstdint>
#include <vector>

// The whole content of a diagram. begin and end are steps of the date scale (up to
// kLastBeginStep and kLastEndStep), width is in columns; the lists keep the order of addition or of
// the file.
struct KIN_DataDiagram
{
    std::vector<KIN_DataPeriod> periods;
    std::vector<KIN_DataLink> links;
    std::vector<KIN_DataImage> images;
    std::int32_t begin = 0;
    std::int32_t end = KIN_DateLimits::kLastEndStep;
    std::int32_t width = 10;
};

#endif
