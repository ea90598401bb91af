// Lines, names and the files the import must refuse or survive.
#include "GedcomTestSupport.h"
#include "KIN_TestFiles.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace
{
const std::string g_family = "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n"
                             "0 @I1@ INDI\n1 NAME Nils /Svensson/\n1 SEX M\n1 BIRT\n"
                             "2 DATE 3 MAR 1840\n2 PLAC Ystad\n1 FAMS @F1@\n"
                             "0 @I2@ INDI\n1 NAME Karl /Svensson/\n1 SEX M\n1 BIRT\n"
                             "2 DATE 1870\n1 FAMC @F1@\n"
                             "0 @F1@ FAM\n1 HUSB @I1@\n1 CHIL @I2@\n0 TRLR\n";

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    for (std::size_t n = text.find(from); n != std::string::npos;
         n = text.find(from, n + to.size()))
        text.replace(n, from.size(), to);
    return text;
}

std::string TitleOf(const std::string& name)
{
    const KIN_GedcomResult result =
        Import("0 HEAD\n0 @I1@ INDI\n1 NAME " + name + "\n1 BIRT\n2 DATE 1900\n0 TRLR\n");
    return result.diagram.periods.empty() ? "(none)" : result.diagram.periods.front().title;
}

TEST(GedcomReaderTest, LineEndsLeadingSpaceAndBlankLinesReadAlike)
{
    const KIN_GedcomResult expected = Import(g_family);
    ASSERT_EQ(expected.error, KIN_GedcomError::None);
    ASSERT_EQ(expected.diagram.periods.size(), 2u);
    for (const std::string& variant :
         {Replaced(g_family, "\n", "\r\n"), Replaced(g_family, "\n", "\r"),
          Replaced(g_family, "\n", "\n\n  \t"), "\xEF\xBB\xBF \r\n" + g_family,
          Replaced(g_family, "0 TRLR\n", "0 TRLR")})
    {
        const KIN_GedcomResult result = Import(variant);
        EXPECT_EQ(result.error, KIN_GedcomError::None);
        EXPECT_TRUE(SameDiagram(result.diagram, expected.diagram));
    }
}

TEST(GedcomReaderTest, ConcJoinsAndContBreaksLongValues)
{
    const KIN_GedcomResult result =
        Import("0 HEAD\n0 @I1@ INDI\n1 NAME Ingr\n2 CONC id /Svens\n2 CONC son/\n1 BIRT\n"
               "2 DATE 3 MAR\n3 CONC  1871\n2 PLAC Ystad,\n3 CONT Sweden\n0 TRLR\n");
    ASSERT_EQ(result.diagram.periods.size(), 1u);
    const KIN_DataPeriod& period = result.diagram.periods.front();
    EXPECT_EQ(period.title, "Ingrid Svensson");
    EXPECT_EQ(period.begin, 1871);
    EXPECT_EQ(period.details, "Born 3 Mar 1871, Ystad, Sweden\nDied 1941 (estimated)\nGEDCOM @I1@");
}

TEST(GedcomReaderTest, NamesLoseTheirSlashesAndSpareSpaces)
{
    const std::pair<const char*, const char*> names[] = {
        {"Ingrid /Svensson/", "Ingrid Svensson"},
        {"  Ingrid   /Svensson/  ", "Ingrid Svensson"},
        {"/Svensson/ Ingrid", "Svensson Ingrid"},
        {"John /Smith/, Jr.", "John Smith, Jr."},
        {"Ingrid//", "Ingrid"},
        {"//", "?"},
        {"\n2 GIVN Ingrid\n2 SURN Svensson", "Ingrid Svensson"}, // no value: GIVN and SURN
        {"First /One/\n1 NAME Second /Two/", "First One"},
    };
    for (const auto& name : names)
        EXPECT_EQ(TitleOf(name.first), name.second) << name.first;
}

// How real files write their facts: the years and details that count.
TEST(GedcomReaderTest, SpacedDatesAndRepeatedFactsGiveTheFirstDatedYear)
{
    struct Case
    {
        const char* pFacts;
        std::int64_t nBegin;
        std::int64_t nEnd;
        const char* pDetails;
    };
    const Case cases[] = {
        {"1 BIRT\n2 DATE      1850\n1 DEAT\n2 DATE      1906", 1850, 1906, "Born 1850\nDied 1906"},
        {"1 BIRT\n2 DATE \t 3  MAR   1850  ", 1850, 1920, "Born 3 Mar 1850\nDied 1920 (estimated)"},
        {"1 BIRT Y\n2 PLAC Ystad\n1 BIRT\n2 DATE 1851\n1 DEAT\n2 DATE 1900", 1851, 1900,
         "Born 1851, Ystad\nDied 1900"},
        {"1 BIRT\n2 DATE UNKNOWN\n1 BIRT\n2 DATE ABT 1852\n1 BIRT\n2 DATE 1860", 1852, 1922,
         "Born about 1852\nDied 1922 (estimated)"},
        {"1 DEAT\n1 BIRT\n2 DATE 1850\n1 DEAT\n2 DATE 1899\n2 PLAC Lund", 1850, 1899,
         "Born 1850\nDied 1899, Lund"},
    };
    for (const Case& test : cases)
    {
        const KIN_GedcomResult result =
            Import(std::string("0 HEAD\n0 INDI\n1 NAME A\n") + test.pFacts + "\n0 TRLR\n");
        ASSERT_EQ(result.diagram.periods.size(), 1u) << test.pFacts;
        const KIN_DataPeriod& period = result.diagram.periods.front();
        EXPECT_EQ(period.begin, test.nBegin) << test.pFacts;
        EXPECT_EQ(period.end, test.nEnd) << test.pFacts;
        EXPECT_EQ(period.details, test.pDetails) << test.pFacts;
    }
}

TEST(GedcomReaderTest, APersonWithoutNameTakesTheCallersWord)
{
    KIN_GedcomOptions options;
    options.words.unknownName = "N.N.";
    const KIN_GedcomResult result = KIN_GedcomImport::ImportBytes(
        "0 HEAD\n0 @I1@ INDI\n1 SEX F\n1 BIRT\n2 DATE 1900\n0 TRLR\n", options);
    ASSERT_EQ(result.diagram.periods.size(), 1u);
    EXPECT_EQ(result.diagram.periods.front().title, "N.N.");
}

TEST(GedcomReaderTest, FilesWithoutHeaderAreRefusedWithTheirFirstLine)
{
    struct Refused
    {
        std::string bytes;
        KIN_GedcomError error;
        std::string detail;
    };
    const std::vector<Refused> refused = {
        {"", KIN_GedcomError::Empty, ""},
        {" \r\n\t\n", KIN_GedcomError::Empty, ""},
        {"\xEF\xBB\xBF", KIN_GedcomError::Empty, ""},
        {"hello world\n0 HEAD\n", KIN_GedcomError::NotGedcom, "hello world"},
        {"<kinvora>\n", KIN_GedcomError::NotGedcom, "<kinvora>"},
        {"0 @I1@ INDI\n", KIN_GedcomError::NotGedcom, "0 @I1@ INDI"},
        {"1 HEAD\n", KIN_GedcomError::NotGedcom, "1 HEAD"},
        {"\x89PNG\x1A\x0A", KIN_GedcomError::NotGedcom, "\xC2\x89PNG?"},
        {std::string(500, 'x'), KIN_GedcomError::NotGedcom, std::string(80, 'x')},
        {"0 HEAD\n0 TRLR\n", KIN_GedcomError::NoDates, ""},
        {"0 HEAD\n0 @I1@ INDI\n1 NAME Nils\n1 BIRT\n2 PLAC Ystad\n", KIN_GedcomError::NoDates, ""},
    };
    for (const Refused& file : refused)
    {
        const KIN_GedcomResult result = Import(file.bytes);
        EXPECT_EQ(result.error, file.error) << file.bytes;
        EXPECT_EQ(result.detail, file.detail);
        EXPECT_TRUE(result.diagram.periods.empty());
    }
}

// A file cut anywhere still gives what was read before the cut, once it holds a date.
TEST(GedcomReaderTest, TruncatedFilesKeepWhatWasRead)
{
    const std::size_t nNoDate = g_family.find("DATE 3") + 5;
    const std::size_t nDated = g_family.find("1840") + 4;
    for (std::size_t nCut = 7; nCut < g_family.size(); ++nCut)
    {
        const KIN_GedcomResult result = Import(g_family.substr(0, nCut));
        if (nCut <= nNoDate)
            EXPECT_EQ(result.error, KIN_GedcomError::NoDates) << nCut;
        else if (nCut >= nDated)
            EXPECT_EQ(result.error, KIN_GedcomError::None) << nCut;
        else // "3", "3 MAR" and the like may read as years
            EXPECT_NE(result.error, KIN_GedcomError::Cancelled) << nCut;
        ExpectValidDiagram(result.diagram);
    }
    const KIN_GedcomResult dated = Import(g_family.substr(0, g_family.find("1840") + 4));
    ASSERT_EQ(dated.diagram.periods.size(), 1u);
    EXPECT_EQ(dated.diagram.periods.front().title, "Nils Svensson");
}

TEST(GedcomReaderTest, BrokenPointersAndDuplicateIdsLoseNothingElse)
{
    const std::string text = Replaced(g_family, "0 TRLR\n",
                                      "0 @I2@ INDI\n1 NAME Impostor\n1 BIRT\n2 DATE 1700\n"
                                      "0 @F1@ FAM\n1 HUSB @I2@\n1 CHIL @I1@\n"
                                      "0 @I3@ INDI\n1 NAME Lone\n1 BIRT\n2 DATE 1900\n"
                                      "1 FAMC @F9@\n1 FAMS @\n"
                                      "0 @F2@ FAM\n1 HUSB @I99@\n1 WIFE @I3@\n1 CHIL @VOID@\n"
                                      "0 TRLR\n");
    const KIN_GedcomResult result = Import(text);
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    ExpectValidDiagram(result.diagram);
    EXPECT_EQ(result.nPeople, 3u);
    EXPECT_EQ(result.nFamilies, 2u);
    EXPECT_EQ(FindPeriod(result.diagram, "Impostor"), nullptr);
    EXPECT_EQ(result.diagram.links, std::vector<KIN_DataLink>({KIN_DataLink{1, 2, 1, 0}}));
}

TEST(GedcomReaderTest, MegabyteLinesAreRead)
{
    const std::string name(2000000, 'a');
    const std::string text = "0 HEAD\n0 @N1@ NOTE " + std::string(5000000, 'n') +
                             "\n0 @I1@ INDI\n1 NAME " + name + "\n1 BIRT\n2 DATE " +
                             std::string(1000000, ' ') + "1900\n0 TRLR\n";
    const KIN_GedcomResult result = Import(text);
    ASSERT_EQ(result.diagram.periods.size(), 1u);
    EXPECT_EQ(result.diagram.periods.front().title, name);
    EXPECT_EQ(result.diagram.periods.front().begin, 1900);
}

TEST(GedcomReaderTest, FilesAreReadFromDisk)
{
    const TestFolder folder;
    const KIN_GedcomResult result =
        KIN_GedcomImport::ImportFile(folder.Write("tree.ged", g_family), KIN_GedcomOptions());
    EXPECT_EQ(result.error, KIN_GedcomError::None);
    EXPECT_TRUE(SameDiagram(result.diagram, Import(g_family).diagram));

    const KIN_GedcomResult missing =
        KIN_GedcomImport::ImportFile(folder.Path("missing.ged"), KIN_GedcomOptions());
    EXPECT_EQ(missing.error, KIN_GedcomError::Unreadable);
    EXPECT_EQ(missing.detail, "No such file or directory");
    const KIN_GedcomResult folderItself =
        KIN_GedcomImport::ImportFile(folder.Root(), KIN_GedcomOptions());
    EXPECT_EQ(folderItself.error, KIN_GedcomError::Unreadable);
    EXPECT_EQ(folderItself.detail, "Is a directory");
}

TEST(GedcomReaderTest, ProgressRisesToTheTotalAndCanCancel)
{
    std::string text = "0 HEAD\n";
    for (int n = 0; n < 20000; ++n)
        text += "0 @I" + std::to_string(n) + "@ INDI\n1 BIRT\n2 DATE 1900\n";
    std::vector<std::size_t> reports;
    KIN_GedcomOptions options;
    options.progress = [&](std::size_t nDone, std::size_t nTotal)
    {
        EXPECT_LE(nDone, nTotal);
        EXPECT_TRUE(reports.empty() || nDone > reports.back());
        reports.push_back(nDone * 1000 / nTotal);
        return true;
    };
    EXPECT_EQ(KIN_GedcomImport::ImportBytes(text, options).error, KIN_GedcomError::None);
    ASSERT_GT(reports.size(), 5u);
    EXPECT_EQ(reports.front(), 0u);
    EXPECT_EQ(reports.back(), 1000u);

    for (const std::size_t nStopAt : {std::size_t{0}, std::size_t{3}, reports.size() - 1})
    {
        std::size_t nCalls = 0;
        options.progress = [&](std::size_t, std::size_t) { return nCalls++ < nStopAt; };
        const KIN_GedcomResult result = KIN_GedcomImport::ImportBytes(text, options);
        EXPECT_EQ(result.error, KIN_GedcomError::Cancelled) << nStopAt;
        EXPECT_TRUE(result.diagram.periods.empty());
        EXPECT_EQ(nCalls, nStopAt + 1);
    }
}
} // namespace
