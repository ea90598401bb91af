#include "FIL_IElement.h"
#include "FIL_OpenFile.h"
#include "KIN_DataFile.h"
#include "KIN_DiagramFileFormat.h"
#include "KIN_TestFiles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace
{
class DiagramFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document = CreateDataFile();
        document->SetLimits(0, 40, 10, true);
    }

    std::string Path(const std::string& name) const { return folder.Path(name); }
    std::string Write(const std::string& name, const std::string& bytes) const
    {
        return folder.Write(name, bytes);
    }
    static std::string Read(const std::string& path) { return ReadBytes(path); }
    static std::string Fixture(const std::string& name) { return DataPath(name); }

    std::string Saved()
    {
        EXPECT_TRUE(document->Save(Path("saved.xml")));
        return Read(Path("saved.xml"));
    }

    static KIN_DataPeriod Period(const std::string& title)
    {
        KIN_DataPeriod period;
        period.title = title;
        period.begin = 1900;
        period.end = 1950;
        return period;
    }

    const KIN_DataDiagram& Data() const { return *document->GetData(); }

    std::size_t FilesInFolder() const
    {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder.Root()),
                          std::filesystem::directory_iterator()));
    }

    TestFolder folder;
    sp<KIN_IDataFile> document;
};

TEST_F(DiagramFileTest, EmptyDocumentIsThreeLines)
{
    EXPECT_EQ(Saved(), "<kinvora>\n\t<E b=\"0\" e=\"40\" w=\"10\" />\n</kinvora>\n");
}

TEST_F(DiagramFileTest, WritesEachRecordOnItsLine)
{
    document->AddPeriod(Period("A;B"));
    KIN_DataPeriod old = Period("old");
    old.begin = -100000000000LL;
    old.end = -5000;
    old.column = 3;
    old.width = 4;
    old.colorBorder = 1;
    old.colorBackground = 18;
    old.colorText = 0;
    old.details = "d";
    document->AddPeriod(old);
    document->AddLink(KIN_DataLink{1, 2, 0, 3});
    KIN_DataImage image;
    image.x = 205;
    image.y = 40;
    image.scale = 0.5;
    image.file = "C:\\pics\\a.png";
    document->AddImage(image);
    image.scale = 4.0 / 3.0;
    image.file.clear();
    document->AddImage(image);
    EXPECT_EQ(
        Saved(),
        "<kinvora>\n"
        "\t<E b=\"0\" e=\"40\" w=\"10\" />\n"
        "\t<P b=\"1900\" e=\"1950\" w=\"2\" s=\"0\" i=\"1\" t=\"A__comma__B\" d=\"\" "
        "cp=\"-1\" cb=\"-1\" ct=\"-1\" />\n"
        "\t<P b=\"-100000000000\" e=\"-5000\" w=\"4\" s=\"3\" i=\"2\" t=\"old\" d=\"d\" "
        "cp=\"1\" cb=\"18\" ct=\"0\" />\n"
        "\t<L i1=\"1\" i2=\"2\" p1=\"0\" p2=\"3\" />\n"
        "\t<I x=\"205\" y=\"40\" s=\"0.5\" f=\"C__tag58____tag92__pics__tag92__a__tag46__png\" />\n"
        "\t<I x=\"205\" y=\"40\" s=\"1.33333\" f=\"\" />\n"
        "</kinvora>\n");
    EXPECT_EQ(Data().periods[0].title, "A;B"); // saving escapes copies
}

TEST_F(DiagramFileTest, SavedDocumentLoadsBackEqual)
{
    KIN_DataPeriod period = Period("a\nb\tc \xC3\xA9 <&> \"q\" 'p' \x01\x1F\r");
    period.details = "details; with: punctuation!";
    document->AddPeriod(period);
    KIN_DataPeriod second = Period("second");
    second.uncertainEnd = true;
    document->AddPeriod(second);
    document->AddLink(KIN_DataLink{2, 1, 3, 0});
    KIN_DataImage image;
    image.scale = 1234567.0;
    image.file = "pics/a b.png";
    document->AddImage(image);
    document->SetLimits(4, 30, 25, false);
    const std::string text = Saved();
    EXPECT_NE(text.find("t=\"a__endl__b__tab__c __tag195____tag169__ __inf____tag38____sup__"),
              std::string::npos);
    EXPECT_NE(text.find("s=\"1.23457e+06\""), std::string::npos);

    const sp<KIN_IDataFile> other = CreateDataFile();
    ASSERT_TRUE(other->Load(Path("saved.xml")));
    const KIN_DataDiagram& loaded = *other->GetData();
    EXPECT_EQ(loaded.periods, Data().periods);
    EXPECT_EQ(loaded.links, Data().links);
    ASSERT_EQ(loaded.images.size(), 1u);
    EXPECT_EQ(loaded.images[0].file, "pics/a b.png");
    EXPECT_DOUBLE_EQ(loaded.images[0].scale, 1234570.0);
    EXPECT_EQ(loaded.begin, 4);
    EXPECT_EQ(loaded.end, 30);
    EXPECT_EQ(loaded.width, 25);
}

// Each line is loaded, checked and saved again. A file with no uncertain year is written as it
// always was, the flags come back byte for byte, and they are read leniently: in any order, a
// number other than 0 as set, anything else as certain, unknown attributes ignored.
TEST_F(DiagramFileTest, UncertainYearsLoadLenientlyAndSaveExactly)
{
    const std::string head = "<kinvora>\n\t<E b=\"0\" e=\"40\" w=\"10\" />\n";
    const std::string period = "\t<P b=\"1850\" e=\"1920\" w=\"2\" s=\"1\" i=\"1\" t=\"A\" d=\"\" "
                               "cp=\"-1\" cb=\"-1\" ct=\"-1\"";
    const struct
    {
        const char* pAttributes;
        bool bBegin;
        bool bEnd;
        const char* pSaved; // the attributes written back; null: as read
    } cases[] = {
        {"", false, false, nullptr},
        {" ub=\"1\"", true, false, nullptr},
        {" ue=\"1\"", false, true, nullptr},
        {" ub=\"1\" ue=\"1\"", true, true, nullptr},
        {" ue=\"1\" ub=\"1\"", true, true, " ub=\"1\" ue=\"1\""},
        {" ub=\"0\" ue=\"0\"", false, false, ""},
        {" ub=\"7\"", true, false, " ub=\"1\""},
        {" ub=\"yes\" ue=\"\"", false, false, ""},
        {" ub=\"1\" zz=\"3\"", true, false, " ub=\"1\""},
    };
    for (const auto& c : cases)
    {
        const std::string text = head + period + c.pAttributes + " />\n</kinvora>\n";
        ASSERT_TRUE(document->Load(Write("in.xml", text))) << c.pAttributes;
        ASSERT_EQ(Data().periods.size(), 1u) << c.pAttributes;
        EXPECT_EQ(Data().periods[0].uncertainBegin, c.bBegin) << c.pAttributes;
        EXPECT_EQ(Data().periods[0].uncertainEnd, c.bEnd) << c.pAttributes;
        EXPECT_EQ(Saved(),
                  head + period + (c.pSaved ? c.pSaved : c.pAttributes) + " />\n</kinvora>\n")
            << c.pAttributes;
    }
}

// The flags are attributes like the others: the brace text of the same file carries them,
// and only on the periods that have them.
TEST_F(DiagramFileTest, UncertainFlagsSurviveTheBraceFormat)
{
    KIN_DataPeriod uncertain = Period("u");
    uncertain.uncertainBegin = true;
    uncertain.uncertainEnd = true;
    document->AddPeriod(Period("c"));
    document->AddPeriod(uncertain);
    ASSERT_TRUE(document->Save(Path("flags.xml")));
    const sp<FIL_IAutomat> xml = FIL_OpenXml(Path("flags.xml").c_str());
    ASSERT_TRUE(xml);
    ASSERT_TRUE(xml->SaveFile(Path("flags.txt").c_str()));
    const std::string brace = Read(Path("flags.txt"));
    EXPECT_EQ(brace.find("ub"), brace.rfind("ub")) << brace; // once: the second period only
    const sp<FIL_IAutomat> text = FIL_OpenFile(Path("flags.txt").c_str(), nullptr, false);
    ASSERT_TRUE(text) << brace;
    ASSERT_TRUE(text->GetRoot());
    // The brace file holds the XML root as its one table.
    const sp<FIL_IElement> root = text->GetRoot()->GetElement("kinvora", 1);
    ASSERT_TRUE(root);
    std::string flag;
    EXPECT_FALSE(root->GetElement("P", 1)->GetValue("ub", flag));
    ASSERT_TRUE(root->GetElement("P", 2)->GetValue("ub", flag));
    EXPECT_EQ(flag, "1");
    ASSERT_TRUE(root->GetElement("P", 2)->GetValue("ue", flag));
    EXPECT_EQ(flag, "1");
}

TEST_F(DiagramFileTest, TitlesThatSpellTokensReadBackAsTyped)
{
    const std::vector<std::string> titles = {"x__tab__y", "]endl__", "(tab)", "__tag95__", "a_b"};
    for (const std::string& title : titles)
        document->AddPeriod(Period(title));
    const std::string text = Saved();
    EXPECT_NE(text.find("t=\"__tag40__tab__tag41__\""), std::string::npos);
    EXPECT_NE(text.find("t=\"a_b\""), std::string::npos);
    ASSERT_TRUE(document->Load(Path("saved.xml")));
    ASSERT_EQ(Data().periods.size(), titles.size());
    for (std::size_t n = 0; n < titles.size(); ++n)
        EXPECT_EQ(Data().periods[n].title, titles[n]);

    // Tokens in a file written by hand are still read as tokens.
    Write("hand.xml",
          "<kinvora><E b=\"1\" e=\"30\" w=\"9\" /><P b=\"1900\" e=\"1950\" w=\"2\" "
          "s=\"0\" i=\"1\" t=\"x__tab__y\" d=\"\" cp=\"1\" cb=\"2\" ct=\"3\" /></kinvora>");
    ASSERT_TRUE(document->Load(Path("hand.xml")));
    EXPECT_EQ(Data().periods[0].title, "x\ty");
}

TEST_F(DiagramFileTest, IncompletePeriodsAreSkipped)
{
    ASSERT_TRUE(document->Load(Fixture("diagram-missing-cp.xml")));
    EXPECT_TRUE(Data().periods.empty());
    ASSERT_EQ(Data().links.size(), 1u);
    EXPECT_EQ(Data().links[0], (KIN_DataLink{1, 2, 0, 3}));
    EXPECT_EQ(Data().begin, 3);
    EXPECT_EQ(Data().end, 30);
    EXPECT_EQ(Data().width, 12);
}

TEST_F(DiagramFileTest, ImagesWithoutFileAreSkippedAndIndexed)
{
    ASSERT_TRUE(document->Load(Fixture("diagram-images.xml")));
    ASSERT_EQ(Data().images.size(), 2u);
    EXPECT_EQ(Data().images[0].file, "a.png");
    EXPECT_EQ(Data().images[0].index, 0);
    EXPECT_DOUBLE_EQ(Data().images[0].scale, 0.5);
    EXPECT_EQ(Data().images[1].file, "c.png");
    EXPECT_EQ(Data().images[1].x, 5);
    EXPECT_EQ(Data().images[1].index, 1);
}

TEST_F(DiagramFileTest, OtherRootNameAndUnknownElementsLoad)
{
    ASSERT_TRUE(document->Load(Fixture("diagram-other-root.xml")));
    EXPECT_EQ(Data().begin, 2);
    EXPECT_EQ(Data().end, 20);
    EXPECT_EQ(Data().width, 15);
    ASSERT_EQ(Data().periods.size(), 1u);
    const KIN_DataPeriod& period = Data().periods[0];
    EXPECT_EQ(period.title, "Title\nline");
    EXPECT_EQ(period.details, "x\ty");
    EXPECT_EQ(period.column, 4);
    EXPECT_EQ(period.id, 7);
    EXPECT_EQ(period.colorText, 3);
    ASSERT_EQ(Data().links.size(), 1u);
}

TEST_F(DiagramFileTest, SuccessfulLoadReplacesAllAndClamps)
{
    document->AddPeriod(Period("before"));
    document->AddLink(KIN_DataLink{1, 1, 0, 0});
    const std::string path =
        Write("clamp.xml", "<kinvora><E b=\"45\" e=\"10\" w=\"5\"/><P b=\"abc\" e=\"12x\" w=\"0\" "
                           "s=\"-4\" i=\"3\" t=\"\" d=\"\" cp=\"x\" cb=\"1\" ct=\"2\"/></kinvora>");
    ASSERT_TRUE(document->Load(path));
    EXPECT_EQ(Data().begin, 39);
    EXPECT_EQ(Data().end, 40);
    EXPECT_EQ(Data().width, 10);
    ASSERT_EQ(Data().periods.size(), 1u);
    EXPECT_EQ(Data().periods[0].begin, -32768);
    EXPECT_EQ(Data().periods[0].end, 12);
    EXPECT_EQ(Data().periods[0].width, 2);
    EXPECT_EQ(Data().periods[0].column, 0);
    EXPECT_EQ(Data().periods[0].colorBorder, 0);
    EXPECT_TRUE(Data().links.empty());
}

// Loads that fail must leave everything, limits included, as it was.
class FailedLoadTest : public DiagramFileTest
{
protected:
    void SetUp() override
    {
        DiagramFileTest::SetUp();
        document->SetLimits(5, 25, 30, false);
        document->AddPeriod(Period("kept"));
        document->AddLink(KIN_DataLink{1, 1, 0, 1});
        document->AddImage(KIN_DataImage());
        before = Data();
    }

    void ExpectUnchanged() const
    {
        EXPECT_EQ(Data().periods, before.periods);
        EXPECT_EQ(Data().links, before.links);
        EXPECT_EQ(Data().images, before.images);
        EXPECT_EQ(Data().begin, 5);
        EXPECT_EQ(Data().end, 25);
        EXPECT_EQ(Data().width, 30);
    }

    KIN_DataDiagram before;
};

TEST_F(FailedLoadTest, WithoutLimits)
{
    EXPECT_FALSE(document->Load(Fixture("diagram-no-limits.xml")));
    ExpectUnchanged();
}

TEST_F(FailedLoadTest, WithIncompleteLimits)
{
    EXPECT_FALSE(document->Load(Fixture("diagram-limits-without-width.xml")));
    ExpectUnchanged();
}

TEST_F(FailedLoadTest, MissingBrokenOrTooDeepFile)
{
    EXPECT_FALSE(document->Load(Path("none.xml")));
    EXPECT_FALSE(document->Load(Write("broken.xml", "<kinvora><E b=\"1\" e=\"2\" w=\"3\"/>")));
    EXPECT_FALSE(document->Load(Write("empty.xml", "")));
    std::string deep = "<kinvora><E b=\"1\" e=\"2\" w=\"3\"/>";
    for (int n = 0; n < 5000; ++n)
        deep += "<P>";
    EXPECT_FALSE(document->Load(Write("deep.xml", deep)));
    ExpectUnchanged();
}

TEST_F(DiagramFileTest, SaveReplacesThePreviousFileWhole)
{
    const std::string path = Write("target.xml", std::string(10000, 'x'));
    document->AddPeriod(Period("new"));
    ASSERT_TRUE(document->Save(path));
    const std::string text = Read(path);
    EXPECT_EQ(text.rfind("<kinvora>", 0), 0u);
    EXPECT_EQ(text.find('x'), std::string::npos);
    EXPECT_EQ(FilesInFolder(), 1u); // no file left beside it
}

TEST_F(DiagramFileTest, FailedSaveKeepsThePreviousFile)
{
    const std::string previous = "<kinvora>\n\t<E b=\"1\" e=\"2\" w=\"10\" />\n</kinvora>\n";
    const std::string path = Write("target.xml", previous);
    for (int n = 0; n < 200; ++n)
        document->AddPeriod(Period("a period with a long title to make the file large"));

    // Writes beyond the size limit fail, whoever runs the test.
    rlimit limit{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const rlimit saved = limit;
    limit.rlim_cur = 4096;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limit), 0);
    const bool bSaved = document->Save(path);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(bSaved);
    EXPECT_EQ(Read(path), previous);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(DiagramFileTest, SaveFailsWhereNothingCanBeWritten)
{
    EXPECT_FALSE(document->Save(Path("missing-folder/out.xml")));
    std::filesystem::create_directory(Path("folder.xml"));
    EXPECT_FALSE(document->Save(Path("folder.xml")));
    EXPECT_TRUE(std::filesystem::is_directory(Path("folder.xml")));
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(DiagramFileTest, WhatKilledSavesLeftBehindIsRemoved)
{
    // A process that no longer runs (the highest possible pid is never in use here) and
    // one that does: only the dead writer's file goes.
    const std::string dead = Write("autosave.xml.saving-2147483646-0", "<kinvora>");
    const std::string alive =
        Write("autosave.xml.saving-" + std::to_string(getppid()) + "-0", "<kinvora>");
    const std::string other = Write("notes.xml.saving-2147483646-0", "mine");
    const std::string unrelated = Write("autosave.xml.saving-by-hand", "mine");
    KIN_DiagramFileFormat::RemoveStaleSiblings(Path("autosave.xml"));
    EXPECT_FALSE(std::filesystem::exists(dead));
    EXPECT_TRUE(std::filesystem::exists(alive));
    EXPECT_TRUE(std::filesystem::exists(other));
    EXPECT_TRUE(std::filesystem::exists(unrelated));
}

TEST_F(DiagramFileTest, FormatReadsIntoTheGivenDiagramOnlyOnSuccess)
{
    KIN_DataDiagram diagram;
    diagram.width = 77;
    EXPECT_FALSE(KIN_DiagramFileFormat::Load(Fixture("diagram-no-limits.xml"), diagram));
    EXPECT_EQ(diagram.width, 77);
    ASSERT_TRUE(KIN_DiagramFileFormat::Load(Fixture("diagram-limits-without-width.xml") + "x",
                                            diagram) == false);
    ASSERT_TRUE(KIN_DiagramFileFormat::Load(Fixture("diagram-missing-cp.xml"), diagram));
    EXPECT_EQ(diagram.width, 12);
}
} // namespace

namespace
{
TEST_F(DiagramFileTest, BraceTextLoadsAsTheSameDiagram)
{
    const std::string xml =
        Write("family.xml", "\xEF\xBB\xBF<kinvora>\n<E b=\"3\" e=\"40\" w=\"12\"/>\n"
                            "<P b=\"1850\" e=\"1900\" w=\"2\" s=\"1\" i=\"1\" t=\"Ada\" d=\"\" "
                            "cp=\"-1\" cb=\"5\" ct=\"-1\"/>\n"
                            "<P b=\"1880\" e=\"1940\" w=\"2\" s=\"3\" i=\"2\" t=\"Ben\" d=\"x\" "
                            "cp=\"-1\" cb=\"-1\" ct=\"0\"/>\n"
                            "<L i1=\"1\" i2=\"2\" p1=\"0\" p2=\"1\"/>\n</kinvora>\n");
    const std::string brace =
        Write("family.txt", "# the same diagram\nE {\nb = 3;\ne = 40;\nw = 12;\n};\n"
                            "P {\nb = 1850;\ne = 1900;\nw = 2;\ns = 1;\ni = 1;\n"
                            "t = \"Ada\";\nd = \"\";\ncp = -1;\ncb = 5;\nct = -1;\n};\n"
                            "P {\nb = 1880;\ne = 1940;\nw = 2;\ns = 3;\ni = 2;\n"
                            "t = \"Ben\";\nd = \"x\";\ncp = -1;\ncb = -1;\nct = 0;\n};\n"
                            "L {\ni1 = 1;\ni2 = 2;\np1 = 0;\np2 = 1;\n};\n");
    ASSERT_TRUE(document->Load(xml));
    const std::string fromXml = Saved();
    ASSERT_EQ(Data().periods.size(), 2u);
    ASSERT_EQ(Data().links.size(), 1u);
    document->SetLimits(0, 40, 10, true);
    ASSERT_TRUE(document->Load(brace));
    EXPECT_EQ(Saved(), fromXml);
    EXPECT_FALSE(document->Load(Write("other.txt", "name = \"not a diagram\";\n")));
}
} // namespace
