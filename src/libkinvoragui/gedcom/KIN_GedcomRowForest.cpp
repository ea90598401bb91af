#include "KIN_GedcomRowForest.h"

#include <algorithm>

KIN_GedcomRowForest::KIN_GedcomRowForest(const KIN_GedcomTree& tree, const KIN_GedcomRows& rows)
    : m_rows(rows), m_children(rows.All().size()), m_bInLaw(rows.All().size(), 0)
{
    std::vector<std::int32_t> parentRows = FindParentRows(tree);
    std::vector<std::int64_t> keys(parentRows.size());
    for (std::size_t n = 0; n < keys.size(); ++n)
        keys[n] = 2 * rows.All()[n].nStart;
    HangInLaws(tree, parentRows, keys);
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

std::vector<std::int32_t> KIN_GedcomRowForest::FindParentRows(const KIN_GedcomTree& tree) const
{
    const std::vector<KIN_GedcomRows::Row>& rows = m_rows.All();
    std::vector<std::int32_t> parentRows(rows.size(), -1);
    std::vector<std::int32_t> depths(rows.size(), 0);
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

// An in-law row sorts just before the earliest row its children stand in, or just after it
// when their child stands right in it: its key is odd where the others are even.
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
                    // Beside the side of the row their child stands on.
                    const std::int64_t nKey =
                        keys[At(nChildRow)] + (rows[At(nChildRow)].nFirst == nChild ? -1 : 1);
                    if (parentRows[nRow] < 0 || nKey < keys[nRow])
                    {
                        parentRows[nRow] = parentRows[At(nChildRow)];
                        keys[nRow] = nKey;
                        m_bInLaw[nRow] = 1;
                    }
                }
            }
        }
        if (parentRows[nRow] == static_cast<std::int32_t>(nRow))
        {
            parentRows[nRow] = -1;
            m_bInLaw[nRow] = 0;
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
