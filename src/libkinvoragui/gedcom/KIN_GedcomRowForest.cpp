#include "KIN_GedcomRowForest.h"

#include "KIN_GedcomBandOrder.h"

#include <algorithm>

KIN_GedcomRowForest::KIN_GedcomRowForest(const KIN_GedcomTree& tree, const KIN_GedcomRows& rows,
                                         InLaws inLaws, std::int32_t nEraGenerations)
    : m_rows(rows), m_inLaws(inLaws), m_children(rows.All().size()),
      m_inLawSides(rows.All().size(), 0)
{
    std::vector<std::int32_t> depths;
    std::vector<std::int32_t> parentRows = FindParentRows(tree, depths);
    std::vector<std::int64_t> keys(parentRows.size());
    for (std::size_t n = 0; n < keys.size(); ++n)
        keys[n] = 2 * rows.All()[n].nStart;
    HangInLaws(tree, parentRows, keys);
    for (std::size_t n = 0; n < parentRows.size(); ++n)
    {
        const bool bEraStarts = nEraGenerations > 0 && depths[n] % nEraGenerations == 0;
        if (bEraStarts && !IsInLaw(static_cast<std::int32_t>(n)))
            parentRows[n] = -1;
    }
    ListChildren(parentRows, keys);
    std::vector<char> visited(parentRows.size(), 0);
    for (std::size_t n = 0; n < parentRows.size(); ++n)
    {
        if (parentRows[n] < 0)
            Walk(static_cast<std::int32_t>(n), visited);
    }
    for (std::size_t n = 0; n < parentRows.size(); ++n) // loops nothing outside leads into
    {
        if (!visited[n])
            Walk(static_cast<std::int32_t>(n), visited);
    }
}

std::vector<std::int32_t>
KIN_GedcomRowForest::FindParentRows(const KIN_GedcomTree& tree,
                                    std::vector<std::int32_t>& depths) const
{
    const std::vector<KIN_GedcomRows::Row>& rows = m_rows.All();
    std::vector<std::int32_t> parentRows(rows.size(), -1);
    depths.assign(rows.size(), 0);
    for (std::size_t nRow = 0; nRow < rows.size(); ++nRow)
    {
        // Rows come by start: a parent row after this one belongs to bad data, depth 0.
        const auto depthOf = [&](std::int32_t nParentRow)
        { return At(nParentRow) < nRow ? depths[At(nParentRow)] : 0; };
        std::size_t nChosenFamilySize = 0;
        for (std::int32_t nMember = rows[nRow].nFirst; nMember >= 0; nMember = m_rows.Next(nMember))
        {
            for (const std::int32_t nFamily :
                 tree.people[static_cast<std::size_t>(nMember)].childOf)
            {
                const KIN_GedcomFamily& family = tree.families[static_cast<std::size_t>(nFamily)];
                for (const std::int32_t nParent : {family.nHusband, family.nWife})
                {
                    const std::int32_t nParentRow = nParent < 0 ? -1 : m_rows.RowOf(nParent);
                    if (nParentRow < 0 || At(nParentRow) == nRow)
                        continue;
                    std::int32_t& nChosen = parentRows[nRow];
                    const std::size_t nFamilySize = family.children.size();
                    if (nChosen < 0 || depthOf(nParentRow) > depthOf(nChosen) ||
                        (depthOf(nParentRow) == depthOf(nChosen) &&
                         nFamilySize > nChosenFamilySize))
                    {
                        nChosen = nParentRow;
                        nChosenFamilySize = nFamilySize;
                    }
                }
            }
        }
        if (parentRows[nRow] >= 0)
            depths[nRow] = depthOf(parentRows[nRow]) + 1;
    }
    return parentRows;
}

// An in-law row goes by the earliest row its children stand in, on the side their child
// stands on; beside it, its key sorts it just before or after that row: odd where the others
// are even.
void KIN_GedcomRowForest::HangInLaws(const KIN_GedcomTree& tree,
                                     std::vector<std::int32_t>& parentRows,
                                     std::vector<std::int64_t>& keys)
{
    std::vector<char> hasChildRows(parentRows.size(), 0);
    for (const std::int32_t nParent : parentRows)
    {
        if (nParent >= 0)
            hasChildRows[At(nParent)] = 1;
    }
    const std::vector<KIN_GedcomRows::Row>& rows = m_rows.All();
    for (std::size_t nRow = 0; nRow < rows.size(); ++nRow)
    {
        if (parentRows[nRow] >= 0 || hasChildRows[nRow])
            continue;
        for (std::int32_t nMember = rows[nRow].nFirst; nMember >= 0; nMember = m_rows.Next(nMember))
        {
            for (const std::int32_t nFamily :
                 tree.people[static_cast<std::size_t>(nMember)].spouseIn)
            {
                for (const std::int32_t nChild :
                     tree.families[static_cast<std::size_t>(nFamily)].children)
                {
                    const std::int32_t nChildRow = m_rows.RowOf(nChild);
                    if (nChildRow < 0 || parentRows[At(nChildRow)] < 0 || At(nChildRow) == nRow)
                        continue;
                    // By the earliest such row, on the side their child stands on.
                    const int nSide = rows[At(nChildRow)].nFirst == nChild ? -1 : 1;
                    const std::int64_t nKey = keys[At(nChildRow)] + nSide;
                    if (m_inLawSides[nRow] != 0 && nKey >= keys[nRow])
                        continue;
                    m_inLawSides[nRow] = static_cast<signed char>(nSide);
                    keys[nRow] = nKey;
                    parentRows[nRow] =
                        m_inLaws == InLaws::UnderTheirChild ? nChildRow : parentRows[At(nChildRow)];
                }
            }
        }
        if (parentRows[nRow] == static_cast<std::int32_t>(nRow))
        {
            parentRows[nRow] = -1;
            m_inLawSides[nRow] = 0;
        }
    }
}

void KIN_GedcomRowForest::ListChildren(const std::vector<std::int32_t>& parentRows,
                                       const std::vector<std::int64_t>& keys)
{
    for (std::size_t n = 0; n < parentRows.size(); ++n)
    {
        if (parentRows[n] >= 0)
            m_children[At(parentRows[n])].push_back(static_cast<std::int32_t>(n));
    }
    for (std::vector<std::int32_t>& children : m_children)
    {
        std::stable_sort(children.begin(), children.end(),
                         [&](std::int32_t nA, std::int32_t nB)
                         { return keys[At(nA)] < keys[At(nB)]; });
    }
}

// Depth first without recursion: a file can hold a line of descent of any length. A row
// reached again through a loop is dropped from the list it was reached from.
void KIN_GedcomRowForest::Walk(std::int32_t nRoot, std::vector<char>& visited)
{
    struct Step
    {
        std::int32_t nRow;
        std::size_t nNext;
    };
    m_roots.push_back(nRoot);
    visited[At(nRoot)] = 1;
    std::vector<Step> stack{{nRoot, 0}};
    while (!stack.empty())
    {
        Step& step = stack.back();
        std::vector<std::int32_t>& children = m_children[At(step.nRow)];
        if (step.nNext < children.size())
        {
            const std::int32_t nChild = children[step.nNext];
            if (visited[At(nChild)])
            {
                children.erase(children.begin() + static_cast<std::ptrdiff_t>(step.nNext));
                continue;
            }
            ++step.nNext;
            visited[At(nChild)] = 1;
            stack.push_back({nChild, 0});
            continue;
        }
        m_postOrder.push_back(step.nRow);
        stack.pop_back();
    }
}

void KIN_GedcomRowForest::Reorder(const KIN_GedcomTree& tree,
                                  const std::vector<std::int32_t>& rowColumns)
{
    const std::size_t nRows = m_children.size();
    std::vector<std::int32_t> parents(nRows, -1);
    for (std::size_t n = 0; n < nRows; ++n)
    {
        for (const std::int32_t nChild : m_children[n])
            parents[At(nChild)] = static_cast<std::int32_t>(n);
    }
    ReadRelatives(tree);
    // A relative pulls the row unless a link of the forest joins them already.
    std::vector<double> sums(nRows, 0);
    std::vector<double> counts(nRows, 0);
    for (std::size_t nRow = 0; nRow < nRows; ++nRow)
    {
        for (std::int32_t n = m_relatives.starts[nRow]; n < m_relatives.starts[nRow + 1]; ++n)
        {
            const std::int32_t nOther = m_relatives.rows[At(n)];
            if (parents[nRow] == nOther || parents[At(nOther)] == static_cast<std::int32_t>(nRow))
                continue;
            sums[nRow] += rowColumns[At(nOther)];
            counts[nRow] += 1;
        }
    }
    std::vector<double> keys(nRows, 0);
    for (const std::int32_t nRow : m_postOrder)
    {
        for (const std::int32_t nChild : m_children[At(nRow)])
        {
            sums[At(nRow)] += sums[At(nChild)];
            counts[At(nRow)] += counts[At(nChild)];
        }
        keys[At(nRow)] = (sums[At(nRow)] + rowColumns[At(nRow)]) / (counts[At(nRow)] + 1);
    }
    for (std::vector<std::int32_t>& children : m_children)
        SortByKeys(children, keys);
    SortByKeys(m_roots, keys);
    Sift(rowColumns);
    const std::vector<std::int32_t> roots = m_roots;
    m_roots.clear();
    m_postOrder.clear();
    std::vector<char> visited(nRows, 0);
    for (const std::int32_t nRoot : roots)
        Walk(nRoot, visited);
}

void KIN_GedcomRowForest::SortByKeys(std::vector<std::int32_t>& list,
                                     const std::vector<double>& keys) const
{
    // In-law rows stand beside their child whatever the order: they wait at the end.
    const auto inLaws = std::stable_partition(list.begin(), list.end(),
                                              [&](std::int32_t nRow) { return !IsInLaw(nRow); });
    std::stable_sort(list.begin(), inLaws,
                     [&](std::int32_t nA, std::int32_t nB) { return keys[At(nA)] < keys[At(nB)]; });
}

// Top down, so that the trees are placed before what hangs under their rows. The rows under a
// row are sifted only while the rows read stay within a budget: in a deep forest, each row is
// read once for every row above it.
void KIN_GedcomRowForest::Sift(const std::vector<std::int32_t>& rowColumns)
{
    Spans spans{rowColumns, std::vector<double>(m_children.size()),
                std::vector<double>(m_children.size())};
    for (const std::int32_t nRow : m_postOrder)
    {
        double& dLeft = spans.lefts[At(nRow)];
        double& dRight = spans.rights[At(nRow)];
        dLeft = rowColumns[At(nRow)];
        dRight = dLeft + m_rows.All()[At(nRow)].Width();
        for (const std::int32_t nChild : m_children[At(nRow)])
        {
            dLeft = std::min(dLeft, spans.lefts[At(nChild)]);
            dRight = std::max(dRight, spans.rights[At(nChild)]);
        }
    }
    std::vector<std::int32_t> bands(m_children.size(), -1);
    std::int64_t nBudget = kSiftRows;
    SiftList(spans, m_roots, bands, nBudget);
    for (auto it = m_postOrder.rbegin(); it != m_postOrder.rend() && nBudget > 0; ++it)
        SiftList(spans, m_children[At(*it)], bands, nBudget);
}

// Each group of the list is a band as wide as its subtrees; their links to one another are
// between bands, the others go to the fixed columns of relatives outside the list's subtrees.
void KIN_GedcomRowForest::SiftList(const Spans& spans, std::vector<std::int32_t>& list,
                                   std::vector<std::int32_t>& bands, std::int64_t& nBudget) const
{
    std::vector<std::int32_t> heads = list;
    const auto inLaws = std::stable_partition(heads.begin(), heads.end(),
                                              [&](std::int32_t nRow) { return !IsInLaw(nRow); });
    const std::vector<std::int32_t> inLawRows(inLaws, heads.end());
    heads.erase(inLaws, heads.end());
    if (heads.size() < 2)
        return;
    std::vector<double> lefts(heads.size(), 0);
    std::vector<double> widths(heads.size(), 0);
    std::vector<std::int32_t> marked;
    for (std::size_t nBand = 0; nBand < heads.size(); ++nBand)
    {
        lefts[nBand] = spans.lefts[At(heads[nBand])];
        widths[nBand] = spans.rights[At(heads[nBand])] - lefts[nBand];
        std::vector<std::int32_t> stack{heads[nBand]};
        while (!stack.empty())
        {
            const std::int32_t nRow = stack.back();
            stack.pop_back();
            bands[At(nRow)] = static_cast<std::int32_t>(nBand);
            marked.push_back(nRow);
            stack.insert(stack.end(), m_children[At(nRow)].begin(), m_children[At(nRow)].end());
        }
    }
    nBudget -= static_cast<std::int64_t>(marked.size());
    std::vector<KIN_GedcomBandOrder::Link> links;
    for (const std::int32_t nRow : marked)
    {
        const std::int32_t nBand = bands[At(nRow)];
        const double dAt = spans.columns[At(nRow)] - lefts[At(nBand)];
        for (std::int32_t n = m_relatives.starts[At(nRow)]; n < m_relatives.starts[At(nRow) + 1];
             ++n)
        {
            const std::int32_t nOther = m_relatives.rows[At(n)];
            const std::int32_t nOtherBand = bands[At(nOther)];
            const double dColumn = spans.columns[At(nOther)];
            if (nOtherBand < 0)
                links.push_back({nBand, dAt, KIN_GedcomBandOrder::kFixed, dColumn});
            else if (nOtherBand > nBand)
                links.push_back({nBand, dAt, nOtherBand, dColumn - lefts[At(nOtherBand)]});
        }
    }
    for (const std::int32_t nRow : marked)
        bands[At(nRow)] = -1;
    std::vector<std::int32_t> order(heads.size());
    for (std::size_t nBand = 0; nBand < order.size(); ++nBand)
        order[nBand] = static_cast<std::int32_t>(nBand);
    const double dFirst = *std::min_element(lefts.begin(), lefts.end());
    order = KIN_GedcomBandOrder(std::move(widths), std::move(links), dFirst).Sift(std::move(order));
    list.clear();
    for (const std::int32_t nBand : order)
        list.push_back(heads[At(nBand)]);
    list.insert(list.end(), inLawRows.begin(), inLawRows.end());
}

// Read at the first Reorder: the forest's tree and rows stay the same.
void KIN_GedcomRowForest::ReadRelatives(const KIN_GedcomTree& tree)
{
    if (!m_relatives.starts.empty())
        return;
    m_relatives.starts.assign(m_children.size() + 1, 0);
    for (std::size_t nRow = 0; nRow < m_children.size(); ++nRow)
    {
        ForEachRelativeRow(tree, static_cast<std::int32_t>(nRow),
                           [&](std::int32_t) { ++m_relatives.starts[nRow + 1]; });
        m_relatives.starts[nRow + 1] += m_relatives.starts[nRow];
    }
    m_relatives.rows.reserve(static_cast<std::size_t>(m_relatives.starts.back()));
    for (std::size_t nRow = 0; nRow < m_children.size(); ++nRow)
        ForEachRelativeRow(tree, static_cast<std::int32_t>(nRow),
                           [&](std::int32_t nOther) { m_relatives.rows.push_back(nOther); });
}

// The rows of the person's parents and children, once a link between two people.
template <typename Visit>
void KIN_GedcomRowForest::ForEachRelativeRow(const KIN_GedcomTree& tree, std::int32_t nRow,
                                             Visit visit) const
{
    for (std::int32_t nMember = m_rows.All()[At(nRow)].nFirst; nMember >= 0;
         nMember = m_rows.Next(nMember))
    {
        const KIN_GedcomPerson& person = tree.people[At(nMember)];
        for (const std::int32_t nFamily : person.childOf)
        {
            const KIN_GedcomFamily& family = tree.families[At(nFamily)];
            for (const std::int32_t nParent : {family.nHusband, family.nWife})
            {
                const std::int32_t nOther = nParent < 0 ? -1 : m_rows.RowOf(nParent);
                if (nOther >= 0 && nOther != nRow)
                    visit(nOther);
            }
        }
        for (const std::int32_t nFamily : person.spouseIn)
        {
            for (const std::int32_t nChild : tree.families[At(nFamily)].children)
            {
                const std::int32_t nOther = m_rows.RowOf(nChild);
                if (nOther >= 0 && nOther != nRow)
                    visit(nOther);
            }
        }
    }
}
