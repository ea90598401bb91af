// A family of three generations read from a file, and the estimates for the missing years.
#include "GedcomTestSupport.h"
#include "KIN_TestFiles.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <tuple>

namespace
{
constexpr std::int32_t kDarkBlue = 14;
constexpr std::int32_t kDarkRed = 12;

class GedcomFamilyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        result = KIN_GedcomImport::ImportFile(DataPath("gedcom/three-generations.ged"),
                                              KIN_GedcomOptions());
        ASSERT_EQ(result.error, KIN_GedcomError::None);
        ASSERT_EQ(result.diagram.periods.size(), 7u);
    }

    const KIN_DataPeriod& Period(const std::string& title) const
    {
        const KIN_DataPeriod* const pPeriod = FindPeriod(result.diagram, title);
        EXPECT_NE(pPeriod, nullptr) << title;
        return pPeriod ? *pPeriod : result.diagram.periods.front();
    }

    KIN_GedcomResult result;
};

TEST_F(GedcomFamilyTest, EveryoneIsAPeriodInFileOrder)
{
    const char* const titles[] = {"Nils Svensson", "Ingrid Larsdotter", "Karl Svensson",
                                  "Märta Nilsson", "Anna Svensson",     "Erik Svensson",
                                  "Greta Svensson"};
    for (std::size_t n = 0; n < 7; ++n)
        EXPECT_EQ(result.diagram.periods[n].title, titles[n]);
    EXPECT_EQ(result.nPeople, 7u);
    EXPECT_EQ(result.nFamilies, 2u);
    EXPECT_EQ(result.nEstimated, 2u); // Anna and Greta have no death
    EXPECT_EQ(result.nLeftOut, 0u);
    ExpectValidDiagram(result.diagram);
}

TEST_F(GedcomFamilyTest, FactsGiveYearsAndDetails)
{
    struct Expected
    {
        const char* pTitle;
        std::int64_t nBegin;
        std::int64_t nEnd;
        const char* pDetails;
    };
    const Expected expected[] = {
        {"Nils Svensson", 1840, 1910,
         "Born 3 Mar 1840, Ystad, Skåne, Sweden\nDied 12 Jan 1910, Ystad\nGEDCOM @I1@"},
        {"Ingrid Larsdotter", 1845, 1922,
         "Born about 1845\nDied between 1920 and 1922\nGEDCOM @I2@"},
        {"Märta Nilsson", 1872, 1948, "Christened 5 May 1872, Lund\nBuried 1948\nGEDCOM @I4@"},
        {"Anna Svensson", 1874, 1944, "Born 1874\nDied 1944 (estimated)\nGEDCOM @I5@"},
        {"Greta Svensson", 1903, 1973, "Born 1903\nDied 1973 (estimated)\nGEDCOM @I7@"},
    };
    for (const Expected& person : expected)
    {
        const KIN_DataPeriod& period = Period(person.pTitle);
        EXPECT_EQ(period.begin, person.nBegin) << person.pTitle;
        EXPECT_EQ(period.end, person.nEnd) << person.pTitle;
        EXPECT_EQ(period.details, person.pDetails);
        EXPECT_EQ(period.width, 2);
    }
}

TEST_F(GedcomFamilyTest, BordersTellMenWomenAndOthersApart)
{
    EXPECT_EQ(Period("Nils Svensson").colorBorder, kDarkBlue);
    EXPECT_EQ(Period("Märta Nilsson").colorBorder, kDarkRed);
    const std::int32_t nOther = Period("Greta Svensson").colorBorder;
    EXPECT_NE(nOther, kDarkBlue);
    EXPECT_NE(nOther, kDarkRed);
    EXPECT_GE(nOther, 0);
    EXPECT_LE(nOther, 18);
}

// From each parent's point 1 to each child's point 0, a child named only by its own FAMC
// included.
TEST_F(GedcomFamilyTest, LinksJoinEachParentToEachChild)
{
    std::set<std::tuple<int, int, int, int>> links;
    for (const KIN_DataLink& link : result.diagram.links)
        links.emplace(link.period1, link.period2, link.point1, link.point2);
    const std::set<std::tuple<int, int, int, int>> expected = {
        {1, 3, 1, 0}, {1, 5, 1, 0}, {2, 3, 1, 0}, {2, 5, 1, 0},
        {3, 6, 1, 0}, {3, 7, 1, 0}, {4, 6, 1, 0}, {4, 7, 1, 0}};
    EXPECT_EQ(links, expected);
    EXPECT_EQ(result.diagram.links.size(), expected.size());
}

TEST_F(GedcomFamilyTest, CouplesSideBySideChildrenNearParents)
{
    ExpectNoOverlaps(result.diagram);
    EXPECT_EQ(std::abs(Period("Nils Svensson").column - Period("Ingrid Larsdotter").column), 2);
    EXPECT_EQ(std::abs(Period("Karl Svensson").column - Period("Märta Nilsson").column), 2);
    for (const KIN_DataLink& link : result.diagram.links)
    {
        const KIN_DataPeriod& parent =
            result.diagram.periods[static_cast<std::size_t>(link.period1 - 1)];
        const KIN_DataPeriod& child =
            result.diagram.periods[static_cast<std::size_t>(link.period2 - 1)];
        EXPECT_LE(std::abs(parent.column - child.column), 8) << parent.title << " " << child.title;
    }
    // Seven people, two couples: no wider than everyone side by side.
    EXPECT_LE(result.diagram.width, 14);
}

TEST_F(GedcomFamilyTest, LimitsEncloseTheYears)
{
    EXPECT_EQ(result.diagram.begin, 36); // 1800
    EXPECT_EQ(result.diagram.end, 38);   // 2000
}

TEST_F(GedcomFamilyTest, TheSameFileGivesTheSameDiagram)
{
    const KIN_GedcomResult again = KIN_GedcomImport::ImportBytes(
        ReadBytes(DataPath("gedcom/three-generations.ged")), KIN_GedcomOptions());
    EXPECT_TRUE(SameDiagram(again.diagram, result.diagram));
}

KIN_DataPeriod Only(const KIN_GedcomResult& result, const std::string& title)
{
    const KIN_DataPeriod* const pPeriod = FindPeriod(result.diagram, title);
    EXPECT_NE(pPeriod, nullptr) << title;
    return pPeriod ? *pPeriod : KIN_DataPeriod();
}

// Children 28 years after their parents, wives 3 years after husbands, over any distance;
// a fit of all they suggest together.
TEST(GedcomEstimateTest, MissingBirthsComeFromRelatives)
{
    const KIN_GedcomResult result =
        Import(GedcomFile("0 @A@ INDI\n1 NAME Father\n1 BIRT\n2 DATE 1800\n1 DEAT\n2 DATE 1860\n"
                          "0 @B@ INDI\n1 NAME Mother\n1 BIRT\n2 DATE 1803\n1 DEAT\n2 DATE 1870\n"
                          "0 @C@ INDI\n1 NAME Son\n1 DEAT\n2 DATE 1900\n"
                          "0 @D@ INDI\n1 NAME Grandson\n"
                          "0 @E@ INDI\n1 NAME Wife of grandson\n"
                          "0 @F1@ FAM\n1 HUSB @A@\n1 WIFE @B@\n1 CHIL @C@\n"
                          "0 @F2@ FAM\n1 HUSB @C@\n1 CHIL @D@\n"
                          "0 @F3@ FAM\n1 HUSB @D@\n1 WIFE @E@\n"));
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    // Parents suggest 1828 and 1831, the death 1830 (half weight): 1829.6.
    EXPECT_EQ(Only(result, "Son").begin, 1830);
    EXPECT_EQ(Only(result, "Grandson").begin, 1858);
    EXPECT_EQ(Only(result, "Wife of grandson").begin, 1861);
    EXPECT_EQ(Only(result, "Son").details, "Born 1830 (estimated)\nDied 1900\nGEDCOM @C@");
    EXPECT_EQ(Only(result, "Grandson").details,
              "Born 1858 (estimated)\nDied 1928 (estimated)\nGEDCOM @D@");
    EXPECT_EQ(result.nEstimated, 3u);
}

TEST(GedcomEstimateTest, ADeathAloneDatesAPersonAndTheirFamily)
{
    const KIN_GedcomResult result =
        Import(GedcomFile("0 @A@ INDI\n1 NAME Died only\n1 DEAT\n2 DATE 1900\n1 BIRT\n2 PLAC Lund\n"
                          "0 @B@ INDI\n1 NAME Child\n"
                          "0 @F1@ FAM\n1 HUSB @A@\n1 CHIL @B@\n"));
    EXPECT_EQ(Only(result, "Died only").begin, 1830);
    EXPECT_EQ(Only(result, "Died only").details,
              "Born 1830 (estimated), Lund\nDied 1900\nGEDCOM @A@");
    EXPECT_EQ(Only(result, "Child").begin, 1858);
}

// The view opens on the earliest person of the family with the most people drawn.
TEST(GedcomShownTest, TheLargestFamilyIsShownFirst)
{
    const KIN_GedcomResult result =
        Import(GedcomFile("0 @A@ INDI\n1 NAME Single\n1 BIRT\n2 DATE 1700\n"
                          "0 @B@ INDI\n1 NAME Father\n1 BIRT\n2 DATE 1801\n"
                          "0 @C@ INDI\n1 NAME Mother\n1 BIRT\n2 DATE 1799\n"
                          "0 @D@ INDI\n1 NAME Child\n1 BIRT\n2 DATE 1830\n"
                          "0 @E@ INDI\n1 NAME Other\n1 BIRT\n2 DATE 1750\n"
                          "0 @F1@ FAM\n1 HUSB @E@\n"
                          "0 @F2@ FAM\n1 HUSB @B@\n1 WIFE @C@\n1 CHIL @D@\n"));
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    EXPECT_EQ(result.nShownId, FindPeriod(result.diagram, "Mother")->id);
}

// Only the undated with no dated relative at any distance are left out, with their links.
TEST(GedcomEstimateTest, UndatedFamiliesAreLeftOut)
{
    const KIN_GedcomResult result =
        Import(GedcomFile("0 @A@ INDI\n1 NAME Dated\n1 BIRT\n2 DATE 1900\n"
                          "0 @B@ INDI\n1 NAME Undated husband\n"
                          "0 @C@ INDI\n1 NAME Undated wife\n"
                          "0 @D@ INDI\n1 NAME Undated child\n"
                          "0 @E@ INDI\n1 NAME Alone\n1 BIRT\n2 PLAC Nowhere\n"
                          "0 @F1@ FAM\n1 HUSB @B@\n1 WIFE @C@\n1 CHIL @D@\n"));
    EXPECT_EQ(result.nPeople, 1u);
    EXPECT_EQ(result.nLeftOut, 4u);
    EXPECT_TRUE(result.diagram.links.empty());
    ExpectValidDiagram(result.diagram);
}

// The living end at the current year without a Died line; the long dead after 70 years.
TEST(GedcomEstimateTest, EndsFollowTheCurrentYear)
{
    const std::string text = GedcomFile("0 @A@ INDI\n1 NAME Recent\n1 BIRT\n2 DATE 1950\n"
                                        "0 @B@ INDI\n1 NAME Old\n1 BIRT\n2 DATE 1900\n");
    const KIN_GedcomResult now = Import(text, 2026);
    EXPECT_EQ(Only(now, "Recent").end, 2026);
    EXPECT_EQ(Only(now, "Recent").details, "Born 1950\nGEDCOM @A@");
    EXPECT_EQ(Only(now, "Old").end, 1970);
    EXPECT_EQ(Only(now, "Old").details, "Born 1900\nDied 1970 (estimated)\nGEDCOM @B@");
    EXPECT_EQ(now.nEstimated, 1u);

    const KIN_GedcomResult earlier = Import(text, 1990);
    EXPECT_EQ(Only(earlier, "Recent").end, 1990);
    EXPECT_EQ(Only(earlier, "Old").end, 1990);
    EXPECT_EQ(earlier.nEstimated, 0u);
}
} // namespace
