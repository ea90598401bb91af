#ifndef KIN_GEDCOMLAYOUT_H
#define KIN_GEDCOMLAYOUT_H

#include "KIN_GedcomLifespan.h"
#include "KIN_GedcomProgress.h"
#include "KIN_GedcomRows.h"
#include "KIN_GedcomTracks.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <vector>

// Gives each drawn person a column: first in the order of the family tree
// (KIN_GedcomTreeLayout: couples side by side, children under their parents, branches
// apart), then packed in time into tracks that keep that order (KIN_GedcomTracks), so the
// diagram is little wider than the most people alive at once need. The same file always
// gives the same columns.
class KIN_GedcomLayout
{
public:
    static constexpr std::int32_t kWidth = KIN_GedcomRows::kWidth;

    // dAllowance: how much wider than the least width the diagram may grow to keep
    // families together (KIN_GedcomTracks).
    KIN_GedcomLayout(const KIN_GedcomTree& tree, const std::vector<KIN_GedcomLifespan>& lifespans,
                     double dAllowance = KIN_GedcomTracks::kAllowance)
        : m_tree(tree), m_lifespans(lifespans), m_dAllowance(dAllowance)
    {
    }

    // The column of each person, -1 for those not drawn; false when the caller cancelled.
    bool Arrange(KIN_GedcomProgress& progress, std::vector<std::int32_t>& columns);

private:
    const KIN_GedcomTree& m_tree;
    const std::vector<KIN_GedcomLifespan>& m_lifespans;
    double m_dAllowance;
};

#endif
