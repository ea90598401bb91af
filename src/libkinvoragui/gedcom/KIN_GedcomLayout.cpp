#include "KIN_GedcomLayout.h"

#include "KIN_GedcomCompaction.h"
#include "KIN_GedcomTreeLayout.h"

#include <algorithm>
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
    const KIN_GedcomRows& rows = treeLayout.Rows();
    const std::int32_t nSweeps = Sweeps(rows.All().size());
    const bool bEras = rows.All().size() <= kMostEraRows;
    // An era shape is laid out once, then swept.
    const std::size_t nEraSteps =
        (kMostEraGenerations - kFewestEraGenerations + 1) * (kLeastSweeps + 1);
    Steps steps(progress, static_cast<std::size_t>(nSweeps) + (bEras ? nEraSteps : 0));
    Candidate swept = Measure(std::move(columns));
    // No stage may make the legs cross more people than the tree order does.
    const std::int64_t nMostCrossings = swept.nCrossings;
    if (!Sweep(treeLayout, nSweeps, nMostCrossings, steps, swept))
        return false;
    Candidate compacted = Compact(rows, swept, nMostCrossings);
    if (bEras && !TryEras(rows, steps, nMostCrossings, swept, compacted))
        return false;
    if (m_dAllowance > 0)
        Pack(rows, swept.columns);
    columns = std::move(m_dAllowance > 0 ? swept.columns : compacted.columns);
    return true;
}

bool KIN_GedcomLayout::Steps::Next()
{
    return m_progress.Report(KIN_GedcomProgress::Stage::Arrange, ++m_nDone, m_nTotal);
}

// The forest cut into eras is another shape, not another order: each is laid out and swept on
// its own, and kept when its links are shorter in a greater proportion than it is wider.
bool KIN_GedcomLayout::TryEras(const KIN_GedcomRows& rows, Steps& steps,
                               std::int64_t nMostCrossings, Candidate& swept,
                               Candidate& compacted) const
{
    const std::int32_t nWidth = std::max(compacted.nWidth, 1);
    const auto cost = [nWidth](const Candidate& candidate) {
        return static_cast<double>(candidate.nLength) * std::max(candidate.nWidth, nWidth) / nWidth;
    };
    for (std::int32_t nEra = kFewestEraGenerations; nEra <= kMostEraGenerations; ++nEra)
    {
        KIN_GedcomTreeLayout eras(m_tree, m_lifespans, KIN_GedcomRowForest::InLaws::UnderTheirChild,
                                  nEra);
        KIN_GedcomProgress quiet(nullptr);
        std::vector<std::int32_t> tried;
        eras.Arrange(quiet, tried);
        if (!steps.Next())
            return false;
        Candidate sweptEras = Measure(std::move(tried));
        if (!Sweep(eras, kLeastSweeps, nMostCrossings, steps, sweptEras))
            return false;
        Candidate compactedEras = Compact(rows, sweptEras, nMostCrossings);
        // compacted never crosses more than the tree order: the sweeps and Compact keep to it.
        if (cost(compactedEras) < cost(compacted) &&
            compactedEras.nCrossings <= compacted.nCrossings)
        {
            swept = std::move(sweptEras);
            compacted = std::move(compactedEras);
        }
    }
    return true;
}

KIN_GedcomLayout::Candidate KIN_GedcomLayout::Measure(std::vector<std::int32_t> columns) const
{
    const std::int64_t nLength = LinkLength(m_tree, columns);
    const std::int32_t nWidth = KIN_GedcomRows::Width(columns);
    const std::int64_t nCrossings = m_crossings.Of(columns).nCrossings;
    return {std::move(columns), nLength, nWidth, nCrossings};
}

// Each sweep is a step. A reordering is kept when its links are shorter, it is no wider than the
// tree order (best on entry), and its legs cross no more than nMostCrossings people.
bool KIN_GedcomLayout::Sweep(KIN_GedcomTreeLayout& treeLayout, std::int32_t nSweeps,
                             std::int64_t nMostCrossings, Steps& steps, Candidate& best) const
{
    std::vector<std::int32_t> tried = best.columns;
    const std::int32_t nWidthLimit = best.nWidth;
    KIN_GedcomProgress quiet(nullptr);
    for (std::int32_t nSweep = 0; nSweep < nSweeps; ++nSweep)
    {
        treeLayout.Reorder(m_tree, tried);
        treeLayout.Arrange(quiet, tried);
        if (!steps.Next())
            return false;
        const std::int64_t nLength = LinkLength(m_tree, tried);
        const std::int32_t nWidth = KIN_GedcomRows::Width(tried);
        if (nLength >= best.nLength || nWidth > nWidthLimit)
            continue;
        const std::int64_t nCrossings = m_crossings.Of(tried).nCrossings;
        if (nCrossings <= nMostCrossings)
            best = {tried, nLength, nWidth, nCrossings};
    }
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

// Readability before width: the compacted columns are kept only when their links are no longer
// in all and cross no more than nMostCrossings people.
KIN_GedcomLayout::Candidate KIN_GedcomLayout::Compact(const KIN_GedcomRows& rows,
                                                      const Candidate& candidate,
                                                      std::int64_t nMostCrossings) const
{
    std::vector<std::int32_t> columns = candidate.columns;
    KIN_GedcomCompaction(rows).Compact(columns);
    Candidate compacted = Measure(std::move(columns));
    const bool bBetter =
        compacted.nLength <= candidate.nLength && compacted.nCrossings <= nMostCrossings;
    return bBetter ? compacted : candidate;
}
