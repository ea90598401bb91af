#include "KIN_GedcomLayout.h"

#include "KIN_GedcomCompaction.h"
#include "KIN_GedcomTreeLayout.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

std::int64_t KIN_GedcomLayout::LinkLength(const KIN_GedcomTree& tree,
                                          const std::vector<std::int32_t>& columns)
{
    std::int64_t nLength = 0;
    for (const KIN_GedcomFamily& family : tree.families)
    {
        for (const std::int32_t nParent : {family.nHusband, family.nWife})
        {
            const std::int32_t nFrom =
                nParent < 0 ? -1 : columns[static_cast<std::size_t>(nParent)];
            if (nFrom < 0)
                continue;
            for (const std::int32_t nChild : family.children)
            {
                const std::int32_t nTo = columns[static_cast<std::size_t>(nChild)];
                nLength += nTo < 0 ? 0 : std::abs(nTo - nFrom);
            }
        }
    }
    return nLength;
}

std::int32_t KIN_GedcomLayout::Sweeps(std::size_t nRows)
{
    const std::size_t nSweeps = kSweepRows / std::max<std::size_t>(nRows, 1);
    return static_cast<std::int32_t>(std::clamp<std::size_t>(nSweeps, kLeastSweeps, kMostSweeps));
}

bool KIN_GedcomLayout::Arrange(KIN_GedcomProgress& progress, std::vector<std::int32_t>& columns)
{
    KIN_GedcomTreeLayout treeLayout(m_tree, m_lifespans);
    if (!treeLayout.Arrange(progress, columns))
        return false;
    std::int64_t nBest = LinkLength(m_tree, columns);
    // A reordering never widens the diagram beyond the tree order's own width.
    const std::int32_t nWidthLimit = KIN_GedcomRows::Width(columns);
    std::vector<std::int32_t> tried;
    // The sweeps report nothing: the progress already stood at the layout's end.
    KIN_GedcomProgress quiet(nullptr);
    const std::int32_t nSweeps = Sweeps(treeLayout.Rows().All().size());
    for (std::int32_t nSweep = 0; nSweep < nSweeps; ++nSweep)
    {
        if (progress.Cancelled())
            return false;
        treeLayout.Reorder(m_tree, nSweep == 0 ? columns : tried);
        treeLayout.Arrange(quiet, tried);
        const std::int64_t nLength = LinkLength(m_tree, tried);
        if (nLength < nBest && KIN_GedcomRows::Width(tried) <= nWidthLimit)
        {
            nBest = nLength;
            columns = tried;
        }
    }
    if (m_dAllowance > 0)
        Pack(treeLayout.Rows(), columns);
    else
        Compact(treeLayout.Rows(), nBest, columns);
    return true;
}

void KIN_GedcomLayout::Pack(const KIN_GedcomRows& rows, std::vector<std::int32_t>& columns) const
{
    std::vector<std::int32_t> idealColumns;
    idealColumns.reserve(rows.All().size());
    for (const KIN_GedcomRows::Row& row : rows.All())
        idealColumns.push_back(columns[static_cast<std::size_t>(row.nFirst)]);
    const std::vector<std::int32_t> tracks =
        KIN_GedcomTracks(m_tree, m_lifespans, rows, idealColumns, m_dAllowance).Pack();
    for (std::size_t nRow = 0; nRow < tracks.size(); ++nRow)
    {
        std::int32_t nColumn = tracks[nRow] * kWidth;
        for (std::int32_t nMember = rows.All()[nRow].nFirst; nMember >= 0;
             nMember = rows.Next(nMember))
        {
            columns[static_cast<std::size_t>(nMember)] = nColumn;
            nColumn += kWidth;
        }
    }
}

// Readability before width: the compacted columns are kept only when no longer in all.
void KIN_GedcomLayout::Compact(const KIN_GedcomRows& rows, std::int64_t nLength,
                               std::vector<std::int32_t>& columns) const
{
    std::vector<std::int32_t> compacted = columns;
    KIN_GedcomCompaction(rows).Compact(compacted);
    if (LinkLength(m_tree, compacted) <= nLength)
        columns = std::move(compacted);
}
