#ifndef KIN_GEDCOMCOUPLES_H
#define KIN_GEDCOMCOUPLES_H

#include "KIN_GedcomLifespan.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <vector>

// Rows of people who stand side by side. Families are taken in file order; the husband
// and the wife of one join when one ends a row on the right and the other starts a row on the
// left (the husband on the left when both could), so a person married twice stands between
// the two partners. Rows never close into a ring and hold at most kMaxRow people; a couple
// that cannot join stands apart.
class KIN_GedcomCouples
{
public:
    static constexpr std::int32_t kMaxRow = 6;

    KIN_GedcomCouples(const KIN_GedcomTree& tree, const std::vector<KIN_GedcomLifespan>& lifespans);

    // The person on the left or the right of nPerson, -1 for none.
    std::int32_t Left(std::int32_t nPerson) const { return m_left[At(nPerson)]; }
    std::int32_t Right(std::int32_t nPerson) const { return m_right[At(nPerson)]; }

private:
    static std::size_t At(std::int32_t nPerson) { return static_cast<std::size_t>(nPerson); }
    void Join(std::int32_t nHusband, std::int32_t nWife);
    void Link(std::int32_t nLeft, std::int32_t nRight);
    std::int32_t Row(std::int32_t nPerson);

    std::vector<std::int32_t> m_left;
    std::vector<std::int32_t> m_right;
    std::vector<std::int32_t> m_rowOf; // union-find over rows
    std::vector<std::int32_t> m_rowSize;
};

#endif
