#ifndef KIN_GEDCOMLIFESPAN_H
#define KIN_GEDCOMLIFESPAN_H

#include "KIN_GedcomTree.h"

#include <cstdint>

// How a year of a lifespan was found.
enum class KIN_GedcomYearKind : std::uint8_t
{
    Exact,     // from the file's date
    Estimated, // the file has no date for it
    Doubtful   // the file's date broke the bounds of a life: estimated as if unknown
};

// The years a person's period spans, within the diagram's limits (begin -100G..2199, end up
// to 2200, end >= begin), how each was found, and which facts the file's dates came from.
struct KIN_GedcomLifespan
{
    bool bDrawn = false; // false for a person left out: no date reaches them
    std::int64_t nBegin = 0;
    std::int64_t nEnd = 0;
    KIN_GedcomYearKind begin = KIN_GedcomYearKind::Exact;
    KIN_GedcomYearKind end = KIN_GedcomYearKind::Exact;
    // The file's date is not one plain date: about, calculated, estimated, before, after,
    // between, from-to, interpreted or free text.
    bool bBeginQualified = false;
    bool bEndQualified = false;
    // No death known and young enough to be alive: the period runs to the current year.
    bool bLiving = false;
    // The facts whose dates gave (or, doubtful, were set aside for) the years.
    KIN_GedcomFact beginFact = KIN_GedcomFact::Birth;
    KIN_GedcomFact endFact = KIN_GedcomFact::Death;

    bool BeginEstimated() const { return begin != KIN_GedcomYearKind::Exact; }
    bool EndEstimated() const { return end != KIN_GedcomYearKind::Exact; }
    bool Doubtful() const
    {
        return begin == KIN_GedcomYearKind::Doubtful || end == KIN_GedcomYearKind::Doubtful;
    }
};

#endif
