#ifndef KIN_GEDCOMLAYOUT_H
#define KIN_GEDCOMLAYOUT_H

#include "KIN_GedcomCrossings.h"
#include "KIN_GedcomLifespan.h"
#include "KIN_GedcomProgress.h"
#include "KIN_GedcomRows.h"
#include "KIN_GedcomTracks.h"
#include "KIN_GedcomTree.h"
#include "KIN_GedcomTreeLayout.h"

#include <cstdint>
#include <vector>

// Gives each drawn person a column, readability first:
// 1. The tree order (KIN_GedcomTreeLayout): couples side by side, children under and beside
//    their parents, branches packed against each other in time.
// 2. Sweeps: the rows under each row, and the trees of the forest, are reordered by the mean
//    column of the relatives their subtrees have elsewhere (in-laws' parents, cousins
//    married), as storyline layouts reorder their lines; then each such list is sifted as
//    bands, one a subtree (KIN_GedcomBandOrder), so that the links between the subtrees and
//    to their relatives outside are short, where the barycentre of a subtree of thousands of
//    rows would hardly move it. Each order is laid out again; the one with the shortest links
//    from parents to children is kept (the first on a tie), as long as it is no wider than
//    the tree order and its legs cross no more people (KIN_GedcomCrossings).
//    Small forests get more sweeps than large ones, so the largest keep their import time.
// 3. Without an allowance, the kept order is compacted (KIN_GedcomCompaction): each row moves
//    left while the people alive in any year keep their order, which narrows the diagram and
//    shortens the longest links; it is kept only when the links are no longer in all and
//    cross no more people than the tree order's: a leg runs before its child is born, so
//    the child may pass people who died before that.
// 4. A forest of up to kMostEraRows rows is laid out again cut into eras of a few generations
//    (KIN_GedcomRowForest), swept and compacted the same way: where many houses marry each
//    other, the order that keeps one era's marriages short is not the next era's. The eras
//    are kept when their links are shorter in a greater proportion than they are wider, and
//    cross no more people.
// 5. With an allowance, the kept order is instead packed in time into tracks that keep that
//    order (KIN_GedcomTracks): narrower, at the cost of longer links that cross more people.
// The same file always gives the same columns.
class KIN_GedcomLayout
{
public:
    static constexpr std::int32_t kWidth = KIN_GedcomRows::kWidth;
    // Small trees get more sweeps; the largest keep to their import time.
    static constexpr std::size_t kLeastSweeps = 2;
    static constexpr std::size_t kMostSweeps = 6;
    static constexpr std::size_t kSweepRows = 120000;
    // Forests up to this many rows are also tried cut into eras of these many generations,
    // with the fewest sweeps each.
    static constexpr std::size_t kMostEraRows = 10000;
    static constexpr std::int32_t kFewestEraGenerations = 3;
    static constexpr std::int32_t kMostEraGenerations = 4;

    // dAllowance: 0 keeps the tree order's width; else how much wider than the least width
    // the packed diagram may grow to keep families together.
    KIN_GedcomLayout(const KIN_GedcomTree& tree, const std::vector<KIN_GedcomLifespan>& lifespans,
                     double dAllowance = 0)
        : m_tree(tree), m_lifespans(lifespans), m_dAllowance(dAllowance),
          m_crossings(tree, lifespans)
    {
    }

    // The column of each person, -1 for those not drawn; false when the caller cancelled.
    bool Arrange(KIN_GedcomProgress& progress, std::vector<std::int32_t>& columns);

    // The total horizontal length of the links from parents to children who are both drawn.
    static std::int64_t LinkLength(const KIN_GedcomTree& tree,
                                   const std::vector<std::int32_t>& columns);
    // How many sweeps a forest of nRows rows gets: about kSweepRows rows laid out in all.
    static std::int32_t Sweeps(std::size_t nRows);

private:
    struct Candidate
    {
        std::vector<std::int32_t> columns;
        std::int64_t nLength = 0; // LinkLength
        std::int32_t nWidth = 0;
        std::int64_t nCrossings = 0; // KIN_GedcomCrossings
    };
    // The layouts after the tree order, each a step of the progress's Arrange stage.
    class Steps
    {
    public:
        Steps(KIN_GedcomProgress& progress, std::size_t nTotal)
            : m_progress(progress), m_nTotal(nTotal)
        {
        }
        // One more layout done; false when the caller cancelled.
        bool Next();

    private:
        KIN_GedcomProgress& m_progress;
        std::size_t m_nTotal;
        std::size_t m_nDone = 0;
    };
    Candidate Measure(std::vector<std::int32_t> columns) const;
    // best: on entry the tree order of treeLayout's last Arrange, on return the shortest of it
    // and its reorderings; false when cancelled.
    bool Sweep(KIN_GedcomTreeLayout& treeLayout, std::int32_t nSweeps, std::int64_t nMostCrossings,
               Steps& steps, Candidate& best) const;
    // nMostCrossings: the crossings of the tree order, which no shape may exceed.
    Candidate Compact(const KIN_GedcomRows& rows, const Candidate& candidate,
                      std::int64_t nMostCrossings) const;
    // Replaces swept and compacted by the forest cut into eras where that is better; false
    // when cancelled.
    bool TryEras(const KIN_GedcomRows& rows, Steps& steps, std::int64_t nMostCrossings,
                 Candidate& swept, Candidate& compacted) const;
    void Pack(const KIN_GedcomRows& rows, std::vector<std::int32_t>& columns) const;

    const KIN_GedcomTree& m_tree;
    const std::vector<KIN_GedcomLifespan>& m_lifespans;
    double m_dAllowance;
    KIN_GedcomCrossings m_crossings;
};

#endif
