#include "KIN_GedcomContour.h"

#include <algorithm>
#include <limits>

namespace
{
constexpr std::int32_t kEmptyLeft = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kEmptyRight = std::numeric_limits<std::int32_t>::min();
} // namespace

KIN_GedcomContour::KIN_GedcomContour(std::int32_t nFirst, std::int32_t nEnd)
    : m_nFirst(nFirst), m_left(static_cast<std::size_t>(nEnd - nFirst), kEmptyLeft),
      m_right(static_cast<std::size_t>(nEnd - nFirst), kEmptyRight)
{
}

void KIN_GedcomContour::Add(std::int32_t nFrom, std::int32_t nTo, std::int32_t nLeft,
                            std::int32_t nRight)
{
    for (std::int32_t nStep = nFrom; nStep < nTo; ++nStep)
    {
        const auto nAt = static_cast<std::size_t>(nStep - m_nFirst);
        m_left[nAt] = std::min(m_left[nAt], nLeft - m_nShift);
        m_right[nAt] = std::max(m_right[nAt], nRight - m_nShift);
    }
}

std::int32_t KIN_GedcomContour::ShiftToRight(const KIN_GedcomContour& other) const
{
    const std::int32_t nFrom = std::max(m_nFirst, other.m_nFirst);
    const std::int32_t nTo =
        std::min(m_nFirst + static_cast<std::int32_t>(m_left.size()),
                 other.m_nFirst + static_cast<std::int32_t>(other.m_left.size()));
    std::int64_t nShift = kNoOverlap;
    for (std::int32_t nStep = nFrom; nStep < nTo; ++nStep)
    {
        const std::int32_t nRight = m_right[static_cast<std::size_t>(nStep - m_nFirst)];
        const std::int32_t nLeft = other.m_left[static_cast<std::size_t>(nStep - other.m_nFirst)];
        if (nRight != kEmptyRight && nLeft != kEmptyLeft)
            nShift = std::max<std::int64_t>(
                nShift, static_cast<std::int64_t>(nRight) + m_nShift -
                            (static_cast<std::int64_t>(nLeft) + other.m_nShift) + 1);
    }
    return static_cast<std::int32_t>(nShift);
}

void KIN_GedcomContour::Merge(const KIN_GedcomContour& other, std::int32_t nShift)
{
    for (std::size_t n = 0; n < other.m_left.size(); ++n)
    {
        if (other.m_left[n] == kEmptyLeft)
            continue;
        const std::int32_t nStep = other.m_nFirst + static_cast<std::int32_t>(n);
        const std::int32_t nDelta = other.m_nShift + nShift;
        Add(nStep, nStep + 1, other.m_left[n] + nDelta, other.m_right[n] + nDelta);
    }
}

void KIN_GedcomContour::Clear()
{
    m_left = std::vector<std::int32_t>();
    m_right = std::vector<std::int32_t>();
}
