#ifndef KIN_GEDCOMESTIMATOR_H
#define KIN_GEDCOMESTIMATOR_H

#include "KIN_GedcomEvidence.h"
#include "KIN_GedcomLifespan.h"
#include "KIN_GedcomProgress.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <vector>

// Gives every person a begin and an end year from all the evidence of the file, estimating
// the missing ones together.
//
// The file's years (KIN_GedcomEvidence) stand, unless doubtful (KIN_GedcomDoubts): those are
// set aside and estimated as if unknown. A person is drawn when they or someone related to
// them at any distance has a year; the others are left out.
//
// The unknown begins are fitted all at once, by least squares: each child kGeneration years
// after each parent, a wife kSpouseGap years after her husband, a married person
// kMarriageAge years before their first marriage, and a person with a known end kLifetime
// years before it (half the weight). The fit keeps hard bounds: each child kYoungest to
// kOldest years after each parent and no later than the mother's death, a begin before the
// person's first event, death and first marriage (kYoungestMarriage years before it), within
// kLongestLife years before the death and the last event, and never after the current year.
// Bounds that follow from the known years of ancestors and descendants along the lines are
// kept first, so a line with one date never runs into the current year, and a person between
// a dated ancestor and a dated descendant falls between them. Where the bounds cannot all
// hold, the later ones (the current year, the descendants) win. The fit is a projected
// over-relaxed Gauss-Seidel sweep, in the order of the generations, the same every time.
//
// Ends: a known end stands. Someone born less than kAliveYears before the current year is
// taken to live and ends at the current year (not an estimate); anyone else is estimated to end
// kLifetime years after their begin, or later to outlive their last event and last child,
// never after the current year.
class KIN_GedcomEstimator
{
public:
    static constexpr double kGeneration = 28;
    static constexpr double kSpouseGap = 3; // the husband is taken to be the elder
    static constexpr double kMarriageAge = 25;
    static constexpr double kLifetime = 70;
    static constexpr double kYoungest = 15;
    static constexpr double kOldest = 60;
    static constexpr double kYoungestMarriage = 12;
    static constexpr double kLongestLife = 120;
    static constexpr std::int64_t kAliveYears = 100;

    KIN_GedcomEstimator(const KIN_GedcomTree& tree, std::int32_t nCurrentYear);

    // One lifespan per person of the tree; false when the caller cancelled.
    bool Estimate(KIN_GedcomProgress& progress, std::vector<KIN_GedcomLifespan>& lifespans);

private:
    enum class Relation : std::uint8_t
    {
        Parent, // the other is a parent
        Child,
        Husband,
        Wife
    };
    struct Link
    {
        std::int32_t nOther;
        Relation relation;
    };

    void MakeLinks();
    void OwnTargets();
    // Spreads first guesses from the anchored, round after round; marks who is drawn.
    bool Spread(KIN_GedcomProgress& progress);
    void MakeOrder();
    void MakeBounds();
    bool Fit(KIN_GedcomProgress& progress);
    // One update of an unknown begin; returns how far it moved.
    double Update(std::size_t nPerson, double dRelax);
    void SetLifespans(const std::vector<std::uint8_t>& doubted,
                      std::vector<KIN_GedcomLifespan>& lifespans) const;
    std::int64_t EstimatedEnd(std::size_t nPerson, std::int64_t nBegin) const;

    const KIN_GedcomTree& m_tree;
    std::int64_t m_nCurrentYear;
    std::vector<KIN_GedcomEvidence> m_evidence;
    std::vector<std::int32_t> m_firstLink; // people's links: m_links[first[n]..first[n + 1])
    std::vector<Link> m_links;
    std::vector<double> m_ownTargets; // what the person's own evidence suggests, weighted
    std::vector<double> m_ownWeights;
    std::vector<char> m_bDrawn;
    std::vector<double> m_years; // the begin of each drawn person, fitted
    std::vector<double> m_low;
    std::vector<double> m_high;
    std::vector<std::int32_t> m_order; // the drawn, parents before children where they can be
};

#endif
