#ifndef KIN_GEDCOMTREELAYOUT_H
#define KIN_GEDCOMTREELAYOUT_H

#include "KIN_GedcomContour.h"
#include "KIN_GedcomLifespan.h"
#include "KIN_GedcomProgress.h"
#include "KIN_GedcomRowForest.h"
#include "KIN_GedcomRows.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <vector>

// Gives each drawn person a column in the order of their family tree: the first stage of
// KIN_GedcomLayout, whose order it keeps while packing the columns in time.
//
// The rows (KIN_GedcomRows: couples side by side, else one person) are laid out as the
// forest of KIN_GedcomRowForest, from the youngest rows up. Under each row, its child rows
// (in their forest order) stand side by side with the row itself in the middle of its own
// children and its people's in-law parents right beside it: each piece goes as far left as it can
// while staying right of the pieces before it at every time step both take columns in, and never
// left of the previous piece's row. So a child stands next to its parents or, when they share
// no time, under them, and a branch reaches under its neighbour where their times do not
// meet. The trees of the forest stand side by side in the same way. A row holds its columns
// from its start to the end of its last period, and every period at least
// KIN_GedcomRows::kTitleYears, the room its title needs on the axis. Time steps are the
// distinct years rows start and end in; a file whose outlines would take too much work uses
// fewer, coarser steps, which only keeps pieces further apart. Columns no period takes are
// removed at the end. The same file always gives the same columns.
class KIN_GedcomTreeLayout
{
public:
    static constexpr std::int32_t kWidth = KIN_GedcomRows::kWidth;

    // inLaws, nEraGenerations: the shape of the forest (KIN_GedcomRowForest).
    KIN_GedcomTreeLayout(
        const KIN_GedcomTree& tree, const std::vector<KIN_GedcomLifespan>& lifespans,
        KIN_GedcomRowForest::InLaws inLaws = KIN_GedcomRowForest::InLaws::UnderTheirChild,
        std::int32_t nEraGenerations = 0);

    // The column of each person, -1 for those not drawn; false when the caller cancelled.
    bool Arrange(KIN_GedcomProgress& progress, std::vector<std::int32_t>& columns);
    const KIN_GedcomRows& Rows() const { return m_rows; }
    // Reorders the forest by the barycentres of the columns of the last Arrange; the next
    // Arrange lays it out in the new order.
    void Reorder(const KIN_GedcomTree& tree, const std::vector<std::int32_t>& columns);

private:
    struct Span
    {
        std::int32_t nFirst = 0;
        std::int32_t nEnd = 0;
    };

    void MakeSteps();
    std::int32_t StepOf(std::int64_t nYear) const;
    Span RowSpan(std::int32_t nRow) const;
    void MeasureSpans();
    void LayOut(std::int32_t nRow);
    // The pieces side by side under a row, nOwnAt set to where the row itself stands.
    std::vector<std::int32_t> Pieces(std::int32_t nRow, std::size_t& nOwnAt) const;
    std::size_t OwnPlace(const std::vector<std::int32_t>& children) const;
    // Packs the pieces left to right into outline; returns their first columns.
    std::vector<std::int32_t> Pack(const std::vector<std::int32_t>& pieces, std::int32_t nOwnRow,
                                   KIN_GedcomContour& outline);
    void SetColumns();
    void RemoveUnusedColumns();

    const std::vector<KIN_GedcomLifespan>& m_lifespans;
    KIN_GedcomRows m_rows;
    KIN_GedcomRowForest m_forest;
    std::vector<std::int64_t> m_years; // the distinct years a step starts at
    std::int64_t m_nStepDivisor = 1;   // years' indexes are divided by it to give steps
    std::vector<Span> m_spans;         // of each row's subtree
    std::vector<KIN_GedcomContour> m_outlines;
    std::vector<std::int32_t> m_offsets; // a row's first column from its parent row's
    std::vector<std::int32_t> m_rowColumns;
    std::vector<std::int32_t> m_columns;
};

#endif
