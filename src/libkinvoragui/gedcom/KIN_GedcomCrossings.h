#ifndef KIN_GEDCOMCROSSINGS_H
#define KIN_GEDCOMCROSSINGS_H

#include "KIN_GedcomLifespan.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <utility>
#include <vector>

// Counts how many other periods the level legs of a layout's parent-child links run across, as
// the diagram draws them: each elbow's level leg runs at the parent's begin plus kLegYears (just
// below the title), from the parent's column to the child's, and crosses every period alive
// that year whose column lies between them, either end's column included. The years are read
// once; each layout of the same people is then counted in one sweep over them.
class KIN_GedcomCrossings
{
public:
    static constexpr std::int64_t kLegYears = 9;

    struct Count
    {
        std::int64_t nCrossings = 0;
        std::size_t nLegs = 0; // of a parent and a child in different columns
    };

    KIN_GedcomCrossings(const KIN_GedcomTree& tree,
                        const std::vector<KIN_GedcomLifespan>& lifespans);

    // columns: the column of each person, -1 for those not drawn.
    Count Of(const std::vector<std::int32_t>& columns) const;

private:
    struct Leg
    {
        std::int64_t nYear;
        std::int32_t nParent;
        std::int32_t nChild;
    };
    bool Alive(std::int32_t nPerson, std::int64_t nYear) const;

    const std::vector<KIN_GedcomLifespan>& m_lifespans;
    std::vector<Leg> m_legs; // by year
    // By year: a period comes in at its begin (person + 1) and leaves after its end
    // (-(person + 1)).
    std::vector<std::pair<std::int64_t, std::int32_t>> m_changes;
};

#endif
