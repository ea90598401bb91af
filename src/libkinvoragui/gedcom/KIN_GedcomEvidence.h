#ifndef KIN_GEDCOMEVIDENCE_H
#define KIN_GEDCOMEVIDENCE_H

#include "KIN_GedcomTree.h"

#include <cstdint>
#include <vector>

// What a file says about the years of one person, before any estimate.
//
// The begin is the year of the birth, else of the christening, else of the baptism (the
// first year a qualified date allows); the end is the year of the death, else of the burial,
// else of the cremation (the last year the date allows). The person's other events and
// marriages say the person was born before the first of them and lived until the last.
struct KIN_GedcomEvidence
{
    bool bBegin = false;
    bool bEnd = false;
    std::int64_t nBegin = 0;
    std::int64_t nEnd = 0;
    KIN_GedcomFact beginFact = KIN_GedcomFact::Birth;
    KIN_GedcomFact endFact = KIN_GedcomFact::Death;
    bool bBeginQualified = false;
    bool bEndQualified = false;
    bool bEvents = false; // other events or marriages with a year
    std::int64_t nFirstEvent = 0;
    std::int64_t nLastEvent = 0;
    bool bMarriage = false;
    std::int64_t nFirstMarriage = 0;

    // True when any year of the file places the person.
    bool Anchored() const { return bBegin || bEnd || bEvents; }

    // One a person, in the tree's order; years kept within nFirst..nLast.
    static std::vector<KIN_GedcomEvidence> Read(const KIN_GedcomTree& tree, std::int64_t nFirst,
                                                std::int64_t nLast);
};

#endif
