#ifndef KIN_GEDCOMLAYOUTMEASURE_H
#define KIN_GEDCOMLAYOUTMEASURE_H

#include "KIN_GedcomLifespan.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <vector>

// How readable a layout of a tree is, as the diagram draws it: periods kWidth columns wide,
// an elbow from each parent to each child whose level leg crosses other periods as
// KIN_GedcomCrossings counts them.
struct KIN_GedcomLayoutMeasure
{
    double dWidthToBound = 0;   // columns used against the least any layout could use
    double dCouplesBeside = 0;  // share of drawn couples standing side by side
    double dDistanceMedian = 0; // parent-child horizontal distance, in columns
    double dDistanceP90 = 0;
    double dDistanceMax = 0;
    double dLegPerPerson = 0;       // total level-leg length in columns, per drawn person
    double dCrossingsPerLeg = 0;    // other periods a level leg runs across, on average
    double dCrossingsPerPerson = 0; // the same, all legs together, per drawn person

    static KIN_GedcomLayoutMeasure Of(const KIN_GedcomTree& tree,
                                      const std::vector<KIN_GedcomLifespan>& lifespans,
                                      const std::vector<std::int32_t>& columns);
};

#endif
