#ifndef KIN_GEDCOMBANDORDER_H
#define KIN_GEDCOMBANDORDER_H

#include <cstddef>
#include <cstdint>
#include <vector>

// Orders the trees of a forest, or the subtrees under one row, side by side so that the links
// between them are short: each tree is a band of its width, laid out from a first column on,
// and a link joins a place in one band to a place in another, or to a fixed column outside
// them all (a relative elsewhere in the diagram).
// Sifting: each tree in turn moves to the place in the order where the links' total length is
// least, until a pass gains nothing. It starts from the order given and from a walk along the
// links, read either way, and the shortest result is kept; a few trees are tried in every
// order, and too many for the work allowed are only walked. Trees without links keep their
// places. The barycentre sort of whole trees cannot do this: one tree's links pull it as much
// to trees far away as to those next to it, and a tree holding thousands of rows barely moves.
// The same input always gives the same order.
class KIN_GedcomBandOrder
{
public:
    static constexpr int kMostPasses = 6;
    // The most work one pass of sifting may take: linked trees times links and trees.
    static constexpr double kMostPassWork = 4e6;
    // Up to this many linked trees, every order is tried.
    static constexpr std::size_t kMostTried = 4;
    // The least gain in length that counts, so that rounding never makes a tree wander.
    static constexpr double kGain = 1e-6;

    // A link's nTreeB for a fixed column outside the bands; its dAtB is that column.
    static constexpr std::int32_t kFixed = -1;

    struct Link
    {
        std::int32_t nTreeA = 0;
        double dAtA = 0; // the place in band A, from its left edge
        std::int32_t nTreeB = 0;
        double dAtB = 0;
    };

    // widths: of each tree, indexed as in the links; dFirst: where the first band starts.
    KIN_GedcomBandOrder(std::vector<double> widths, std::vector<Link> links, double dFirst = 0);

    // The trees of order (indexes into widths), reordered.
    std::vector<std::int32_t> Sift(std::vector<std::int32_t> order) const;
    // The links' total length with the trees in that order.
    double Length(const std::vector<std::int32_t>& order) const;

private:
    std::vector<std::int32_t> Best(std::vector<std::int32_t> order) const;
    std::vector<std::int32_t> Walk(const std::vector<std::int32_t>& order) const;
    std::vector<std::int32_t> SiftFrom(std::vector<std::int32_t> order) const;
    // Moves the tree at nAt to its best place; true when that lowers the total length.
    bool SiftOne(std::vector<std::int32_t>& order, std::size_t nAt) const;

    std::vector<double> m_widths;
    std::vector<Link> m_links;
    std::vector<std::vector<std::int32_t>> m_linksOf; // indexes of each tree's links
    std::vector<char> m_linked;                       // linked to another tree
};

#endif
