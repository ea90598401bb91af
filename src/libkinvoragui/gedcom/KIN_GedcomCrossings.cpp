#include "KIN_GedcomCrossings.h"

#include <algorithm>
#include <cstdlib>

namespace
{
// Counts of periods by column, over the periods alive in the year swept to.
class ColumnCounts
{
public:
    explicit ColumnCounts(std::size_t nColumns) : m_tree(nColumns + 1, 0) {}
    void Add(std::int32_t nColumn, std::int64_t nDelta)
    {
        for (auto n = static_cast<std::size_t>(nColumn) + 1; n < m_tree.size(); n += n & (~n + 1))
            m_tree[n] += nDelta;
    }
    // Periods with a column from nLeft to nRight.
    std::int64_t Count(std::int32_t nLeft, std::int32_t nRight) const
    {
        return Prefix(nRight) - Prefix(nLeft - 1);
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
} // namespace

KIN_GedcomCrossings::KIN_GedcomCrossings(const KIN_GedcomTree& tree,
                                         const std::vector<KIN_GedcomLifespan>& lifespans)
    : m_lifespans(lifespans)
{
    const auto drawn = [&](std::int32_t nPerson)
    { return nPerson >= 0 && lifespans[static_cast<std::size_t>(nPerson)].bDrawn; };
    for (const KIN_GedcomFamily& family : tree.families)
    {
        for (const std::int32_t nParent : {family.nHusband, family.nWife})
        {
            if (!drawn(nParent))
                continue;
            const std::int64_t nYear =
                lifespans[static_cast<std::size_t>(nParent)].nBegin + kLegYears;
            for (const std::int32_t nChild : family.children)
            {
                if (drawn(nChild) && nChild != nParent)
                    m_legs.push_back({nYear, nParent, nChild});
            }
        }
    }
    std::stable_sort(m_legs.begin(), m_legs.end(),
                     [](const Leg& a, const Leg& b) { return a.nYear < b.nYear; });
    for (std::size_t n = 0; n < lifespans.size(); ++n)
    {
        if (!lifespans[n].bDrawn)
            continue;
        m_changes.emplace_back(lifespans[n].nBegin, static_cast<std::int32_t>(n) + 1);
        m_changes.emplace_back(lifespans[n].nEnd + 1, -static_cast<std::int32_t>(n) - 1);
    }
    std::sort(m_changes.begin(), m_changes.end());
}

bool KIN_GedcomCrossings::Alive(std::int32_t nPerson, std::int64_t nYear) const
{
    const KIN_GedcomLifespan& lifespan = m_lifespans[static_cast<std::size_t>(nPerson)];
    return lifespan.nBegin <= nYear && nYear <= lifespan.nEnd;
}

KIN_GedcomCrossings::Count KIN_GedcomCrossings::Of(const std::vector<std::int32_t>& columns) const
{
    const auto column = [&](std::int32_t nPerson)
    { return columns[static_cast<std::size_t>(nPerson)]; };
    const std::int32_t nWidth =
        columns.empty() ? 0 : *std::max_element(columns.begin(), columns.end());
    ColumnCounts alive(static_cast<std::size_t>(std::max(nWidth, 0)) + 1);
    Count count;
    std::size_t nChange = 0;
    for (const Leg& leg : m_legs)
    {
        const std::int32_t nLeft = std::min(column(leg.nParent), column(leg.nChild));
        const std::int32_t nRight = std::max(column(leg.nParent), column(leg.nChild));
        if (nLeft == nRight || nLeft < 0)
            continue;
        for (; nChange < m_changes.size() && m_changes[nChange].first <= leg.nYear; ++nChange)
        {
            const std::int32_t nSigned = m_changes[nChange].second;
            const std::int32_t nColumn = column(std::abs(nSigned) - 1);
            if (nColumn >= 0)
                alive.Add(nColumn, nSigned > 0 ? 1 : -1);
        }
        ++count.nLegs;
        count.nCrossings += alive.Count(nLeft, nRight);
        for (const std::int32_t nEnd : {leg.nParent, leg.nChild})
            count.nCrossings -= Alive(nEnd, leg.nYear) ? 1 : 0;
    }
    return count;
}
