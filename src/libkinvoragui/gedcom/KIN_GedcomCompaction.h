#ifndef KIN_GEDCOMCOMPACTION_H
#define KIN_GEDCOMCOMPACTION_H

#include "KIN_GedcomRows.h"

#include <cstdint>
#include <vector>

// Moves every row as far left as it can go without changing the left-to-right order of the
// people alive in any year: rows are taken by their column, left first, and each goes to the
// first column right of every person already placed whose held years meet those of one of its
// own people. A row's people keep standing side by side, nothing comes to overlap, and the
// people a leg runs across in a year stay nearly the same, while the empty room the tree order
// leaves between branches goes. A row standing in the gap a partner's early death left in
// another row is still taken after that row, so it can move right; when the diagram would grow
// wider for it, the columns stay as they were. The same columns always give the same result.
class KIN_GedcomCompaction
{
public:
    static constexpr std::int32_t kWidth = KIN_GedcomRows::kWidth;

    explicit KIN_GedcomCompaction(const KIN_GedcomRows& rows) : m_rows(rows) {}

    // columns: the column of each person, -1 for those not drawn; compacted in place.
    void Compact(std::vector<std::int32_t>& columns) const;

private:
    void MoveLeft(std::vector<std::int32_t>& columns) const;

    const KIN_GedcomRows& m_rows;
};

#endif
