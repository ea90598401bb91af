#ifndef KIN_GEDCOMROOTORDER_H
#define KIN_GEDCOMROOTORDER_H

#include <cstdint>
#include <vector>

// Orders the trees of a forest side by side so that the links between them are short: each
// tree is a band of its width, and a link joins a place in one band to a place in another.
// Sifting: each tree in turn moves to the place in the order where the links' total length
// is least, until a pass gains nothing; it starts once from the order given and once from a
// walk along the links read either way, and the shortest result is kept. The barycentre sort of
// whole trees cannot do this: one tree's links pull it as much to trees far away as to those next
// to it, and a tree holding thousands of rows barely moves. The same input always gives the same
// order.
class KIN_GedcomRootOrder
{
public:
    static constexpr int kMostPasses = 6;
    // The least gain in length that counts, so that rounding never makes a tree wander.
    static constexpr double kGain = 1e-6;

    struct Link
    {
        std::int32_t nTreeA = 0;
        double dAtA = 0; // the place in band A, from its left edge
        std::int32_t nTreeB = 0;
        double dAtB = 0;
    };

    // widths: of each tree, indexed as in the links.
    KIN_GedcomRootOrder(std::vector<double> widths, std::vector<Link> links);

    // The trees of order (indexes into widths), reordered.
    std::vector<std::int32_t> Sift(std::vector<std::int32_t> order) const;
    // The links' total length with the trees in that order.
    double Length(const std::vector<std::int32_t>& order) const;

private:
    std::vector<std::int32_t> Walk(const std::vector<std::int32_t>& order) const;
    std::vector<std::int32_t> SiftFrom(std::vector<std::int32_t> order) const;
    // Moves the tree at nAt to its best place; true when that lowers the total length.
    bool SiftOne(std::vector<std::int32_t>& order, std::size_t nAt) const;

    std::vector<double> m_widths;
    std::vector<Link> m_links;
    std::vector<std::vector<std::int32_t>> m_linksOf; // indexes of each tree's links
};

#endif
