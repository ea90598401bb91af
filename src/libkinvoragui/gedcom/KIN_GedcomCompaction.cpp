#include "KIN_GedcomCompaction.h"

#include <algorithm>
#include <numeric>
#include <utility>

namespace
{
// The rightmost edge taken in each year, over years numbered 0..n - 1: set over a range of
// years to a value above all it holds there, read as the largest over a range.
class Skyline
{
public:
    explicit Skyline(std::size_t nYears) : m_nSize(std::max<std::size_t>(nYears, 1))
    {
        m_most.assign(4 * m_nSize, 0);
        m_pending.assign(4 * m_nSize, -1);
    }
    std::int32_t Most(std::size_t nFirst, std::size_t nLast)
    {
        return Most(1, 0, m_nSize - 1, nFirst, nLast);
    }
    void Raise(std::size_t nFirst, std::size_t nLast, std::int32_t nValue)
    {
        Raise(1, 0, m_nSize - 1, nFirst, nLast, nValue);
    }

private:
    void Push(std::size_t nNode)
    {
        if (m_pending[nNode] < 0)
            return;
        for (const std::size_t nChild : {2 * nNode, 2 * nNode + 1})
            m_most[nChild] = m_pending[nChild] = m_pending[nNode];
        m_pending[nNode] = -1;
    }
    std::int32_t Most(std::size_t nNode, std::size_t nLow, std::size_t nHigh, std::size_t nFirst,
                      std::size_t nLast)
    {
        if (nLast < nLow || nHigh < nFirst)
            return 0;
        if (nFirst <= nLow && nHigh <= nLast)
            return m_most[nNode];
        Push(nNode);
        const std::size_t nMiddle = (nLow + nHigh) / 2;
        return std::max(Most(2 * nNode, nLow, nMiddle, nFirst, nLast),
                        Most(2 * nNode + 1, nMiddle + 1, nHigh, nFirst, nLast));
    }
    void Raise(std::size_t nNode, std::size_t nLow, std::size_t nHigh, std::size_t nFirst,
               std::size_t nLast, std::int32_t nValue)
    {
        if (nLast < nLow || nHigh < nFirst)
            return;
        if (nFirst <= nLow && nHigh <= nLast)
        {
            m_most[nNode] = m_pending[nNode] = nValue;
            return;
        }
        Push(nNode);
        const std::size_t nMiddle = (nLow + nHigh) / 2;
        Raise(2 * nNode, nLow, nMiddle, nFirst, nLast, nValue);
        Raise(2 * nNode + 1, nMiddle + 1, nHigh, nFirst, nLast, nValue);
        m_most[nNode] = std::max(m_most[2 * nNode], m_most[2 * nNode + 1]);
    }

    std::size_t m_nSize;
    std::vector<std::int32_t> m_most;
    std::vector<std::int32_t> m_pending;
};
} // namespace

void KIN_GedcomCompaction::Compact(std::vector<std::int32_t>& columns) const
{
    std::vector<std::int32_t> compacted = columns;
    MoveLeft(compacted);
    if (KIN_GedcomRows::Width(compacted) <= KIN_GedcomRows::Width(columns))
        columns = std::move(compacted);
}

void KIN_GedcomCompaction::MoveLeft(std::vector<std::int32_t>& columns) const
{
    const std::vector<KIN_GedcomRows::Row>& rows = m_rows.All();
    std::vector<std::int64_t> years;
    years.reserve(rows.size() * 3);
    for (const KIN_GedcomRows::Row& row : rows)
    {
        years.push_back(row.nStart);
        for (std::int32_t nMember = row.nFirst; nMember >= 0; nMember = m_rows.Next(nMember))
            years.push_back(m_rows.HeldUntil(nMember));
    }
    std::sort(years.begin(), years.end());
    years.erase(std::unique(years.begin(), years.end()), years.end());
    const auto indexOf = [&](std::int64_t nYear)
    {
        return static_cast<std::size_t>(std::lower_bound(years.begin(), years.end(), nYear) -
                                        years.begin());
    };
    const auto columnOf = [&](std::size_t nRow)
    { return columns[static_cast<std::size_t>(rows[nRow].nFirst)]; };

    std::vector<std::size_t> order(rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b)
              { return columnOf(a) != columnOf(b) ? columnOf(a) < columnOf(b) : a < b; });
    Skyline skyline(years.size());
    for (const std::size_t nRow : order)
    {
        const KIN_GedcomRows::Row& row = rows[nRow];
        const std::size_t nFirst = indexOf(row.nStart);
        std::int32_t nColumn = 0;
        std::int32_t nOffset = 0;
        for (std::int32_t nMember = row.nFirst; nMember >= 0;
             nMember = m_rows.Next(nMember), nOffset += kWidth)
            nColumn = std::max(nColumn,
                               skyline.Most(nFirst, indexOf(m_rows.HeldUntil(nMember))) - nOffset);
        nOffset = 0;
        for (std::int32_t nMember = row.nFirst; nMember >= 0;
             nMember = m_rows.Next(nMember), nOffset += kWidth)
        {
            columns[static_cast<std::size_t>(nMember)] = nColumn + nOffset;
            skyline.Raise(nFirst, indexOf(m_rows.HeldUntil(nMember)), nColumn + nOffset + kWidth);
        }
    }
}
