// Estimates from all the evidence of a file: lines between two dated ends, long lines with one
// date, doubtful dates, marriages and other events; and how sure each period's years are.
#include "GedcomTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace
{
std::string Person(const std::string& id, const std::string& facts)
{
    return "0 @" + id + "@ INDI\n1 NAME " + id + "\n" + facts;
}

// A line of people L0, L1, ... each the only child of the one before, with the facts given
// for some of them.
std::string Line(int nCount, const std::vector<std::pair<int, std::string>>& facts)
{
    std::string records;
    for (int n = 0; n < nCount; ++n)
    {
        std::string own = "1 SEX M\n";
        for (const auto& [nAt, fact] : facts)
            own += nAt == n ? fact : "";
        records += Person("L" + std::to_string(n), own);
    }
    for (int n = 0; n + 1 < nCount; ++n)
        records += "0 @F" + std::to_string(n) + "@ FAM\n1 HUSB @L" + std::to_string(n) +
                   "@\n1 CHIL @L" + std::to_string(n + 1) + "@\n";
    return GedcomFile(records);
}

std::int64_t BeginOf(const KIN_GedcomResult& result, const std::string& title)
{
    const KIN_DataPeriod* const pPeriod = FindPeriod(result.diagram, title);
    EXPECT_NE(pPeriod, nullptr) << title;
    return pPeriod ? pPeriod->begin : 0;
}

std::vector<std::int64_t> LineBegins(const KIN_GedcomResult& result, int nCount)
{
    std::vector<std::int64_t> begins;
    for (int n = 0; n < nCount; ++n)
        begins.push_back(BeginOf(result, "L" + std::to_string(n)));
    return begins;
}

// Every step of a line a generation's bounds apart.
void ExpectGenerations(const std::vector<std::int64_t>& begins, std::int64_t nShortest,
                       std::int64_t nLongest)
{
    for (std::size_t n = 1; n < begins.size(); ++n)
    {
        EXPECT_GE(begins[n] - begins[n - 1], nShortest) << "step " << n;
        EXPECT_LE(begins[n] - begins[n - 1], nLongest) << "step " << n;
    }
}

struct LineCase
{
    const char* pName;
    int nCount;
    std::vector<std::pair<int, std::string>> facts;
    std::int64_t nShortest; // bounds of every generation's step
    std::int64_t nLongest;
    int nAt; // a person whose begin is checked
    std::int64_t nLow;
    std::int64_t nHigh;
};

class GedcomLineTest : public ::testing::TestWithParam<LineCase>
{
};

// Years spread along a line both ways: between two dated ends, from one date up and down,
// and short of the current year when the generations would pass it.
TEST_P(GedcomLineTest, SpreadsAlongTheLine)
{
    const LineCase& line = GetParam();
    const KIN_GedcomResult result = Import(Line(line.nCount, line.facts));
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    ASSERT_EQ(result.nPeople, static_cast<std::size_t>(line.nCount));
    const std::vector<std::int64_t> begins = LineBegins(result, line.nCount);
    ExpectGenerations(begins, line.nShortest, line.nLongest);
    EXPECT_GE(begins[static_cast<std::size_t>(line.nAt)], line.nLow);
    EXPECT_LE(begins[static_cast<std::size_t>(line.nAt)], line.nHigh);
    std::size_t nNow = 0;
    for (const KIN_DataPeriod& period : result.diagram.periods)
    {
        EXPECT_LE(period.begin, 2026) << period.title;
        nNow += period.begin == 2026 ? 1 : 0;
    }
    EXPECT_LE(nNow, 1u); // nothing piled at the current year
    ExpectValidDiagram(result.diagram);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GedcomLineTest,
    ::testing::Values(
        // 120 years over four generations: 30 each, the middle one half way.
        LineCase{"between",
                 5,
                 {{0, "1 BIRT\n2 DATE 1700\n"}, {4, "1 BIRT\n2 DATE 1820\n"}},
                 28,
                 32,
                 2,
                 1757,
                 1763},
        // Forty kings, the first dated: 28 years a generation down the line.
        LineCase{
            "down", 40, {{0, "1 BIRT\n2 DATE 500\n1 DEAT\n2 DATE 555\n"}}, 28, 28, 39, 1590, 1594},
        // The last of forty dated: 28 years a generation up the line.
        LineCase{"up", 40, {{39, "1 BIRT\n2 DATE 1600\n"}}, 28, 28, 0, 506, 510},
        // Four dates among many: each stretch between two of them evenly.
        LineCase{"kings",
                 60,
                 {{0, "1 BIRT\n2 DATE 300\n"},
                  {20, "1 BIRT\n2 DATE 900\n"},
                  {40, "1 DEAT\n2 DATE 1500\n"},
                  {59, "1 BIRT\n2 DATE 1950\n"}},
                 15,
                 60,
                 10,
                 590,
                 610},
        // Twenty generations from 1600 would pass the current year: they close up instead.
        LineCase{"today", 20, {{0, "1 BIRT\n2 DATE 1600\n"}}, 15, 28, 19, 1900, 2026}),
    [](const ::testing::TestParamInfo<LineCase>& info) { return std::string(info.param.pName); });

struct DoubtCase
{
    const char* pName;
    std::string records;
    const char* pDoubtful; // whose date is set aside
    const char* pLine;     // the start of their fact's line in the details
    std::int64_t nLow;     // where their begin is placed
    std::int64_t nHigh;
};

class GedcomDoubtTest : public ::testing::TestWithParam<DoubtCase>
{
};

// A date breaking the bounds of a life is kept in the details, marked, and placed as unknown.
TEST_P(GedcomDoubtTest, SetsTheDateAside)
{
    const DoubtCase& doubt = GetParam();
    const KIN_GedcomResult result = Import(GedcomFile(doubt.records));
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    EXPECT_EQ(result.nDoubtful, 1u);
    const KIN_DataPeriod* const pPeriod = FindPeriod(result.diagram, doubt.pDoubtful);
    ASSERT_NE(pPeriod, nullptr);
    EXPECT_NE(pPeriod->details.find(doubt.pLine), std::string::npos) << pPeriod->details;
    EXPECT_GE(pPeriod->begin, doubt.nLow);
    EXPECT_LE(pPeriod->begin, doubt.nHigh);
    const auto nAt = static_cast<std::size_t>(pPeriod->id - 1);
    ASSERT_EQ(result.periodYears.size(), result.diagram.periods.size());
    EXPECT_TRUE(result.periodYears[nAt].begin == KIN_GedcomYearKind::Doubtful ||
                result.periodYears[nAt].end == KIN_GedcomYearKind::Doubtful);
    for (const KIN_DataPeriod& period : result.diagram.periods)
    {
        EXPECT_LE(period.end - period.begin, 120) << period.title;
        EXPECT_LE(period.begin, period.end) << period.title;
    }
}

const std::string kParents =
    Person("Father", "1 SEX M\n1 BIRT\n2 DATE 1770\n1 DEAT\n2 DATE 1840\n") +
    Person("Mother", "1 SEX F\n1 BIRT\n2 DATE 1773\n1 DEAT\n2 DATE 1831\n") +
    "0 @F0@ FAM\n1 HUSB @Father@\n1 WIFE @Mother@\n1 CHIL @Anna@\n"
    "1 CHIL @Bror@\n1 CHIL @Carl@\n";
const std::string kChildren = Person("Anna", "1 SEX F\n1 BIRT\n2 DATE 1798\n") +
                              Person("Bror", "1 SEX M\n1 BIRT\n2 DATE 1801\n");

INSTANTIATE_TEST_SUITE_P(
    Doubts, GedcomDoubtTest,
    ::testing::Values(
        // "20" for 1820: a life of 1,846 years; the siblings and parents place Carl.
        DoubtCase{"long_life",
                  kParents + kChildren + Person("Carl", "1 BIRT\n2 DATE 20\n1 DEAT\n2 DATE 1866\n"),
                  "Carl", "Born 20 (doubtful); ", 1796, 1830},
        DoubtCase{"death_before_birth",
                  kParents + kChildren +
                      Person("Carl", "1 BIRT\n2 DATE 1804\n1 DEAT\n2 DATE 1704\n"),
                  "Carl", "Died 1704 (doubtful); ", 1804, 1804},
        // Born when the father was 8: Carl's date, not the father's, fits nobody else.
        DoubtCase{"young_parent", kParents + kChildren + Person("Carl", "1 BIRT\n2 DATE 1778\n"),
                  "Carl", "Born 1778 (doubtful); ", 1790, 1831},
        // The father's birth conflicts with all three children: his date is set aside.
        DoubtCase{"parent_date_wrong",
                  Person("Father", "1 SEX M\n1 BIRT\n2 DATE 1795\n") +
                      Person("Anna", "1 BIRT\n2 DATE 1798\n") +
                      Person("Bror", "1 BIRT\n2 DATE 1801\n") +
                      Person("Carl", "1 BIRT\n2 DATE 1804\n") +
                      "0 @F0@ FAM\n1 HUSB @Father@\n1 CHIL @Anna@\n1 CHIL @Bror@\n1 CHIL @Carl@\n",
                  "Father", "Born 1795 (doubtful); ", 1744, 1783},
        DoubtCase{"after_mother_died",
                  kParents + kChildren + Person("Carl", "1 BIRT\n2 DATE 1835\n"), "Carl",
                  "Born 1835 (doubtful); ", 1790, 1831},
        DoubtCase{"future", Person("Later", "1 BIRT\n2 DATE 2150\n1 DEAT\n2 DATE 1990\n"), "Later",
                  "Born 2150 (doubtful); 1920 (estimated)", 1920, 1920}),
    [](const ::testing::TestParamInfo<DoubtCase>& info) { return std::string(info.param.pName); });

// Marriages and other events place people with no birth and no death.
TEST(GedcomEvidenceTest, MarriagesAndEventsPlaceTheUndated)
{
    const KIN_GedcomResult result = Import(GedcomFile(
        Person("Husband", "1 SEX M\n1 OCCU Smith\n2 DATE 1862\n") +
        Person("Wife", "1 SEX F\n1 CENS\n2 DATE 1851\n1 RESI\n2 DATE 1881\n1 PROB\n2 DATE 1890\n") +
        Person("Lodger", "1 CENS\n2 DATE 1841\n1 CHAN\n2 DATE 2020\n") +
        "0 @F1@ FAM\n1 HUSB @Husband@\n1 WIFE @Wife@\n1 MARR\n2 PLAC Lund\n1 MARR\n2 DATE 1850\n"));
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    EXPECT_EQ(result.nLeftOut, 0u);
    // About 25 years before the first marriage, the wife after her husband.
    EXPECT_NEAR(static_cast<double>(BeginOf(result, "Husband")), 1824, 2);
    EXPECT_NEAR(static_cast<double>(BeginOf(result, "Wife")), 1827, 2);
    EXPECT_LE(BeginOf(result, "Wife"), 1838); // married no younger than 12
    const KIN_DataPeriod* const pWife = FindPeriod(result.diagram, "Wife");
    ASSERT_NE(pWife, nullptr);
    EXPECT_GE(pWife->end, 1890); // alive at her last record
    // A lodger known only from one census, the change date not an event.
    const KIN_DataPeriod* const pLodger = FindPeriod(result.diagram, "Lodger");
    ASSERT_NE(pLodger, nullptr);
    EXPECT_LE(pLodger->begin, 1841);
    EXPECT_GE(pLodger->end, 1841);
    EXPECT_LT(pLodger->end, 2000);
    EXPECT_EQ(result.nEstimated, 3u);
    EXPECT_EQ(result.nDoubtful, 0u);
}

// Each period says how sure its years are, for the importer to mark them.
TEST(GedcomEvidenceTest, PeriodYearsTellExactEstimatedAndQualified)
{
    const KIN_GedcomResult result =
        Import(GedcomFile(Person("Plain", "1 BIRT\n2 DATE 3 MAR 1850\n1 DEAT\n2 DATE 1900\n") +
                          Person("About", "1 BIRT\n2 DATE ABT 1850\n1 BURI\n2 DATE BEF 1930\n") +
                          Person("Half", "1 CHR\n2 DATE 1850\n") +
                          Person("Wrong", "1 BIRT\n2 DATE 1850\n1 DEAT\n2 DATE 1990\n")));
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    ASSERT_EQ(result.periodYears.size(), 4u);
    using Kind = KIN_GedcomYearKind;
    struct Expected
    {
        Kind begin;
        Kind end;
        bool bBeginQualified;
        bool bEndQualified;
    };
    const Expected expected[] = {{Kind::Exact, Kind::Exact, false, false},
                                 {Kind::Exact, Kind::Exact, true, true},
                                 {Kind::Exact, Kind::Estimated, false, false},
                                 {Kind::Doubtful, Kind::Exact, false, false}};
    for (std::size_t n = 0; n < 4; ++n)
    {
        const KIN_GedcomPeriodYears& years = result.periodYears[n];
        EXPECT_EQ(years.begin, expected[n].begin) << n;
        EXPECT_EQ(years.end, expected[n].end) << n;
        EXPECT_EQ(years.bBeginQualified, expected[n].bBeginQualified) << n;
        EXPECT_EQ(years.bEndQualified, expected[n].bEndQualified) << n;
        EXPECT_EQ(years.UncertainBegin(), n == 1 || n == 3) << n;
        EXPECT_EQ(years.UncertainEnd(), n == 1 || n == 2) << n;
    }
    EXPECT_EQ(result.nDoubtful, 1u);
    EXPECT_EQ(result.nEstimated, 2u);
}

// Each kind of date marks the period's year uncertain, or not, on the diagram itself.
TEST(GedcomEvidenceTest, PeriodsShowWhichYearsAreUncertain)
{
    const std::pair<const char*, bool> births[] = {
        {"2 OCT 1864", false},
        {"OCT 1864", false},
        {"1864", false},
        {"ABT 1864", true},
        {"CAL 1864", true},
        {"EST 1864", true},
        {"BEF 1864", true},
        {"AFT 1864", true},
        {"BET 1860 AND 1864", true},
        {"FROM 1860 TO 1864", true},
        {"INT 1864 (in the sixties)", true},
        {"(the year of the great flood)", true},
    };
    std::string records;
    for (std::size_t n = 0; n < std::size(births); ++n)
        records += Person("B" + std::to_string(n), std::string("1 BIRT\n2 DATE ") +
                                                       births[n].first + "\n1 DEAT\n2 DATE 1930\n");
    // Free text gives no year: a dated child places that person.
    records += Person("Child", "1 BIRT\n2 DATE 1890\n1 DEAT\n2 DATE 1950\n") +
               "0 @F1@ FAM\n1 HUSB @B11@\n1 CHIL @Child@\n";
    records += Person("Alive", "1 BIRT\n2 DATE 1990\n");
    records += Person("Undated", "") + "0 @F2@ FAM\n1 HUSB @Undated@\n1 CHIL @Alive@\n";
    const KIN_GedcomResult result = Import(GedcomFile(records));
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    for (std::size_t n = 0; n < std::size(births); ++n)
    {
        const KIN_DataPeriod* pPeriod = FindPeriod(result.diagram, "B" + std::to_string(n));
        ASSERT_NE(pPeriod, nullptr) << births[n].first;
        EXPECT_EQ(pPeriod->uncertainBegin, births[n].second) << births[n].first;
        EXPECT_FALSE(pPeriod->uncertainEnd) << births[n].first;
    }
    const KIN_DataPeriod* pAlive = FindPeriod(result.diagram, "Alive");
    const KIN_DataPeriod* pUndated = FindPeriod(result.diagram, "Undated");
    ASSERT_TRUE(pAlive && pUndated);
    EXPECT_FALSE(pAlive->uncertainBegin);
    EXPECT_TRUE(pAlive->uncertainEnd);
    EXPECT_EQ(pAlive->end, 2026);
    EXPECT_TRUE(pUndated->uncertainBegin);
    EXPECT_TRUE(pUndated->uncertainEnd);
}
} // namespace
