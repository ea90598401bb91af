// Each date form, read as the year a period begins or ends with and written back in the
// details with the caller's words.
#include "GedcomTestSupport.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace
{
struct DateCase
{
    const char* pDate;
    std::int64_t nYear;
    const char* pLine;   // the details' line for the fact
    bool bDeath = false; // the date of the death: its last year ends the period
};

DateCase Death(const char* pDate, std::int64_t nYear, const char* pLine)
{
    return DateCase{pDate, nYear, pLine, true};
}

std::string PersonWith(const std::string& birth, const std::string& death)
{
    return "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Test /Person/\n1 BIRT\n2 DATE " + birth +
           "\n1 DEAT\n2 DATE " + death + "\n0 TRLR\n";
}

// The details' line that starts with the word.
std::string LineOf(const std::string& details, const std::string& word)
{
    const std::size_t nStart = details.find(word);
    return nStart == std::string::npos
               ? std::string()
               : details.substr(nStart, details.find('\n', nStart) - nStart);
}

class GedcomDateTest : public ::testing::TestWithParam<DateCase>
{
};

// A birth gives the first year its date allows, a death the last one (a life of a plausible
// length: a longer one is doubtful).
TEST_P(GedcomDateTest, GivesItsYearAndKeepsItsForm)
{
    const DateCase& date = GetParam();
    const KIN_GedcomResult result = Import(
        date.bDeath ? PersonWith("1780", date.pDate)
                    : PersonWith(date.pDate, date.nYear < 1830 ? std::to_string(date.nYear + 60)
                                                               : std::string("1950")));
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    ASSERT_EQ(result.diagram.periods.size(), 1u);
    const KIN_DataPeriod& period = result.diagram.periods.front();
    EXPECT_EQ(date.bDeath ? period.end : period.begin, date.nYear) << date.pDate;
    EXPECT_EQ(LineOf(period.details, date.bDeath ? "Died" : "Born"), date.pLine) << date.pDate;
}

INSTANTIATE_TEST_SUITE_P(
    Births, GedcomDateTest,
    ::testing::Values(
        DateCase{"2 OCT 1864", 1864, "Born 2 Oct 1864"},
        DateCase{"OCT 1864", 1864, "Born Oct 1864"}, DateCase{"1864", 1864, "Born 1864"},
        DateCase{"ABT 1850", 1850, "Born about 1850"},
        DateCase{"abt 1850", 1850, "Born about 1850"},
        DateCase{"CAL 1850", 1850, "Born calculated 1850"},
        DateCase{"EST 1850", 1850, "Born estimated 1850"},
        DateCase{"BEF 1900", 1900, "Born before 1900"},
        DateCase{"AFT 3 MAR 1850", 1850, "Born after 3 Mar 1850"},
        DateCase{"BET 1850 AND 1852", 1850, "Born between 1850 and 1852"},
        DateCase{"BET 1852 AND 1850", 1850, "Born between 1852 and 1850"},
        DateCase{"FROM 1850 TO 1860", 1850, "Born from 1850 to 1860"},
        DateCase{"FROM 1850", 1850, "Born from 1850"}, DateCase{"TO 1860", 1860, "Born to 1860"},
        DateCase{"INT 3 MAR 1871 (in the  spring)", 1871, "Born 3 Mar 1871 (in the spring)"},
        DateCase{"(the year of the flood)", 1880, "Born (the year of the flood) 1880 (estimated)"},
        DateCase{"44 B.C.", -44, "Born 44 B.C."}, DateCase{"44 BC", -44, "Born 44 BC"},
        DateCase{"44 BCE", -44, "Born 44 BCE"}, DateCase{"1750/51", 1751, "Born 1750/51"},
        DateCase{"11 FEB 1699/00", 1700, "Born 11 Feb 1699/00"},
        DateCase{"@#DJULIAN@ 3 MAR 1750/51", 1751, "Born 3 Mar 1750/51"},
        DateCase{"@#DGREGORIAN@ 1864", 1864, "Born 1864"},
        DateCase{"@#DHEBREW@ 1 TSH 5624", 1863, "Born 1 Tsh 5624"},
        DateCase{"@#DHEBREW@ 1 NSN 5624", 1864, "Born 1 Nsn 5624"},
        DateCase{"@#DHEBREW@ 5624", 1863, "Born 5624"},
        DateCase{"@#DFRENCH R@ 1 VEND 1", 1792, "Born 1 Vend 1"},
        DateCase{"@#DFRENCH R@ 11 NIVO 1", 1792, "Born 11 Nivo 1"},
        DateCase{"@#DFRENCH R@ 12 NIVO 1", 1793, "Born 12 Nivo 1"},
        DateCase{"@#DFRENCH R@ 3", 1794, "Born 3"}, DateCase{"@#DROMAN@ 754", 1, "Born 754"},
        DateCase{"FRENCH_R 1 GERM 3", 1795, "Born 1 Germ 3"},
        DateCase{"JULIAN 1 JAN 1700", 1700, "Born 1 Jan 1700"},
        DateCase{"HEBREW TSH 5624", 1863, "Born Tsh 5624"},
        DateCase{"GREGORIAN 24 DEC 1900", 1900, "Born 24 Dec 1900"},
        DateCase{"BET @#DJULIAN@ 1700 AND @#DGREGORIAN@ 1760", 1700, "Born between 1700 and 1760"},
        DateCase{"Tuesday, 3rd March 1871", 1871, "Born Tuesday, 3rd March 1871"},
        DateCase{"3.3.1871", 1871, "Born 3.3.1871"},
        DateCase{"1871-03-03", 1871, "Born 1871-03-03"},
        DateCase{"c. 1850", 1850, "Born about 1850"},
        DateCase{"3 MAR", 1880, "Born 3 MAR 1880 (estimated)"},
        DateCase{"@#DUNKNOWN", 1880, "Born @#DUNKNOWN 1880 (estimated)"},
        DateCase{"", 1880, "Born 1880 (estimated)"}));

INSTANTIATE_TEST_SUITE_P(
    Deaths, GedcomDateTest,
    ::testing::Values(Death("BET 1850 AND 1852", 1852, "Died between 1850 and 1852"),
                      Death("FROM 1840 TO 1845", 1845, "Died from 1840 to 1845"),
                      Death("@#DHEBREW@ 5624", 1864, "Died 5624"),
                      Death("@#DHEBREW@ TVT 5624", 1864, "Died Tvt 5624"),
                      Death("@#DFRENCH R@ 3", 1795, "Died 3"),
                      Death("1850 or 1851", 1851, "Died 1850 or 1851"),
                      Death("ABT 1850", 1850, "Died about 1850"),
                      Death("(young)", 1850, "Died (young) 1850 (estimated)")));

// Words come from the caller: another language's table changes every qualifier.
TEST(GedcomDateWordsTest, QualifiersUseTheCallersWords)
{
    KIN_GedcomOptions options;
    options.words.born = "Né";
    options.words.between = "entre";
    options.words.and_ = "et";
    options.words.died = "Mort";
    options.words.about = "vers";
    const KIN_GedcomResult result =
        KIN_GedcomImport::ImportBytes(PersonWith("BET 1850 AND 1852", "ABT 1900"), options);
    ASSERT_EQ(result.diagram.periods.size(), 1u);
    EXPECT_EQ(result.diagram.periods.front().details,
              "Né entre 1850 et 1852\nMort vers 1900\nGEDCOM @I1@");
}
} // namespace
