// Charts of one person: who is drawn around them, in how many generations, with the years
// of the whole tree.
#include "GedcomTestSupport.h"
#include "KIN_TestTrees.h"

#include <set>

namespace
{
using Kind = KIN_GedcomChartKind;

KIN_GedcomResult Chart(const std::string& text, Kind kind, const std::string& root,
                       std::int32_t nUp, std::int32_t nDown, bool bSpouses = true)
{
    KIN_GedcomOptions options;
    options.chart.kind = kind;
    options.chart.root = root;
    options.chart.nUp = nUp;
    options.chart.nDown = nDown;
    options.chart.bSpouses = bSpouses;
    return KIN_GedcomImport::ImportBytes(text, options);
}

std::set<std::string> Titles(const KIN_DataDiagram& diagram)
{
    std::set<std::string> titles;
    for (const KIN_DataPeriod& period : diagram.periods)
        titles.insert(period.title);
    return titles;
}

std::int32_t Links(const KIN_DataDiagram& diagram, const std::string& parent)
{
    const KIN_DataPeriod* pParent = FindPeriod(diagram, parent);
    if (!pParent)
        return -1;
    return static_cast<std::int32_t>(std::count_if(diagram.links.begin(), diagram.links.end(),
                                                   [&](const KIN_DataLink& link)
                                                   { return link.period1 == pParent->id; }));
}
} // namespace

TEST(GedcomChart, EachKindDrawsItsRelativesWithinTheGenerations)
{
    const std::string lind = KIN_LindFamily().Text();
    const std::set<std::string> ancestors = {"Anna Lind",  "Erik Lind", "Anna Holm",
                                             "Johan Lind", "Elin Berg", "Maria Lind",
                                             "Olof Holm",  "Per Lind",  "Kerstin Olsdotter"};
    const struct
    {
        Kind kind;
        const char* pRoot;
        std::int32_t nUp, nDown;
        bool bSpouses;
        std::set<std::string> drawn;
        std::int32_t nGenerations;
    } cases[] = {
        {Kind::Ancestors, "I9", 4, 4, true, ancestors, 4},
        {Kind::Ancestors, "@I9@", 1, 4, true, {"Anna Lind", "Erik Lind", "Anna Holm"}, 2},
        {Kind::Ancestors, "I9", 0, 4, true, {"Anna Lind"}, 1},
        {Kind::Descendants,
         "I9",
         4,
         4,
         true,
         {"Anna Lind", "Gustav Ek", "Sven Ek", "Greta Ek", "Ida Nord", "Lars Ek"},
         3},
        {Kind::Descendants, "I9", 4, 4, false, {"Anna Lind", "Sven Ek", "Greta Ek", "Lars Ek"}, 3},
        {Kind::Descendants,
         "I9",
         4,
         1,
         true,
         {"Anna Lind", "Gustav Ek", "Sven Ek", "Greta Ek", "Ida Nord"},
         2},
        {Kind::AncestorsAndDescendants,
         "I9",
         1,
         1,
         true,
         {"Anna Lind", "Erik Lind", "Anna Holm", "Gustav Ek", "Sven Ek", "Greta Ek", "Ida Nord"},
         3},
        {Kind::Relatives,
         "I9",
         1,
         0,
         true,
         {"Anna Lind", "Erik Lind", "Anna Holm", "Karl Lind", "Hilda Sjö", "Gustav Ek"},
         2},
        {Kind::Relatives,
         "I9",
         99,
         99,
         false,
         {"Anna Lind", "Erik Lind", "Anna Holm", "Johan Lind", "Elin Berg", "Maria Lind",
          "Olof Holm", "Per Lind", "Kerstin Olsdotter", "Karl Lind", "Nils Lind", "Sven Ek",
          "Greta Ek", "Lars Ek"},
         6},
        // Lars's aunt, not his great-grandparents beyond the limit nor his great-uncle Karl.
        {Kind::Relatives,
         "I15",
         2,
         99,
         true,
         {"Lars Ek", "Sven Ek", "Ida Nord", "Gustav Ek", "Anna Lind", "Greta Ek"},
         3},
        {Kind::Everyone, "", 0, 0, true, {}, 0},
    };
    for (const auto& chart : cases)
    {
        SCOPED_TRACE(std::string(chart.pRoot) + " kind " +
                     std::to_string(static_cast<int>(chart.kind)) + " up " +
                     std::to_string(chart.nUp) + " down " + std::to_string(chart.nDown));
        const KIN_GedcomResult result =
            Chart(lind, chart.kind, chart.pRoot, chart.nUp, chart.nDown, chart.bSpouses);
        ASSERT_EQ(result.error, KIN_GedcomError::None);
        ExpectValidDiagram(result.diagram);
        ExpectNoOverlaps(result.diagram);
        if (chart.kind == Kind::Everyone)
        {
            EXPECT_EQ(result.diagram.periods.size(), 20u);
            EXPECT_TRUE(result.rootTitle.empty());
            continue;
        }
        EXPECT_EQ(Titles(result.diagram), chart.drawn);
        EXPECT_EQ(result.nPeople, chart.drawn.size());
        EXPECT_EQ(result.nGenerations, chart.nGenerations);
        EXPECT_EQ(result.nLeftOut, 0u);
        // The chart's person is the one shown first.
        const KIN_DataPeriod* pRoot = FindPeriod(result.diagram, result.rootTitle);
        ASSERT_NE(pRoot, nullptr);
        EXPECT_EQ(result.nShownId, pRoot->id);
    }
}

TEST(GedcomChart, CousinsWhoMarriedShareTheirAncestorsOnce)
{
    const KIN_GedcomResult result = Chart(KIN_LindFamily().Text(), Kind::Ancestors, "I9", 4, 0);
    ASSERT_EQ(result.error, KIN_GedcomError::None);
    EXPECT_EQ(std::count_if(result.diagram.periods.begin(), result.diagram.periods.end(),
                            [](const KIN_DataPeriod& period)
                            { return period.title == "Per Lind"; }),
              1);
    // One link to each of their children, Johan and Maria, the lines that meet in Anna.
    EXPECT_EQ(Links(result.diagram, "Per Lind"), 2);
    EXPECT_EQ(Links(result.diagram, "Kerstin Olsdotter"), 2);
    EXPECT_EQ(result.diagram.links.size(), 10u);
}

TEST(GedcomChart, YearsAreThoseOfTheWholeTree)
{
    const std::string lind = KIN_LindFamily().Text();
    const KIN_GedcomResult everyone = Import(lind);
    ASSERT_EQ(everyone.error, KIN_GedcomError::None);
    for (const Kind kind : {Kind::Ancestors, Kind::AncestorsAndDescendants, Kind::Relatives})
    {
        const KIN_GedcomResult chart = Chart(lind, kind, "I9", 2, 2);
        ASSERT_EQ(chart.error, KIN_GedcomError::None);
        for (const KIN_DataPeriod& period : chart.diagram.periods)
        {
            // Kerstin has no dates: her estimate comes from the whole family.
            const KIN_DataPeriod* pWhole = FindPeriod(everyone.diagram, period.title);
            ASSERT_NE(pWhole, nullptr) << period.title;
            EXPECT_EQ(period.begin, pWhole->begin) << period.title;
            EXPECT_EQ(period.end, pWhole->end) << period.title;
            EXPECT_EQ(period.details, pWhole->details) << period.title;
        }
    }
}

TEST(GedcomChart, ALongLineStopsAtTheGenerationsAsked)
{
    const std::string line = KIN_LongLine(30).Text();
    const struct
    {
        Kind kind;
        const char* pRoot;
        std::int32_t nUp, nDown;
        bool bSpouses;
        std::size_t nPeople;
        std::int32_t nGenerations;
    } cases[] = {
        {Kind::Descendants, "L1", 4, 5, false, 6, 6},
        {Kind::Descendants, "L1", 4, 5, true, 12, 6},
        {Kind::Ancestors, "L30", 7, 4, true, 15, 8}, // fathers and mothers
        {Kind::AncestorsAndDescendants, "L15", 6, 6, false, 19, 13},
        {Kind::AncestorsAndDescendants, "L15", 6, 6, true, 26, 13}, // the sons' wives
        {Kind::Relatives, "L15", 99, 99, false, 44, 30},
        {Kind::Descendants, "W3", 4, 3, true, 8, 4},
    };
    for (const auto& chart : cases)
    {
        SCOPED_TRACE(std::string(chart.pRoot) + " " + std::to_string(chart.nPeople));
        const KIN_GedcomResult result =
            Chart(line, chart.kind, chart.pRoot, chart.nUp, chart.nDown, chart.bSpouses);
        ASSERT_EQ(result.error, KIN_GedcomError::None);
        ExpectValidDiagram(result.diagram);
        EXPECT_EQ(result.nPeople, chart.nPeople);
        EXPECT_EQ(result.nGenerations, chart.nGenerations);
    }
}

TEST(GedcomChart, APersonAloneOrUnknown)
{
    const std::string lind = KIN_LindFamily().Text();
    for (const Kind kind :
         {Kind::Ancestors, Kind::Descendants, Kind::AncestorsAndDescendants, Kind::Relatives})
    {
        const KIN_GedcomResult alone = Chart(lind, kind, "I20", 9, 9);
        ASSERT_EQ(alone.error, KIN_GedcomError::None);
        ASSERT_EQ(alone.diagram.periods.size(), 1u);
        EXPECT_EQ(alone.diagram.periods[0].title, "Mats Strand");
        EXPECT_TRUE(alone.diagram.links.empty());
        EXPECT_EQ(alone.nGenerations, 1);
        EXPECT_EQ(alone.rootTitle, "Mats Strand");
    }
    for (const char* pUnknown : {"I99", "@I99@", "i9", ""})
    {
        const KIN_GedcomResult unknown = Chart(lind, Kind::Ancestors, pUnknown, 4, 4);
        EXPECT_EQ(unknown.error, KIN_GedcomError::NoPerson) << pUnknown;
        EXPECT_TRUE(unknown.diagram.periods.empty());
    }
    EXPECT_EQ(Chart(lind, Kind::Ancestors, "@I99@", 4, 4).detail, "I99");
}
