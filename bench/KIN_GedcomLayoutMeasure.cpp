#include "KIN_GedcomLayoutMeasure.h"

#include "KIN_GedcomRows.h"

#include <algorithm>
#include <utility>

namespace
{
constexpr std::int32_t kWidth = KIN_GedcomRows::kWidth;

struct Leg
{
    std::int64_t nYear;
    std::int32_t nLeft; // the columns of its two ends, left and right
    std::int32_t nRight;
    std::int32_t nParent;
    std::int32_t nChild;
};

// Counts of periods by first column, over the periods alive in the year swept to.
class ColumnCounts
{
public:
    explicit ColumnCounts(std::size_t nColumns) : m_tree(nColumns + 1, 0) {}
    void Add(std::int32_t nColumn, std::int64_t nDelta)
    {
        for (auto n = static_cast<std::size_t>(nColumn) + 1; n < m_tree.size(); n += n & (~n + 1))
            m_tree[n] += nDelta;
    }
    // Periods with a first column from nLeft to nRight.
    std::int64_t Count(std::int32_t nLeft, std::int32_t nRight) const
    {
        return nRight < nLeft ? 0 : Prefix(nRight) - Prefix(nLeft - 1);
    }

private:
    std::int64_t Prefix(std::int32_t nColumn) const
    {
        std::int64_t nSum = 0;
        for (auto n = static_cast<std::size_t>(std::max(nColumn + 1, 0)); n > 0; n -= n & (~n + 1))
            nSum += m_tree[std::min(n, m_tree.size() - 1)];
        return nSum;
    }
    std::vector<std::int64_t> m_tree;
};

double Quantile(std::vector<std::int32_t> values, double dShare)
{
    if (values.empty())
        return 0;
    const auto nAt = static_cast<std::size_t>(dShare * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(nAt),
                     values.end());
    return values[nAt];
}

// The least width: the most columns the periods alive in one year take, each held at least
// as long as its title needs.
std::int64_t Bound(const std::vector<KIN_GedcomLifespan>& lifespans)
{
    std::vector<std::pair<std::int64_t, std::int32_t>> changes;
    for (const KIN_GedcomLifespan& lifespan : lifespans)
    {
        if (!lifespan.bDrawn)
            continue;
        changes.emplace_back(lifespan.nBegin, kWidth);
        changes.emplace_back(
            std::max(lifespan.nEnd, lifespan.nBegin + KIN_GedcomRows::kTitleYears) + 1, -kWidth);
    }
    std::sort(changes.begin(), changes.end());
    std::int64_t nAlive = 0;
    std::int64_t nMost = 0;
    for (const auto& change : changes)
        nMost = std::max(nMost, nAlive += change.second);
    return nMost;
}
} // namespace

KIN_GedcomLayoutMeasure
KIN_GedcomLayoutMeasure::Of(const KIN_GedcomTree& tree,
                            const std::vector<KIN_GedcomLifespan>& lifespans,
                            const std::vector<std::int32_t>& columns)
{
    KIN_GedcomLayoutMeasure measure;
    std::int32_t nWidth = 0;
    std::size_t nDrawn = 0;
    for (std::size_t n = 0; n < columns.size(); ++n)
    {
        nWidth = std::max(nWidth, columns[n] + kWidth);
        nDrawn += lifespans[n].bDrawn ? 1 : 0;
    }
    const std::int64_t nBound = Bound(lifespans);
    measure.dWidthToBound =
        nBound == 0 ? 0 : static_cast<double>(nWidth) / static_cast<double>(nBound);

    std::size_t nCouples = 0;
    std::size_t nBeside = 0;
    std::vector<Leg> legs;
    std::vector<std::int32_t> distances;
    for (const KIN_GedcomFamily& family : tree.families)
    {
        const auto drawn = [&](std::int32_t nPerson)
        { return nPerson >= 0 && lifespans[static_cast<std::size_t>(nPerson)].bDrawn; };
        const auto column = [&](std::int32_t nPerson)
        { return columns[static_cast<std::size_t>(nPerson)]; };
        if (drawn(family.nHusband) && drawn(family.nWife) && family.nHusband != family.nWife)
        {
            ++nCouples;
            nBeside += std::abs(column(family.nHusband) - column(family.nWife)) == kWidth ? 1 : 0;
        }
        for (const std::int32_t nParent : {family.nHusband, family.nWife})
        {
            if (!drawn(nParent))
                continue;
            for (const std::int32_t nChild : family.children)
            {
                if (!drawn(nChild) || nChild == nParent)
                    continue;
                const std::int32_t nFrom = std::min(column(nParent), column(nChild));
                const std::int32_t nTo = std::max(column(nParent), column(nChild));
                distances.push_back(nTo - nFrom);
                // From middle to middle: a period at column c reaches into the leg when
                // nFrom <= c <= nTo.
                if (nTo > nFrom)
                    legs.push_back({lifespans[static_cast<std::size_t>(nParent)].nBegin + kLegYears,
                                    nFrom, nTo, nParent, nChild});
            }
        }
    }
    measure.dCouplesBeside =
        nCouples == 0 ? 1 : static_cast<double>(nBeside) / static_cast<double>(nCouples);
    measure.dDistanceMedian = Quantile(distances, 0.5);
    measure.dDistanceP90 = Quantile(distances, 0.9);
    measure.dDistanceMax =
        distances.empty() ? 0 : *std::max_element(distances.begin(), distances.end());
    std::int64_t nLength = 0;
    for (const std::int32_t nDistance : distances)
        nLength += nDistance;
    measure.dLegPerPerson =
        nDrawn == 0 ? 0 : static_cast<double>(nLength) / static_cast<double>(nDrawn);

    // Sweep the years: periods come in at their begin and leave after their end.
    std::vector<std::pair<std::int64_t, std::int32_t>>
        changes; // (year, person + 1 or -(person + 1))
    for (std::size_t n = 0; n < lifespans.size(); ++n)
    {
        if (!lifespans[n].bDrawn)
            continue;
        changes.emplace_back(lifespans[n].nBegin, static_cast<std::int32_t>(n) + 1);
        changes.emplace_back(lifespans[n].nEnd + 1, -static_cast<std::int32_t>(n) - 1);
    }
    std::sort(changes.begin(), changes.end());
    std::sort(legs.begin(), legs.end(),
              [](const Leg& a, const Leg& b) { return a.nYear < b.nYear; });
    ColumnCounts alive(static_cast<std::size_t>(nWidth) + 1);
    std::size_t nChange = 0;
    std::int64_t nCrossings = 0;
    const auto isAlive = [&](std::int32_t nPerson, std::int64_t nYear)
    {
        const KIN_GedcomLifespan& lifespan = lifespans[static_cast<std::size_t>(nPerson)];
        return lifespan.nBegin <= nYear && nYear <= lifespan.nEnd;
    };
    for (const Leg& leg : legs)
    {
        for (; nChange < changes.size() && changes[nChange].first <= leg.nYear; ++nChange)
        {
            const std::int32_t nSigned = changes[nChange].second;
            const std::int32_t nPerson = std::abs(nSigned) - 1;
            alive.Add(columns[static_cast<std::size_t>(nPerson)], nSigned > 0 ? 1 : -1);
        }
        std::int64_t nCrossed = alive.Count(leg.nLeft, leg.nRight);
        for (const std::int32_t nEnd : {leg.nParent, leg.nChild})
            nCrossed -= isAlive(nEnd, leg.nYear) ? 1 : 0;
        nCrossings += nCrossed;
    }
    measure.dCrossingsPerLeg =
        legs.empty() ? 0 : static_cast<double>(nCrossings) / static_cast<double>(legs.size());
    measure.dCrossingsPerPerson =
        nDrawn == 0 ? 0 : static_cast<double>(nCrossings) / static_cast<double>(nDrawn);
    return measure;
}
