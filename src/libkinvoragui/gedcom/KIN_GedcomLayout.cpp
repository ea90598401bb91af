#include "KIN_GedcomLayout.h"

#include "KIN_GedcomTreeLayout.h"

bool KIN_GedcomLayout::Arrange(KIN_GedcomProgress& progress, std::vector<std::int32_t>& columns)
{
    KIN_GedcomTreeLayout treeLayout(m_tree, m_lifespans);
    if (!treeLayout.Arrange(progress, columns))
        return false;
    const KIN_GedcomRows& rows = treeLayout.Rows();
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
    return true;
}
