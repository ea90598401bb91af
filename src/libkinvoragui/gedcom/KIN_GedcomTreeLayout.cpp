#include "KIN_GedcomTreeLayout.h"

#include <algorithm>
#include <utility>

namespace
{
constexpr std::size_t kRowsPerReport = 4096;
// The outline cells all subtrees may hold together: bounds the work and the memory.
constexpr std::int64_t kMaxOutlineCells = 8000000;
} // namespace

KIN_GedcomTreeLayout::KIN_GedcomTreeLayout(const KIN_GedcomTree& tree,
                                           const std::vector<KIN_GedcomLifespan>& lifespans,
                                           KIN_GedcomRowForest::InLaws inLaws,
                                           std::int32_t nEraGenerations)
    : m_lifespans(lifespans), m_rows(tree, lifespans),
      m_forest(tree, m_rows, inLaws, nEraGenerations)
{
}

bool KIN_GedcomTreeLayout::Arrange(KIN_GedcomProgress& progress, std::vector<std::int32_t>& columns)
{
    const std::size_t nRows = m_rows.All().size();
    m_years.clear();
    m_nStepDivisor = 1;
    MakeSteps();
    MeasureSpans();
    m_outlines.assign(nRows, KIN_GedcomContour());
    m_offsets.assign(nRows, 0);
    m_rowColumns.assign(nRows, 0);
    const std::vector<std::int32_t>& order = m_forest.PostOrder();
    for (std::size_t n = 0; n < order.size(); ++n)
    {
        LayOut(order[n]);
        if ((n + 1) % kRowsPerReport == 0 &&
            !progress.Report(KIN_GedcomProgress::Stage::Layout, n + 1, order.size()))
            return false;
    }
    SetColumns();
    RemoveUnusedColumns();
    columns = std::move(m_columns);
    return true;
}

void KIN_GedcomTreeLayout::Reorder(const KIN_GedcomTree& tree,
                                   const std::vector<std::int32_t>& columns)
{
    std::vector<std::int32_t> rowColumns;
    rowColumns.reserve(m_rows.All().size());
    for (const KIN_GedcomRows::Row& row : m_rows.All())
        rowColumns.push_back(columns[static_cast<std::size_t>(row.nFirst)]);
    m_forest.Reorder(tree, rowColumns);
}

void KIN_GedcomTreeLayout::MakeSteps()
{
    for (const KIN_GedcomRows::Row& row : m_rows.All())
    {
        m_years.push_back(row.nStart);
        m_years.push_back(row.nEnd + 1);
    }
    std::sort(m_years.begin(), m_years.end());
    m_years.erase(std::unique(m_years.begin(), m_years.end()), m_years.end());
}

std::int32_t KIN_GedcomTreeLayout::StepOf(std::int64_t nYear) const
{
    return static_cast<std::int32_t>(std::lower_bound(m_years.begin(), m_years.end(), nYear) -
                                     m_years.begin());
}

// Coarser steps round a row's start down and its end up: it only ever holds more time.
KIN_GedcomTreeLayout::Span KIN_GedcomTreeLayout::RowSpan(std::int32_t nRow) const
{
    const KIN_GedcomRows::Row& row = m_rows.All()[static_cast<std::size_t>(nRow)];
    const std::int64_t nFirst = StepOf(row.nStart) / m_nStepDivisor;
    const std::int64_t nEnd = (StepOf(row.nEnd + 1) + m_nStepDivisor - 1) / m_nStepDivisor;
    return {static_cast<std::int32_t>(nFirst), static_cast<std::int32_t>(nEnd)};
}

// The steps each subtree spans; when all outlines together would hold too many cells, the
// steps grow coarser in proportion.
void KIN_GedcomTreeLayout::MeasureSpans()
{
    for (int nPass = 0; nPass < 2; ++nPass)
    {
        m_spans.assign(m_rows.All().size(), Span());
        std::int64_t nCells = 0;
        for (const std::int32_t nRow : m_forest.PostOrder())
        {
            Span span = RowSpan(nRow);
            for (const std::int32_t nChild : m_forest.Children(nRow))
            {
                const Span& child = m_spans[static_cast<std::size_t>(nChild)];
                span.nFirst = std::min(span.nFirst, child.nFirst);
                span.nEnd = std::max(span.nEnd, child.nEnd);
            }
            m_spans[static_cast<std::size_t>(nRow)] = span;
            nCells += span.nEnd - span.nFirst;
        }
        if (nCells <= kMaxOutlineCells)
            return;
        m_nStepDivisor = (nCells + kMaxOutlineCells - 1) / kMaxOutlineCells;
    }
}

// The child rows in their order with the row itself after the first half of them, and the
// in-law rows of its people right beside it, each on its child's side.
std::vector<std::int32_t> KIN_GedcomTreeLayout::Pieces(std::int32_t nRow, std::size_t& nOwnAt) const
{
    const std::vector<std::int32_t>& hanging = m_forest.Children(nRow);
    if (m_forest.InLawsHang() == KIN_GedcomRowForest::InLaws::BesideTheirChild)
    {
        std::vector<std::int32_t> pieces = hanging;
        nOwnAt = OwnPlace(pieces);
        pieces.insert(pieces.begin() + static_cast<std::ptrdiff_t>(nOwnAt), nRow);
        return pieces;
    }
    std::vector<std::int32_t> children;
    std::vector<std::int32_t> left;
    std::vector<std::int32_t> right;
    for (const std::int32_t nChild : hanging)
    {
        const int nSide = m_forest.InLawSide(nChild);
        (nSide < 0 ? left : nSide > 0 ? right : children).push_back(nChild);
    }
    // With in-laws on one side only, the odd child goes to the other side.
    const std::size_t nHalf = (children.size() + (right.size() > left.size() ? 1 : 0)) / 2;
    const auto half = children.begin() + static_cast<std::ptrdiff_t>(nHalf);
    std::vector<std::int32_t> pieces(children.begin(), half);
    pieces.insert(pieces.end(), left.begin(), left.end());
    nOwnAt = pieces.size();
    pieces.push_back(nRow);
    pieces.insert(pieces.end(), right.begin(), right.end());
    pieces.insert(pieces.end(), half, children.end());
    return pieces;
}

// Beside their child's row: after the first half of the children, and after the in-laws that
// follow the last of them.
std::size_t KIN_GedcomTreeLayout::OwnPlace(const std::vector<std::int32_t>& children) const
{
    std::size_t nChildren = 0;
    for (const std::int32_t nChild : children)
        nChildren += m_forest.IsInLaw(nChild) ? 0 : 1;
    std::size_t nAt = 0;
    for (std::size_t nPassed = 0; nPassed < nChildren / 2; ++nAt)
        nPassed += m_forest.IsInLaw(children[nAt]) ? 0 : 1;
    while (nAt < children.size() && nAt > 0 && m_forest.IsInLaw(children[nAt]) &&
           !m_forest.IsInLaw(children[nAt - 1]))
        ++nAt;
    return nAt;
}

void KIN_GedcomTreeLayout::LayOut(std::int32_t nRow)
{
    std::size_t nOwnAt = 0;
    const std::vector<std::int32_t> pieces = Pieces(nRow, nOwnAt);
    const Span& span = m_spans[static_cast<std::size_t>(nRow)];
    KIN_GedcomContour outline(span.nFirst, span.nEnd);
    const std::vector<std::int32_t> firstColumns = Pack(pieces, nRow, outline);
    const std::int32_t nOwnColumn = firstColumns[nOwnAt];
    for (std::size_t n = 0; n < pieces.size(); ++n)
    {
        if (n == nOwnAt)
            continue;
        m_offsets[static_cast<std::size_t>(pieces[n])] = firstColumns[n] - nOwnColumn;
        m_outlines[static_cast<std::size_t>(pieces[n])].Clear();
    }
    outline.Move(-nOwnColumn);
    m_outlines[static_cast<std::size_t>(nRow)] = std::move(outline);
}

std::vector<std::int32_t> KIN_GedcomTreeLayout::Pack(const std::vector<std::int32_t>& pieces,
                                                     std::int32_t nOwnRow,
                                                     KIN_GedcomContour& outline)
{
    std::vector<std::int32_t> firstColumns;
    firstColumns.reserve(pieces.size());
    for (const std::int32_t nPiece : pieces)
    {
        const std::int32_t nWidth = m_rows.All()[static_cast<std::size_t>(nPiece)].Width();
        KIN_GedcomContour own;
        if (nPiece == nOwnRow)
        {
            const Span span = RowSpan(nPiece);
            own = KIN_GedcomContour(span.nFirst, span.nEnd);
            own.Add(span.nFirst, span.nEnd, 0, nWidth - 1);
        }
        const KIN_GedcomContour& piece =
            nPiece == nOwnRow ? own : m_outlines[static_cast<std::size_t>(nPiece)];
        std::int32_t nColumn = firstColumns.empty() ? 0 : firstColumns.back();
        nColumn = std::max(nColumn, outline.ShiftToRight(piece));
        outline.Merge(piece, nColumn);
        firstColumns.push_back(nColumn);
    }
    return firstColumns;
}

void KIN_GedcomTreeLayout::SetColumns()
{
    const std::vector<std::int32_t>& roots = m_forest.Roots();
    const std::int64_t nSteps =
        (static_cast<std::int64_t>(m_years.size()) + m_nStepDivisor - 1) / m_nStepDivisor + 1;
    KIN_GedcomContour outline(0, static_cast<std::int32_t>(nSteps));
    const std::vector<std::int32_t> firstColumns = Pack(roots, -1, outline);
    for (std::size_t n = 0; n < roots.size(); ++n)
        m_rowColumns[static_cast<std::size_t>(roots[n])] = firstColumns[n];
    const std::vector<std::int32_t>& order = m_forest.PostOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
    {
        for (const std::int32_t nChild : m_forest.Children(*it))
            m_rowColumns[static_cast<std::size_t>(nChild)] =
                m_rowColumns[static_cast<std::size_t>(*it)] +
                m_offsets[static_cast<std::size_t>(nChild)];
    }
    m_columns.assign(m_lifespans.size(), -1);
    if (m_rowColumns.empty())
        return;
    const std::int32_t nLeftmost = *std::min_element(m_rowColumns.begin(), m_rowColumns.end());
    for (std::size_t nRow = 0; nRow < m_rowColumns.size(); ++nRow)
    {
        std::int32_t nColumn = m_rowColumns[nRow] - nLeftmost;
        for (std::int32_t nMember = m_rows.All()[nRow].nFirst; nMember >= 0;
             nMember = m_rows.Next(nMember))
        {
            m_columns[static_cast<std::size_t>(nMember)] = nColumn;
            nColumn += kWidth;
        }
    }
}

void KIN_GedcomTreeLayout::RemoveUnusedColumns()
{
    std::vector<char> used(static_cast<std::size_t>(KIN_GedcomRows::Width(m_columns)), 0);
    for (const std::int32_t nColumn : m_columns)
    {
        if (nColumn >= 0)
            std::fill_n(used.begin() + nColumn, kWidth, 1);
    }
    std::vector<std::int32_t> shifts(used.size(), 0);
    std::int32_t nUnused = 0;
    for (std::size_t n = 0; n < used.size(); ++n)
    {
        shifts[n] = nUnused;
        nUnused += used[n] ? 0 : 1;
    }
    for (std::int32_t& nColumn : m_columns)
    {
        if (nColumn >= 0)
            nColumn -= shifts[static_cast<std::size_t>(nColumn)];
    }
}
