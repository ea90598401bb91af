// Counting the people a parent's level leg runs across, as the diagram draws it.
#include "KIN_GedcomCrossings.h"

#include <gtest/gtest.h>

#include <vector>

namespace
{
// A couple (0, 1) born 1900 and 1902 at columns 10 and 12, their child (2) born 1930, and one
// other person (3) whose life and column each case sets.
struct CrossingCase
{
    const char* pWhat;
    std::int32_t nChildColumn;
    std::int32_t nOtherColumn;
    std::int64_t nOtherBegin;
    std::int64_t nOtherEnd;
    bool bOtherDrawn;
    std::int64_t nCrossings;
    std::size_t nLegs;
};

class GedcomCrossingsTest : public ::testing::TestWithParam<CrossingCase>
{
};

KIN_GedcomLifespan Life(std::int64_t nBegin, std::int64_t nEnd, bool bDrawn = true)
{
    KIN_GedcomLifespan lifespan;
    lifespan.bDrawn = bDrawn;
    lifespan.nBegin = nBegin;
    lifespan.nEnd = nEnd;
    return lifespan;
}
} // namespace

TEST_P(GedcomCrossingsTest, CountsThePeopleAliveBetweenTheEndsWhenTheLegIsDrawn)
{
    const CrossingCase& c = GetParam();
    KIN_GedcomTree tree;
    tree.people.resize(4);
    KIN_GedcomFamily family;
    family.nHusband = 0;
    family.nWife = 1;
    family.children = {2};
    tree.families.push_back(family);
    const std::vector<KIN_GedcomLifespan> lifespans = {
        Life(1900, 1970), Life(1902, 1980), Life(1930, 2000),
        Life(c.nOtherBegin, c.nOtherEnd, c.bOtherDrawn)};
    const std::vector<std::int32_t> columns = {10, 12, c.nChildColumn,
                                               c.bOtherDrawn ? c.nOtherColumn : -1};
    const KIN_GedcomCrossings::Count count = KIN_GedcomCrossings(tree, lifespans).Of(columns);
    EXPECT_EQ(count.nCrossings, c.nCrossings) << c.pWhat;
    EXPECT_EQ(count.nLegs, c.nLegs) << c.pWhat;
}

// The husband's leg runs in 1909, the wife's in 1911.
INSTANTIATE_TEST_SUITE_P(
    Cases, GedcomCrossingsTest,
    ::testing::Values(CrossingCase{"child right: the husband's leg crosses his wife", 14, 40, 1900,
                                   1950, true, 1, 2},
                      CrossingCase{"child left: the wife's leg crosses her husband", 6, 40, 1900,
                                   1950, true, 1, 2},
                      CrossingCase{"someone alive between them crosses both legs", 16, 14, 1880,
                                   1950, true, 3, 2},
                      CrossingCase{"born after the husband's leg, before the wife's", 16, 14, 1910,
                                   1950, true, 2, 2},
                      CrossingCase{"dead before either leg", 16, 14, 1850, 1905, true, 1, 2},
                      CrossingCase{"beyond the child", 16, 18, 1880, 1950, true, 1, 2},
                      CrossingCase{
                          "in the child's column, dead before the child: the leg still meets it",
                          16, 16, 1880, 1925, true, 3, 2},
                      CrossingCase{"not drawn", 16, 14, 1880, 1950, false, 1, 2},
                      CrossingCase{"child under the husband: only the wife's leg, across him", 10,
                                   40, 1900, 1950, true, 1, 1}));
