#ifndef KIN_GEDCOMROWS_H
#define KIN_GEDCOMROWS_H

#include "KIN_GedcomCouples.h"
#include "KIN_GedcomLifespan.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <vector>

// The units the layout places: the rows of KIN_GedcomCouples, each kWidth columns a person,
// holding its columns from its earliest begin to the end of each of its people.
class KIN_GedcomRows
{
public:
    static constexpr std::int32_t kWidth = 2;
    // A period holds its columns at least this long: the room its title takes on the axis.
    static constexpr std::int64_t kTitleYears = 35;

    struct Row
    {
        std::int64_t nStart = 0; // the earliest begin of its people
        std::int64_t nEnd = 0;   // the latest year it holds a column
        std::int32_t nFirst = 0; // the person on the left
        std::int32_t nCount = 0;
        std::int32_t Width() const { return kWidth * nCount; }
    };

    KIN_GedcomRows(const KIN_GedcomTree& tree, const std::vector<KIN_GedcomLifespan>& lifespans);

    // In the order of their start, then of their first person in the file.
    const std::vector<Row>& All() const { return m_rows; }
    // The index of the row a drawn person stands in.
    std::int32_t RowOf(std::int32_t nPerson) const
    {
        return m_rowOf[static_cast<std::size_t>(nPerson)];
    }
    // The person right of nPerson in their row, -1 at its end.
    std::int32_t Next(std::int32_t nPerson) const { return m_couples.Right(nPerson); }
    // Until when the person holds their columns.
    std::int64_t HeldUntil(std::int32_t nPerson) const;
    // How many columns a layout takes: up to the right edge of its rightmost person.
    static std::int32_t Width(const std::vector<std::int32_t>& columns);

private:
    const std::vector<KIN_GedcomLifespan>& m_lifespans;
    KIN_GedcomCouples m_couples;
    std::vector<Row> m_rows;
    std::vector<std::int32_t> m_rowOf;
};

#endif
