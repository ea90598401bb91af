#include "KIN_GedcomRows.h"

#include <algorithm>

KIN_GedcomRows::KIN_GedcomRows(const KIN_GedcomTree& tree,
                               const std::vector<KIN_GedcomLifespan>& lifespans)
    : m_lifespans(lifespans), m_couples(tree, lifespans), m_rowOf(lifespans.size(), -1)
{
    for (std::size_t n = 0; n < lifespans.size(); ++n)
    {
        const auto nPerson = static_cast<std::int32_t>(n);
        if (!lifespans[n].bDrawn || m_couples.Left(nPerson) >= 0)
            continue;
        Row row;
        row.nFirst = nPerson;
        row.nStart = lifespans[n].nBegin;
        row.nEnd = HeldUntil(nPerson);
        for (std::int32_t nMember = nPerson; nMember >= 0; nMember = Next(nMember))
        {
            row.nStart = std::min(row.nStart, lifespans[static_cast<std::size_t>(nMember)].nBegin);
            row.nEnd = std::max(row.nEnd, HeldUntil(nMember));
            ++row.nCount;
        }
        m_rows.push_back(row);
    }
    std::sort(m_rows.begin(), m_rows.end(),
              [](const Row& a, const Row& b)
              { return a.nStart != b.nStart ? a.nStart < b.nStart : a.nFirst < b.nFirst; });
    for (std::size_t n = 0; n < m_rows.size(); ++n)
    {
        for (std::int32_t nMember = m_rows[n].nFirst; nMember >= 0; nMember = Next(nMember))
            m_rowOf[static_cast<std::size_t>(nMember)] = static_cast<std::int32_t>(n);
    }
}

std::int64_t KIN_GedcomRows::HeldUntil(std::int32_t nPerson) const
{
    const KIN_GedcomLifespan& lifespan = m_lifespans[static_cast<std::size_t>(nPerson)];
    return std::max(lifespan.nEnd, lifespan.nBegin + kTitleYears);
}

std::int32_t KIN_GedcomRows::Width(const std::vector<std::int32_t>& columns)
{
    std::int32_t nWidth = 0;
    for (const std::int32_t nColumn : columns)
        nWidth = std::max(nWidth, nColumn + kWidth);
    return nWidth;
}
