#ifndef KIN_GEDCOMESTIMATOR_H
#define KIN_GEDCOMESTIMATOR_H

#include "KIN_GedcomLifespan.h"
#include "KIN_GedcomProgress.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <vector>

// Gives every person a begin and an end year, estimating the missing ones from relatives.
//
// Known years: the begin is the year of the birth, else of the christening, else of the
// baptism (the first year a qualified date allows); the end is the year of the death, else
// of the burial, else of the cremation (the last year the date allows).
//
// Missing begins, in rounds, so that a person's estimate never depends on the order of the
// file: the people with a known begin start; each round estimates every
// undated person next to someone dated in the round before as the mean (rounded down) of
// what those relatives suggest: a parent's year + 28 for a child, a child's year - 28 for a
// parent, a husband's year + 3 for a wife and a wife's year - 3 for a husband. Rounds go on
// as long as they reach someone, so a date spreads to any distance. An estimate stays within the
// 100 years before a known end and never passes the current year. People still undated but with a
// known end begin 70 years before it, and spread their estimates in the same way to their undated
// relatives. Whoever is left has no date and no dated relative at any distance, and is left out.
//
// Missing ends: someone born less than 100 years before the current year is taken to live
// and ends at the current year (not an estimate); anyone else ends 70 years after their
// begin, estimated.
class KIN_GedcomEstimator
{
public:
    KIN_GedcomEstimator(const KIN_GedcomTree& tree, std::int32_t nCurrentYear);

    // One lifespan per person of the tree; false when the caller cancelled.
    bool Estimate(KIN_GedcomProgress& progress, std::vector<KIN_GedcomLifespan>& lifespans);

private:
    void ReadKnownYears();
    // Spreads begins from sources, round after round; false when cancelled.
    bool Spread(std::vector<std::int32_t> sources);
    void EstimateRound(const std::vector<std::int32_t>& reached);
    void BeginFromKnownEnds(std::vector<std::int32_t>& sources);
    void SetEnds();
    bool ReportProgress();
    // Calls visit(relative, years to add to the person's begin to suggest the relative's).
    template <class Visit> void ForEachRelative(std::int32_t nPerson, Visit visit) const;

    const KIN_GedcomTree& m_tree;
    std::int64_t m_nCurrentYear;
    KIN_GedcomProgress* m_pProgress = nullptr;
    std::vector<KIN_GedcomLifespan>* m_pLifespans = nullptr;
    std::vector<char> m_bKnownEnd;
    std::vector<std::int64_t> m_knownEnds;
    std::vector<std::int64_t> m_suggestedSums;
    std::vector<std::int32_t> m_suggestedCounts;
    std::size_t m_nSettled = 0;
};

#endif
