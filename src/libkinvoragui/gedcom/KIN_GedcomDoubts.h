#ifndef KIN_GEDCOMDOUBTS_H
#define KIN_GEDCOMDOUBTS_H

#include "KIN_GedcomEvidence.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <vector>

// Finds the dates of a file that break the bounds of a life badly, so that the person is
// placed as if they were unknown.
//
// A date after the current year is doubtful. The others conflict in pairs: a person's birth
// and death when the life runs over the estimator's longest life or ends before it begins; a
// child's birth and a parent's birth when the parent was under kYoungestParent; a child's
// birth and the mother's death when the child came after it. Of each pair one date is
// doubtful: the one in more conflicts (a parent's birth written "20" conflicts with all their
// children), on a tie the child's birth, and for a life the year farther from what the
// person's dated relatives suggest (the birth when they suggest nothing). Pairs are settled
// from the dates in most conflicts down; a pair one of whose dates is doubtful already is
// settled.
class KIN_GedcomDoubts
{
public:
    static constexpr std::int64_t kYoungestParent = 12;

    // Sets the doubtful dates of evidence aside (bBegin, bEnd false); returns per person
    // whether its begin (bit 0) and its end (bit 1) were doubtful.
    static std::vector<std::uint8_t> SetAside(const KIN_GedcomTree& tree, std::int64_t nCurrentYear,
                                              std::vector<KIN_GedcomEvidence>& evidence);

private:
    struct Conflict
    {
        std::size_t nLikely; // the date doubted on a tie: person * 2 + 1 for an end
        std::size_t nOther;
    };

    static std::vector<Conflict> FindConflicts(const KIN_GedcomTree& tree,
                                               const std::vector<KIN_GedcomEvidence>& evidence);
    // The birth year the person's dated relatives suggest, false when none is dated.
    static bool Suggested(const KIN_GedcomTree& tree,
                          const std::vector<KIN_GedcomEvidence>& evidence, std::size_t nPerson,
                          double& dYear);
};

#endif
