#ifndef KIN_GEDCOMDIAGRAMBUILDER_H
#define KIN_GEDCOMDIAGRAMBUILDER_H

#include "KIN_GedcomDetails.h"
#include "KIN_GedcomImport.h"
#include "KIN_GedcomLifespan.h"
#include "KIN_GedcomProgress.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <vector>

// Writes the laid-out tree as a diagram: one period per drawn person in file order (ids 1,
// 2, ...), titled and detailed, its border telling men, women and others apart; an elbow
// link from point 1 of each parent to point 0 of each child, once; and the limits: the
// date-scale steps enclosing every period and the columns they use (at least 10). Beside the
// diagram, how sure each period's years are, in the order of the periods.
class KIN_GedcomDiagramBuilder
{
public:
    static constexpr std::int32_t kColorMan = 14;   // dark blue
    static constexpr std::int32_t kColorWoman = 12; // dark red
    static constexpr std::int32_t kColorOther = 2;  // dark gray

    KIN_GedcomDiagramBuilder(const KIN_GedcomTree& tree,
                             const std::vector<KIN_GedcomLifespan>& lifespans,
                             const std::vector<std::int32_t>& columns,
                             const KIN_GedcomWords& words);

    // Fills the result's diagram and counts; false when the caller cancelled.
    bool Build(KIN_GedcomProgress& progress, KIN_GedcomResult& result);

private:
    bool AddPeriods(KIN_GedcomProgress& progress, KIN_GedcomResult& result);
    void AddLinks(KIN_DataDiagram& diagram) const;
    static void SetLimits(KIN_DataDiagram& diagram);
    // The earliest drawn person of the family with the most drawn people (the first on a tie).
    std::int32_t ShownId() const;

    const KIN_GedcomTree& m_tree;
    const std::vector<KIN_GedcomLifespan>& m_lifespans;
    const std::vector<std::int32_t>& m_columns;
    KIN_GedcomDetails m_details;
    std::vector<std::int32_t> m_ids; // the period id of each person, 0 when not drawn
};

#endif
