#ifndef KIN_DATELIMITS_H
#define KIN_DATELIMITS_H

#include <cstddef>
#include <cstdint>

// The limits of the date grid: the years a period may span and the steps of the date scale
// a diagram may begin and end at. Everything that clamps or estimates years uses these.
namespace KIN_DateLimits
{
// The scale has this many steps, from -100G (step 0) to 2200 (the last).
constexpr std::size_t kStepCount = 41;
constexpr std::int32_t kLastBeginStep = 39;
constexpr std::int32_t kLastEndStep = 40;

constexpr std::int64_t kFirstBeginYear = -100000000000LL;
// An end at least one year after the earliest begin.
constexpr std::int64_t kFirstEndYear = kFirstBeginYear + 1;
constexpr std::int64_t kLastBeginYear = 2199;
constexpr std::int64_t kLastEndYear = 2200;
} // namespace KIN_DateLimits

#endif
