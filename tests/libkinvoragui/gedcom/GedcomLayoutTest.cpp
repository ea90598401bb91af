// Generated and hostile trees: whatever their shape, the diagram stays valid, free of
// overlaps and the same from one import to the next.
#include "GedcomTestSupport.h"
#include "KIN_GedcomCompaction.h"
#include "KIN_GedcomCrossings.h"
#include "KIN_GedcomEstimator.h"
#include "KIN_GedcomLayout.h"
#include "KIN_GedcomTreeLayout.h"
#include "KIN_GedcomTreeReader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace
{
// A random tree with the faults real files have: missing and qualified dates, remarriages,
// children listed only by their FAMC, pointers to nothing, and a few ancestry loops.
std::string RandomTree(std::uint32_t nSeed, int nPeople)
{
    std::mt19937 random(nSeed);
    const auto below = [&](int nLimit)
    { return static_cast<int>(random() % static_cast<unsigned>(nLimit)); };
    std::vector<int> born(static_cast<std::size_t>(nPeople));
    std::string people;
    std::string families;
    for (int n = 0; n < nPeople; ++n)
    {
        born[static_cast<std::size_t>(n)] = 1600 + n * 400 / nPeople + below(30);
        people += "0 @I" + std::to_string(n) + "@ INDI\n1 NAME P" + std::to_string(n) + "\n1 SEX " +
                  (below(2) ? "M" : "F") + "\n";
        const int nKind = below(10);
        const std::string year = std::to_string(born[static_cast<std::size_t>(n)]);
        if (nKind < 6)
            people += "1 BIRT\n2 DATE " + std::string(nKind == 0 ? "ABT " : "") + year + "\n";
        if (nKind < 4)
            people += "1 DEAT\n2 DATE " +
                      std::to_string(born[static_cast<std::size_t>(n)] + below(90)) + "\n";
    }
    for (int nFamily = 0; nFamily < nPeople / 3; ++nFamily)
    {
        const int nHusband = below(nPeople);
        families += "0 @F" + std::to_string(nFamily) + "@ FAM\n1 HUSB @I" +
                    std::to_string(nHusband) + "@\n1 WIFE @I" + std::to_string(below(nPeople)) +
                    "@\n";
        for (int nChild = below(5); nChild > 0; --nChild)
        {
            const int nOlder = nHusband + 1 + below(40);
            const int nTarget = below(20) == 0 ? below(nPeople) : std::min(nOlder, nPeople - 1);
            families +=
                "1 CHIL @I" + std::to_string(below(50) == 0 ? nPeople + 7 : nTarget) + "@\n";
        }
        if (below(4) == 0)
            people += "0 @I" + std::to_string(below(nPeople)) + "@ INDI\n1 FAMC @F" +
                      std::to_string(nFamily) + "@\n";
    }
    return GedcomFile(people + families);
}

// The tree of a file, read and with its years estimated, for the layouts to arrange.
struct EstimatedTree
{
    KIN_GedcomProgress progress{nullptr};
    KIN_GedcomTree tree;
    std::vector<KIN_GedcomLifespan> lifespans;

    void Read(const std::string& text)
    {
        ASSERT_TRUE(KIN_GedcomTreeReader(progress).Read(text, tree));
        ASSERT_TRUE(KIN_GedcomEstimator(tree, 2026).Estimate(progress, lifespans));
    }
};

// A random tree of the seed.
class GedcomRandomTreeTest : public ::testing::TestWithParam<std::uint32_t>, protected EstimatedTree
{
protected:
    void SetUp() override { Read(RandomTree(GetParam(), 400)); }
};

// Everyone drawn and only they have a column, each row's people stand side by side, and no
// two people take a column at once.
void ExpectRowsWholeWithoutOverlaps(const KIN_GedcomRows& rows,
                                    const std::vector<KIN_GedcomLifespan>& lifespans,
                                    const std::vector<std::int32_t>& columns)
{
    std::vector<std::size_t> drawn;
    for (std::size_t n = 0; n < columns.size(); ++n)
    {
        ASSERT_EQ(columns[n] >= 0, lifespans[n].bDrawn) << n;
        if (columns[n] < 0)
            continue;
        drawn.push_back(n);
        const std::int32_t nRight = rows.Next(static_cast<std::int32_t>(n));
        if (nRight >= 0)
        {
            EXPECT_EQ(columns[static_cast<std::size_t>(nRight)],
                      columns[n] + KIN_GedcomRows::kWidth);
        }
    }
    std::sort(drawn.begin(), drawn.end(),
              [&](std::size_t a, std::size_t b) { return columns[a] < columns[b]; });
    const auto heldUntil = [&](std::size_t n)
    { return rows.HeldUntil(static_cast<std::int32_t>(n)); };
    for (std::size_t i = 0; i < drawn.size(); ++i)
    {
        const std::size_t a = drawn[i];
        for (std::size_t j = i + 1;
             j < drawn.size() && columns[drawn[j]] - columns[a] < KIN_GedcomRows::kWidth; ++j)
        {
            const std::size_t b = drawn[j];
            EXPECT_TRUE(heldUntil(a) < lifespans[b].nBegin || heldUntil(b) < lifespans[a].nBegin)
                << a << " " << b;
        }
    }
}

TEST_P(GedcomRandomTreeTest, DiagramIsValidWithoutOverlapsAndRepeatable)
{
    const std::string text = RandomTree(GetParam(), 400);
    const KIN_GedcomResult result = Import(text);
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    ExpectValidDiagram(result.diagram);
    ExpectNoOverlaps(result.diagram);
    EXPECT_EQ(result.nPeople + result.nLeftOut, 400u);
    EXPECT_TRUE(SameDiagram(Import(text).diagram, result.diagram));
}

// The reordered layout keeps couples together without overlaps and never draws longer links,
// nor links crossing more people, than the tree order it starts from; the same tree gives the
// same columns.
TEST_P(GedcomRandomTreeTest, ReorderedLayoutShortensLinks)
{
    std::vector<std::int32_t> treeOrder;
    KIN_GedcomTreeLayout treeLayout(tree, lifespans);
    ASSERT_TRUE(treeLayout.Arrange(progress, treeOrder));
    std::vector<std::int32_t> columns;
    ASSERT_TRUE(KIN_GedcomLayout(tree, lifespans).Arrange(progress, columns));
    std::vector<std::int32_t> again;
    ASSERT_TRUE(KIN_GedcomLayout(tree, lifespans).Arrange(progress, again));
    EXPECT_EQ(columns, again);
    EXPECT_LE(KIN_GedcomLayout::LinkLength(tree, columns),
              KIN_GedcomLayout::LinkLength(tree, treeOrder));
    const KIN_GedcomCrossings crossings(tree, lifespans);
    EXPECT_LE(crossings.Of(columns).nCrossings, crossings.Of(treeOrder).nCrossings);
    ExpectRowsWholeWithoutOverlaps(treeLayout.Rows(), lifespans, columns);
}

// The packed layout over the same trees: rows whole, no two periods of a column at once, as
// wide as the people alive at once need and the allowance lets it grow, and repeatable.
TEST_P(GedcomRandomTreeTest, PackedLayoutKeepsRowsAndTheWidthAllowed)
{
    const KIN_GedcomRows rows(tree, lifespans);
    const std::vector<std::int32_t> ideal(rows.All().size(), 0);
    const std::int32_t nLeast = KIN_GedcomTracks(tree, lifespans, rows, ideal).LeastTracks();
    for (const double dAllowance : {1.0, 1.2, 2.0})
    {
        std::vector<std::int32_t> columns;
        ASSERT_TRUE(KIN_GedcomLayout(tree, lifespans, dAllowance).Arrange(progress, columns));
        std::vector<std::int32_t> again;
        ASSERT_TRUE(KIN_GedcomLayout(tree, lifespans, dAllowance).Arrange(progress, again));
        EXPECT_EQ(columns, again);
        ExpectRowsWholeWithoutOverlaps(rows, lifespans, columns);
        for (const std::int32_t nColumn : columns)
            ASSERT_EQ(nColumn % KIN_GedcomRows::kWidth, nColumn < 0 ? -1 : 0); // in tracks
        const std::int32_t nWidth = KIN_GedcomRows::Width(columns) / KIN_GedcomRows::kWidth;
        EXPECT_GE(nWidth, nLeast);
        // At the least width itself, rows of several may find no free tracks side by side;
        // any room to spare absorbs that.
        if (dAllowance > 1.0)
        {
            EXPECT_LE(nWidth, std::ceil(dAllowance * nLeast) + KIN_GedcomCouples::kMaxRow)
                << dAllowance;
        }
    }
}

// Compaction over the tree order: rows whole, no column held twice at once, no wider, nearly
// everyone at or left of where they stood, and the same columns give the same result.
TEST_P(GedcomRandomTreeTest, CompactionNarrowsWithoutOverlaps)
{
    KIN_GedcomTreeLayout treeLayout(tree, lifespans);
    std::vector<std::int32_t> before;
    ASSERT_TRUE(treeLayout.Arrange(progress, before));
    const KIN_GedcomRows& rows = treeLayout.Rows();
    std::vector<std::int32_t> columns = before;
    KIN_GedcomCompaction(rows).Compact(columns);
    std::vector<std::int32_t> again = before;
    KIN_GedcomCompaction(rows).Compact(again);
    EXPECT_EQ(again, columns);
    ExpectRowsWholeWithoutOverlaps(rows, lifespans, columns);
    std::size_t nDrawn = 0;
    std::size_t nLeft = 0;
    for (std::size_t n = 0; n < columns.size(); ++n)
    {
        nDrawn += columns[n] >= 0 ? 1 : 0;
        nLeft += columns[n] >= 0 && columns[n] <= before[n] ? 1 : 0;
    }
    const std::int32_t nWidth = KIN_GedcomRows::Width(columns);
    const std::int32_t nWidthBefore = KIN_GedcomRows::Width(before);
    EXPECT_LE(nWidth, nWidthBefore);
    EXPECT_GE(nLeft * 10, nDrawn * 9);
}

INSTANTIATE_TEST_SUITE_P(Seeds, GedcomRandomTreeTest, ::testing::Range(1u, 13u));

std::string Person(int n, const std::string& facts)
{
    return "0 @I" + std::to_string(n) + "@ INDI\n1 NAME P" + std::to_string(n) + "\n" + facts;
}

std::string Family(int n, int nHusband, int nWife, int nChild)
{
    std::string family = "0 @F" + std::to_string(n) + "@ FAM\n";
    if (nHusband >= 0)
        family += "1 HUSB @I" + std::to_string(nHusband) + "@\n";
    if (nWife >= 0)
        family += "1 WIFE @I" + std::to_string(nWife) + "@\n";
    return family + "1 CHIL @I" + std::to_string(nChild) + "@\n";
}

// A person who is their own ancestor, and one who is their own parent: estimates and layout
// end, and the loop's people are drawn.
TEST(GedcomLayoutTest, AncestryLoopsEnd)
{
    const std::string text = "0 HEAD\n" + Person(1, "1 BIRT\n2 DATE 1900\n") + Person(2, "") +
                             Person(3, "") + Person(4, "1 DEAT\n2 DATE 1950\n") +
                             Family(1, 1, -1, 2) + Family(2, 2, -1, 3) + Family(3, 3, -1, 1) +
                             Family(4, 4, -1, 4) + "0 TRLR\n";
    const KIN_GedcomResult result = Import(text);
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    EXPECT_EQ(result.nPeople, 4u);
    ExpectValidDiagram(result.diagram);
    ExpectNoOverlaps(result.diagram);
}

// Fifty thousand generations in one line of descent, all born the same year: nothing
// recurses that deep, and each stands beside its parent.
TEST(GedcomLayoutTest, DeepLinesOfDescentAreLaidOut)
{
    constexpr int kGenerations = 50000;
    std::string text = "0 HEAD\n";
    for (int n = 0; n < kGenerations; ++n)
        text += Person(n, "1 BIRT\n2 DATE 1900\n");
    for (int n = 1; n < kGenerations; ++n)
        text += Family(n, n - 1, -1, n);
    const KIN_GedcomResult result = Import(text + "0 TRLR\n");
    ASSERT_EQ(result.diagram.periods.size(), static_cast<std::size_t>(kGenerations));
    for (std::size_t n = 1; n < 50; ++n)
        EXPECT_NE(result.diagram.periods[n].column, result.diagram.periods[n - 1].column);
    EXPECT_EQ(result.diagram.links.size(), static_cast<std::size_t>(kGenerations - 1));
}

// A child born after the parent's period and its title's room have ended stands under them.
TEST(GedcomLayoutTest, ChildrenStandUnderParentsGoneBefore)
{
    const std::string text = "0 HEAD\n" + Person(1, "1 BIRT\n2 DATE 1700\n1 DEAT\n2 DATE 1740\n") +
                             Person(2, "1 BIRT\n2 DATE 1790\n1 DEAT\n2 DATE 1850\n") +
                             Family(1, 1, -1, 2) + "0 TRLR\n";
    const KIN_GedcomResult result = Import(text);
    ASSERT_EQ(result.diagram.periods.size(), 2u);
    EXPECT_EQ(result.diagram.periods[0].column, result.diagram.periods[1].column);
}

// A child who lives while the parents do stands beside them, not far off.
TEST(GedcomLayoutTest, LargeFamiliesStayTogether)
{
    std::string text = "0 HEAD\n" + Person(0, "1 SEX M\n1 BIRT\n2 DATE 1800\n") +
                       Person(1, "1 SEX F\n1 BIRT\n2 DATE 1802\n");
    std::string family = "0 @F0@ FAM\n1 HUSB @I0@\n1 WIFE @I1@\n";
    for (int n = 2; n < 12; ++n)
    {
        text += Person(n, "1 BIRT\n2 DATE " + std::to_string(1820 + 2 * n) + "\n");
        family += "1 CHIL @I" + std::to_string(n) + "@\n";
    }
    const KIN_GedcomResult result = Import(text + family + "0 TRLR\n");
    ASSERT_EQ(result.diagram.periods.size(), 12u);
    ExpectNoOverlaps(result.diagram);
    const std::int32_t nFather = result.diagram.periods[0].column;
    EXPECT_EQ(std::abs(result.diagram.periods[1].column - nFather), 2);
    for (std::size_t n = 2; n < 12; ++n)
        EXPECT_LE(std::abs(result.diagram.periods[n].column - nFather), 12);
    EXPECT_LE(result.diagram.width, 24); // twelve people side by side at the most
}

// Married twice, a man stands between his wives; a woman married twice stands between her
// husbands, and each couple's children stay near.
TEST(GedcomLayoutTest, RemarriedPeopleStandBetweenTheirPartners)
{
    const std::string text =
        "0 HEAD\n" + Person(1, "1 SEX M\n1 BIRT\n2 DATE 1800\n1 DEAT\n2 DATE 1870\n") +
        Person(2, "1 SEX F\n1 BIRT\n2 DATE 1802\n1 DEAT\n2 DATE 1830\n") +
        Person(3, "1 SEX F\n1 BIRT\n2 DATE 1810\n1 DEAT\n2 DATE 1880\n") +
        Person(4, "1 BIRT\n2 DATE 1825\n") + Person(5, "1 BIRT\n2 DATE 1835\n") +
        Person(6, "1 SEX M\n1 BIRT\n2 DATE 1805\n") + Family(1, 1, 2, 4) + Family(2, 1, 3, 5) +
        "0 @F3@ FAM\n1 HUSB @I6@\n1 WIFE @I3@\n0 TRLR\n";
    const KIN_GedcomResult result = Import(text);
    ASSERT_EQ(result.diagram.periods.size(), 6u);
    ExpectNoOverlaps(result.diagram);
    const auto column = [&](int nPerson)
    { return result.diagram.periods[static_cast<std::size_t>(nPerson - 1)].column; };
    EXPECT_EQ(std::abs(column(1) - column(2)), 2);
    EXPECT_EQ(std::abs(column(1) - column(3)), 2);
    EXPECT_EQ(std::abs(column(6) - column(3)), 2);
    EXPECT_NE(column(2), column(3));
    EXPECT_LE(std::abs(column(4) - column(1)), 6);
    EXPECT_LE(std::abs(column(5) - column(1)), 6);
}

// The parents of someone who married into the family stand right beside their child, on
// the child's side of the couple, not with the unrelated people of the file nor beyond the
// couple's many descendants.
TEST(GedcomLayoutTest, InLawsStandBesideTheChildWhoMarriedIn)
{
    std::string text = "0 HEAD\n";
    for (int n = 0; n < 30; ++n) // strangers of the same time, listed first
        text += Person(100 + n, "1 BIRT\n2 DATE " + std::to_string(1770 + n) + "\n");
    std::string couple = "0 @F3@ FAM\n1 HUSB @I3@\n1 WIFE @I6@\n";
    std::string descendants;
    for (int n = 0; n < 6; ++n) // six children, each with two of their own
    {
        const int nChild = 200 + 3 * n;
        text += Person(nChild, "1 BIRT\n2 DATE " + std::to_string(1825 + 2 * n) + "\n") +
                Person(nChild + 1, "1 BIRT\n2 DATE " + std::to_string(1850 + 2 * n) + "\n") +
                Person(nChild + 2, "1 BIRT\n2 DATE " + std::to_string(1853 + 2 * n) + "\n");
        couple += "1 CHIL @I" + std::to_string(nChild) + "@\n";
        descendants += Family(nChild, nChild, -1, nChild + 1) + "1 CHIL @I" +
                       std::to_string(nChild + 2) + "@\n";
    }
    text +=
        Person(1, "1 SEX M\n1 BIRT\n2 DATE 1770\n") + Person(2, "1 SEX F\n1 BIRT\n2 DATE 1772\n") +
        Person(3, "1 SEX M\n1 BIRT\n2 DATE 1800\n") + Person(4, "1 SEX M\n1 BIRT\n2 DATE 1765\n") +
        Person(5, "1 SEX F\n1 BIRT\n2 DATE 1768\n") + Person(6, "1 SEX F\n1 BIRT\n2 DATE 1801\n") +
        Family(1, 1, 2, 3) + Family(2, 4, 5, 6) + couple + descendants + "0 TRLR\n";
    const KIN_GedcomResult result = Import(text);
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    ExpectNoOverlaps(result.diagram);
    const auto column = [&](const std::string& title)
    { return FindPeriod(result.diagram, title)->column; };
    EXPECT_EQ(std::abs(column("P3") - column("P6")), 2);
    const std::int32_t nSide = column("P6") - column("P3"); // where the in-laws belong
    for (const char* pInLaw : {"P4", "P5"})
    {
        EXPECT_LE(std::abs(column(pInLaw) - column("P6")), 4) << pInLaw;
        EXPECT_GT((column(pInLaw) - column("P3")) * nSide, 0) << pInLaw;
    }
}

// The sweeps and the era shapes are steps of the progress, after the tree order (which, on a
// tree this small, reports nothing), and the layout stops as soon as the caller cancels one.
TEST(GedcomLayoutTest, ProgressMovesOnAndCancelsDuringTheSweeps)
{
    EstimatedTree estimated;
    ASSERT_NO_FATAL_FAILURE(estimated.Read(RandomTree(1, 400)));
    std::vector<std::size_t> reports;
    KIN_GedcomProgress progress(
        [&reports](std::size_t nDone, std::size_t)
        {
            reports.push_back(nDone);
            return true;
        });
    std::vector<std::int32_t> columns;
    ASSERT_TRUE(KIN_GedcomLayout(estimated.tree, estimated.lifespans).Arrange(progress, columns));
    // A tree this small gets the most sweeps, each one step.
    EXPECT_GE(reports.size(), KIN_GedcomLayout::kMostSweeps);
    EXPECT_TRUE(std::is_sorted(reports.begin(), reports.end()));

    std::size_t nCalls = 0;
    KIN_GedcomProgress cancelling([&nCalls](std::size_t, std::size_t) { return ++nCalls < 3; });
    EXPECT_FALSE(
        KIN_GedcomLayout(estimated.tree, estimated.lifespans).Arrange(cancelling, columns));
    EXPECT_EQ(nCalls, 3u);
}

// Six houses, each founded by a couple, whose grandchildren marry into the next house: the
// file lists and dates them out of that order, and the diagram puts them side by side in it (or its
// mirror), so no marriage's in-laws stand across the whole diagram.
TEST(GedcomLayoutTest, HousesThatIntermarryStandSideBySide)
{
    constexpr int kHouses = 6;
    constexpr int kFileOrder[kHouses] = {0, 3, 5, 1, 4, 2};
    std::string people;
    std::string families;
    const auto born = [](int nYear) { return "1 BIRT\n2 DATE " + std::to_string(nYear) + "\n"; };
    for (int nListed = 0; nListed < kHouses; ++nListed)
    {
        // Persons 10h + 0..5: the founders, their son and his wife, two grandchildren; the
        // houses start in the order they are listed.
        const int nBase = 10 * kFileOrder[nListed];
        const int nStart = 1700 + 3 * nListed;
        people += Person(nBase, "1 SEX M\n" + born(nStart)) +
                  Person(nBase + 1, "1 SEX F\n" + born(nStart + 2)) +
                  Person(nBase + 2, "1 SEX M\n" + born(nStart + 25)) +
                  Person(nBase + 3, "1 SEX F\n" + born(nStart + 27)) +
                  Person(nBase + 4, "1 SEX M\n" + born(nStart + 50)) +
                  Person(nBase + 5, "1 SEX F\n" + born(nStart + 51));
        families += Family(nBase, nBase, nBase + 1, nBase + 2) +
                    Family(nBase + 1, nBase + 2, nBase + 3, nBase + 4) + "1 CHIL @I" +
                    std::to_string(nBase + 5) + "@\n";
    }
    for (int nHouse = 0; nHouse + 1 < kHouses; ++nHouse) // his son weds the next house's daughter
        families += "0 @F" + std::to_string(100 + nHouse) + "@ FAM\n1 HUSB @I" +
                    std::to_string(10 * nHouse + 4) + "@\n1 WIFE @I" +
                    std::to_string(10 * (nHouse + 1) + 5) + "@\n";
    const KIN_GedcomResult result = Import("0 HEAD\n" + people + families + "0 TRLR\n");
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    ExpectNoOverlaps(result.diagram);
    std::vector<std::int32_t> founders;
    for (int nHouse = 0; nHouse < kHouses; ++nHouse)
        founders.push_back(FindPeriod(result.diagram, "P" + std::to_string(10 * nHouse))->column);
    const bool bRising = founders.front() < founders.back();
    for (std::size_t n = 1; n < founders.size(); ++n)
        EXPECT_EQ(founders[n] > founders[n - 1], bRising) << n;
}

// A line of seven generations, the fourth of whom marries a woman whose parents are in the
// file: cut into eras of n generations, the line starts a new tree every n generations, and
// the wife's parents still hang beside her.
TEST(GedcomLayoutTest, LinesAreCutIntoErasOfTheGenerationsAsked)
{
    std::string text = "0 HEAD\n";
    for (int n = 0; n < 7; ++n)
        text += Person(n, "1 SEX M\n1 BIRT\n2 DATE " + std::to_string(1600 + 30 * n) + "\n");
    for (int n = 1; n < 7; ++n)
        text += Family(n, n - 1, -1, n);
    text += Person(10, "1 SEX F\n1 BIRT\n2 DATE 1692\n") +
            Person(11, "1 SEX M\n1 BIRT\n2 DATE 1660\n") + Family(10, 11, -1, 10) +
            "0 @F11@ FAM\n1 HUSB @I3@\n1 WIFE @I10@\n0 TRLR\n";
    EstimatedTree line;
    ASSERT_NO_FATAL_FAILURE(line.Read(text));
    const KIN_GedcomTree& tree = line.tree;
    const KIN_GedcomRows rows(tree, line.lifespans);
    const auto father =
        std::find_if(tree.people.begin(), tree.people.end(),
                     [](const KIN_GedcomPerson& person) { return person.xref == "I11"; });
    ASSERT_NE(father, tree.people.end());
    const std::int32_t nInLaws =
        rows.RowOf(static_cast<std::int32_t>(father - tree.people.begin()));
    struct Case
    {
        std::int32_t nEraGenerations;
        std::size_t nRoots;
    };
    for (const Case& test : {Case{0, 1}, Case{2, 4}, Case{3, 3}, Case{4, 2}, Case{7, 1}})
    {
        const KIN_GedcomRowForest forest(tree, rows, KIN_GedcomRowForest::InLaws::UnderTheirChild,
                                         test.nEraGenerations);
        EXPECT_EQ(forest.Roots().size(), test.nRoots) << test.nEraGenerations;
        EXPECT_TRUE(forest.IsInLaw(nInLaws)) << test.nEraGenerations;
        EXPECT_EQ(forest.PostOrder().size(), rows.All().size()) << test.nEraGenerations;
    }
}

// Many records, all valid: the import finishes and counts them all.
TEST(GedcomLayoutTest, HundredsOfThousandsOfRecordsAreRead)
{
    constexpr int kPeople = 200000;
    std::string text = "0 HEAD\n";
    text.reserve(kPeople * 40);
    for (int n = 0; n < kPeople; ++n)
        text += "0 @I" + std::to_string(n) + "@ INDI\n1 BIRT\n2 DATE " +
                std::to_string(1000 + n % 1000) + "\n";
    const KIN_GedcomResult result = Import(text);
    EXPECT_EQ(result.nPeople, static_cast<std::size_t>(kPeople));
}
} // namespace
