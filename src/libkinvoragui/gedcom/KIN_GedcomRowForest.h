#ifndef KIN_GEDCOMROWFOREST_H
#define KIN_GEDCOMROWFOREST_H

#include "KIN_GedcomRows.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <vector>

// The rows as a forest, the shape the layout follows. A row hangs under the row of its
// people's parents with the longest line of rows above it (ties: the larger family), so a
// family's own line wins over the parents of someone who married into it. A row with no
// parents and no row under it whose children married into another branch (parents found
// for an in-law) hangs under their child's row instead, to stand right beside it on the side
// the child stands on. A loop in the ancestry (bad data) is cut where the walk first comes
// back to a row it has seen.
class KIN_GedcomRowForest
{
public:
    // The rows the sifting of a Reorder reads at most, counted once for each row above them.
    static constexpr std::int64_t kSiftRows = 1000000;

    // Where an in-law row hangs: under its child's row, to stand beside it (the layout's
    // way), or beside it under the child's parents' row (the first arrangement, kept for
    // comparison).
    enum class InLaws
    {
        UnderTheirChild,
        BesideTheirChild
    };

    // nEraGenerations: 0 keeps every line of descent in one tree; else a row whose line of rows
    // above it is a multiple of nEraGenerations long starts a tree of its own, an era of the
    // line, which the layout may then place apart from the generations before it.
    KIN_GedcomRowForest(const KIN_GedcomTree& tree, const KIN_GedcomRows& rows,
                        InLaws inLaws = InLaws::UnderTheirChild, std::int32_t nEraGenerations = 0);

    // The rows hanging under nRow, by start at first: its children's rows, and the in-law rows
    // of its own people (or, beside their child's, of its children's).
    const std::vector<std::int32_t>& Children(std::int32_t nRow) const
    {
        return m_children[At(nRow)];
    }
    InLaws InLawsHang() const { return m_inLaws; }
    // True for a row hung by its child's row rather than under its own parents.
    bool IsInLaw(std::int32_t nRow) const { return m_inLawSides[At(nRow)] != 0; }
    // For an in-law row, -1 when its child stands on the left of the child's row, else 1.
    int InLawSide(std::int32_t nRow) const { return m_inLawSides[At(nRow)]; }
    // Reorders the rows under each row, and the roots, by the barycentre of their subtrees: the
    // mean column (in rowColumns, one a row) of the relatives their people have outside the
    // forest's own parent-child edges, with the subtree's own column weighing as one relative.
    // Ties keep the order. Then each list is sifted so that the links between its subtrees
    // are short.
    void Reorder(const KIN_GedcomTree& tree, const std::vector<std::int32_t>& rowColumns);
    // The roots (by start), then every row after the rows under it.
    const std::vector<std::int32_t>& Roots() const { return m_roots; }
    const std::vector<std::int32_t>& PostOrder() const { return m_postOrder; }

private:
    static std::size_t At(std::int32_t nRow) { return static_cast<std::size_t>(nRow); }
    // depths: set to the length of the line of rows above each row.
    std::vector<std::int32_t> FindParentRows(const KIN_GedcomTree& tree,
                                             std::vector<std::int32_t>& depths) const;
    void HangInLaws(const KIN_GedcomTree& tree, std::vector<std::int32_t>& parentRows,
                    std::vector<std::int64_t>& keys);
    void ListChildren(const std::vector<std::int32_t>& parentRows,
                      const std::vector<std::int64_t>& keys);
    void Walk(std::int32_t nRoot, std::vector<char>& visited);
    // Sorts the list by key, in-law rows after the others.
    void SortByKeys(std::vector<std::int32_t>& list, const std::vector<double>& keys) const;

    // Where each row and its subtree stood in the last layout.
    struct Spans
    {
        const std::vector<std::int32_t>& columns;
        std::vector<double> lefts;
        std::vector<double> rights;
    };
    // Orders the roots, then the rows under each row, so that the links between the subtrees
    // side by side are short (KIN_GedcomBandOrder).
    void Sift(const std::vector<std::int32_t>& rowColumns);
    // The rows of each row's relatives: of row r, rows[starts[r]] to rows[starts[r + 1] - 1].
    struct Relatives
    {
        std::vector<std::int32_t> starts;
        std::vector<std::int32_t> rows;
    };
    // bands: -1 for every row, as it is left again; nBudget: the rows that may still be read.
    void SiftList(const Spans& spans, std::vector<std::int32_t>& list,
                  std::vector<std::int32_t>& bands, std::int64_t& nBudget) const;
    void ReadRelatives(const KIN_GedcomTree& tree);
    template <typename Visit>
    void ForEachRelativeRow(const KIN_GedcomTree& tree, std::int32_t nRow, Visit visit) const;

    const KIN_GedcomRows& m_rows;
    InLaws m_inLaws;
    std::vector<std::vector<std::int32_t>> m_children;
    std::vector<signed char> m_inLawSides; // 0 for the other rows
    std::vector<std::int32_t> m_roots;
    std::vector<std::int32_t> m_postOrder;
    Relatives m_relatives; // read at the first Reorder
};

#endif
