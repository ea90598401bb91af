// Ordering whole trees side by side so that the links between them are short.
#include "KIN_GedcomBandOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <numeric>
#include <random>
#include <vector>

namespace
{
using Link = KIN_GedcomBandOrder::Link;

std::vector<std::int32_t> Identity(std::size_t nTrees)
{
    std::vector<std::int32_t> order(nTrees);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

// Trees linked one to the next, handed over shuffled: sifting finds an order as short as the
// best of all orders, and repeats itself.
TEST(GedcomBandOrderTest, ChainsComeOutInLine)
{
    for (std::uint32_t nSeed = 1; nSeed <= 20; ++nSeed)
    {
        std::mt19937 random(nSeed);
        const std::size_t nTrees = 3 + nSeed % 5;
        std::vector<double> widths;
        std::vector<Link> links;
        for (std::size_t n = 0; n < nTrees; ++n)
            widths.push_back(2 + random() % 20);
        for (std::size_t n = 0; n + 1 < nTrees; ++n)
        {
            links.push_back({static_cast<std::int32_t>(n),
                             static_cast<double>(random() % static_cast<unsigned>(widths[n])),
                             static_cast<std::int32_t>(n + 1),
                             static_cast<double>(random() % static_cast<unsigned>(widths[n + 1]))});
        }
        const KIN_GedcomBandOrder bandOrder(widths, links);
        std::vector<std::int32_t> start = Identity(nTrees);
        std::shuffle(start.begin(), start.end(), random);
        const std::vector<std::int32_t> sifted = bandOrder.Sift(start);
        EXPECT_EQ(bandOrder.Sift(start), sifted);
        std::vector<std::int32_t> sorted = sifted;
        std::sort(sorted.begin(), sorted.end());
        ASSERT_EQ(sorted, Identity(nTrees));

        double dBest = bandOrder.Length(sorted);
        do
            dBest = std::min(dBest, bandOrder.Length(sorted));
        while (std::next_permutation(sorted.begin(), sorted.end()));
        EXPECT_NEAR(bandOrder.Length(sifted), dBest, 1e-9) << nSeed;
    }
}

// Any links, to other trees or to fixed columns: never longer than the order it starts from, and no
// single linked tree moved elsewhere shortens the result; trees without links keep their order
// among themselves.
TEST(GedcomBandOrderTest, SiftingEndsWhereNoMoveGains)
{
    for (std::uint32_t nSeed = 1; nSeed <= 30; ++nSeed)
    {
        std::mt19937 random(nSeed);
        const std::size_t nTrees = 4 + nSeed % 9;
        std::vector<double> widths;
        for (std::size_t n = 0; n < nTrees; ++n)
            widths.push_back(1 + random() % 40);
        std::vector<Link> links;
        const std::size_t nLinked = nTrees - 2; // the last two have no links
        for (std::size_t n = 0; n < 3 * nTrees; ++n)
        {
            const auto nA = static_cast<std::int32_t>(random() % nLinked);
            const auto nB = static_cast<std::int32_t>(random() % nLinked);
            // A third go to relatives outside, at columns about the bands.
            if (n % 3 == 0)
                links.push_back({nA, static_cast<double>(random() % 10),
                                 KIN_GedcomBandOrder::kFixed, 50.0 + random() % 300});
            else
                links.push_back({nA, static_cast<double>(random() % 10), nB,
                                 static_cast<double>(random() % 10)});
        }
        const KIN_GedcomBandOrder bandOrder(widths, links, 100);
        const std::vector<std::int32_t> start = Identity(nTrees);
        const std::vector<std::int32_t> sifted = bandOrder.Sift(start);
        const double dLength = bandOrder.Length(sifted);
        EXPECT_LE(dLength, bandOrder.Length(start));
        const auto at = [&](std::int32_t nTree)
        { return std::find(sifted.begin(), sifted.end(), nTree) - sifted.begin(); };
        EXPECT_LT(at(static_cast<std::int32_t>(nTrees - 2)),
                  at(static_cast<std::int32_t>(nTrees - 1)));
        for (std::size_t nFrom = 0; nFrom < nTrees; ++nFrom)
        {
            for (std::size_t nTo = 0; nTo < nTrees; ++nTo)
            {
                std::vector<std::int32_t> moved = sifted;
                const std::int32_t nTree = moved[nFrom];
                if (static_cast<std::size_t>(nTree) >= nLinked)
                    continue; // those without links stay where they are
                moved.erase(moved.begin() + static_cast<std::ptrdiff_t>(nFrom));
                moved.insert(moved.begin() + static_cast<std::ptrdiff_t>(nTo), nTree);
                EXPECT_GE(bandOrder.Length(moved), dLength - 1e-6) << nSeed;
            }
        }
    }
}

// Thousands of trees in a line, handed over in a scattered order: too many to sift, they are
// still walked into line, far shorter than they came.
TEST(GedcomBandOrderTest, ManyTreesAreWalkedIntoLine)
{
    constexpr std::int32_t kTrees = 5000;
    std::vector<Link> links;
    for (std::int32_t n = 0; n + 1 < kTrees; ++n)
        links.push_back({n, 1, n + 1, 1});
    const KIN_GedcomBandOrder bandOrder(std::vector<double>(kTrees, 2), links);
    std::vector<std::int32_t> start = Identity(kTrees);
    std::shuffle(start.begin(), start.end(), std::mt19937(7));
    const std::vector<std::int32_t> ordered = bandOrder.Sift(start);
    EXPECT_EQ(bandOrder.Length(ordered), 2.0 * (kTrees - 1));
    EXPECT_GT(bandOrder.Length(start), 100 * bandOrder.Length(ordered));
}
} // namespace
