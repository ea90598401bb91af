#include "KIN_IDataFile.h"
#include "KIN_TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace
{
const char* const g_validFile =
    "<kinvora>\n"
    "\t<E b=\"3\" e=\"30\" w=\"12\" />\n"
    "\t<P b=\"1900\" e=\"1950\" w=\"2\" s=\"0\" i=\"1\" t=\"A__comma__B\" d=\"\" cp=\"-1\" "
    "cb=\"-1\" ct=\"-1\" />\n"
    "\t<P b=\"1920\" e=\"1990\" w=\"3\" s=\"2\" i=\"2\" t=\"C\" d=\"x\" cp=\"1\" cb=\"2\" "
    "ct=\"3\" />\n"
    "\t<L i1=\"1\" i2=\"2\" p1=\"0\" p2=\"3\" />\n"
    "\t<I x=\"205\" y=\"40\" s=\"0.5\" f=\"a__tag46__png\" />\n"
    "</kinvora>\n";

void ExpectSameDiagram(const KIN_DataDiagram& data, const KIN_DataDiagram& expected)
{
    EXPECT_EQ(data.periods, expected.periods);
    EXPECT_EQ(data.links, expected.links);
    EXPECT_EQ(data.images, expected.images);
    EXPECT_EQ(data.begin, expected.begin);
    EXPECT_EQ(data.end, expected.end);
    EXPECT_EQ(data.width, expected.width);
}

// A document holding one of each record, for checking that a failed load keeps it all.
class HostileFileTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        document = CreateDataFile();
        document->SetLimits(5, 25, 30, true);
        KIN_DataPeriod period;
        period.title = "kept";
        period.begin = 1800;
        period.end = 1850;
        document->AddPeriod(period);
        document->AddLink(KIN_DataLink{1, 1, 0, 1});
        document->AddImage(KIN_DataImage());
        before = *document->GetData();
    }

    std::string Write(const std::string& bytes) const { return folder.Write("hostile.xml", bytes); }

    // The load fails and leaves every field of the diagram as it was.
    void ExpectRefused(const std::string& bytes)
    {
        EXPECT_FALSE(document->Load(Write(bytes)));
        ExpectUnchanged();
    }

    void ExpectUnchanged() const { ExpectSameDiagram(*document->GetData(), before); }

    // What loads saves and loads back to the same records.
    void ExpectRoundTrip() const
    {
        const std::string path = folder.Path("again.xml");
        ASSERT_TRUE(document->Save(path));
        const sp<KIN_IDataFile> again = CreateDataFile();
        ASSERT_TRUE(again->Load(path));
        ExpectSameDiagram(*again->GetData(), *document->GetData());
    }

    TestFolder folder;
    sp<KIN_IDataFile> document;
    KIN_DataDiagram before;
};

std::string Period(const std::string& attributes)
{
    return "<kinvora><E b=\"0\" e=\"40\" w=\"10\"/><P " + attributes + "/></kinvora>";
}

TEST_F(HostileFileTest, EmptyAndGarbageFilesAreRefused)
{
    ExpectRefused("");
    ExpectRefused(std::string(1, '\0'));
    ExpectRefused("\xef\xbb\xbf");
    std::mt19937 random(20261208);
    for (int nFile = 0; nFile < 20; ++nFile)
    {
        std::string garbage(4096, '\0');
        for (char& c : garbage)
            c = static_cast<char>(random() & 0xff);
        ExpectRefused(garbage);
    }
}

TEST_F(HostileFileTest, EveryTruncationLoadsWholeOrNotAtAll)
{
    const std::string valid = g_validFile;
    const std::size_t nComplete = valid.size() - 1; // the last line feed is not needed
    for (std::size_t nLength = 0; nLength < nComplete; ++nLength)
    {
        SCOPED_TRACE(nLength);
        ExpectRefused(valid.substr(0, nLength));
    }
    for (std::size_t nLength = nComplete; nLength <= valid.size(); ++nLength)
    {
        ASSERT_TRUE(document->Load(Write(valid.substr(0, nLength))));
        EXPECT_EQ(document->GetData()->periods.size(), 2u);
        EXPECT_EQ(document->GetData()->links.size(), 1u);
        EXPECT_EQ(document->GetData()->images.size(), 1u);
        ExpectRoundTrip();
    }
}

TEST_F(HostileFileTest, EntityBombIsRefusedQuickly)
{
    // Ten references to the level below on each level: 10^9 copies of the text in the end.
    std::string bomb = "<?xml version=\"1.0\"?>\n<!DOCTYPE kinvora [\n<!ENTITY l0 \"lol\">\n";
    for (int n = 1; n < 10; ++n)
    {
        std::string references;
        for (int nCopy = 0; nCopy < 10; ++nCopy)
            references += "&l" + std::to_string(n - 1) + ";";
        bomb += "<!ENTITY l" + std::to_string(n) + " \"" + references + "\">\n";
    }
    bomb += "]>\n<kinvora><E b=\"0\" e=\"40\" w=\"10\"/>"
            "<P b=\"1\" e=\"2\" w=\"2\" s=\"0\" i=\"1\" t=\"&l9;\" d=\"\" cp=\"-1\" cb=\"-1\" "
            "ct=\"-1\"/></kinvora>\n";
    const auto start = std::chrono::steady_clock::now();
    ExpectRefused(bomb);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(10));
}

TEST_F(HostileFileTest, ExternalEntityIsNeverRead)
{
    const std::string secret = folder.Path("secret.txt");
    std::ofstream(secret) << "SECRET";
    const std::string file = "<?xml version=\"1.0\"?>\n<!DOCTYPE kinvora [\n<!ENTITY x SYSTEM \"" +
                             secret +
                             "\">\n]>\n<kinvora><E b=\"0\" e=\"40\" w=\"10\"/>"
                             "<P b=\"1\" e=\"2\" w=\"2\" s=\"0\" i=\"1\" t=\"&x;\" d=\"\" "
                             "cp=\"-1\" cb=\"-1\" ct=\"-1\"/></kinvora>\n";
    // Either refused, or loaded without the other file's text.
    if (document->Load(Write(file)))
    {
        for (const KIN_DataPeriod& period : document->GetData()->periods)
            EXPECT_EQ(period.title.find("SECRET"), std::string::npos);
    }
    else
        ExpectUnchanged();
}

TEST_F(HostileFileTest, MillionLevelsOfNestingAreRefused)
{
    std::string deep = "<kinvora><E b=\"0\" e=\"40\" w=\"10\"/>";
    deep.reserve(deep.size() + 7000000);
    for (int n = 0; n < 1000000; ++n)
        deep += "<P>";
    for (int n = 0; n < 1000000; ++n)
        deep += "</P>";
    deep += "</kinvora>";
    ExpectRefused(deep);
}

TEST_F(HostileFileTest, HugeAttributeLoadsWhole)
{
    const std::string title(50 * 1024 * 1024, 'x');
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(document->Load(Write(Period("b=\"1\" e=\"2\" w=\"2\" s=\"0\" i=\"1\" t=\"" + title +
                                            "\" d=\"\" cp=\"-1\" cb=\"-1\" ct=\"-1\""))));
    ASSERT_EQ(document->GetData()->periods.size(), 1u);
    EXPECT_EQ(document->GetData()->periods[0].title.size(), title.size());
    // Read in a handful of passes, not one pass of the whole attribute per block.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(30));
}

TEST_F(HostileFileTest, NumbersBeyondTheirRangeStayInRange)
{
    const std::string big = "123456789012345678901234567890";
    ASSERT_TRUE(document->Load(
        Write("<kinvora><E b=\"" + big + "\" e=\"-" + big + "\" w=\"" + big + "\"/><P b=\"" + big +
              "\" e=\"-" + big + "\" w=\"" + big + "\" s=\"-" + big + "\" i=\"" + big +
              "\" t=\"\" d=\"\"" + " cp=\"" + big + "\" cb=\"-" + big +
              "\" ct=\"1e999\"/><L i1=\"" + big + "\" i2=\"-" + big + "\" p1=\"" + big +
              "\" p2=\"0\"/><I x=\"" + big + "\" y=\"-" + big +
              "\" s=\"1e999\" f=\"a\"/>"
              "</kinvora>")));
    const KIN_DataDiagram& data = *document->GetData();
    EXPECT_GE(data.begin, 0);
    EXPECT_LE(data.end, 40);
    EXPECT_LE(data.begin, data.end);
    EXPECT_GE(data.width, 10);
    ASSERT_EQ(data.periods.size(), 1u);
    EXPECT_GE(data.periods[0].begin, -100000000000LL);
    EXPECT_LE(data.periods[0].end, 2200);
    EXPECT_LE(data.periods[0].begin, data.periods[0].end);
    EXPECT_GE(data.periods[0].column, 0);
    EXPECT_GE(data.periods[0].width, 2);
    ASSERT_EQ(data.links.size(), 1u);
    ASSERT_EQ(data.images.size(), 1u);
    ExpectRoundTrip();
}

TEST_F(HostileFileTest, PeriodMissingAnyAttributeIsSkipped)
{
    const char* const names[] = {"b", "e", "w", "s", "i", "t", "d", "cp", "cb", "ct"};
    for (const char* pMissing : names)
    {
        SCOPED_TRACE(pMissing);
        std::string attributes;
        for (const char* pName : names)
            if (std::string(pName) != pMissing)
                attributes += std::string(pName) + "=\"1\" ";
        ASSERT_TRUE(document->Load(Write(Period(attributes))));
        EXPECT_TRUE(document->GetData()->periods.empty());
    }
    std::string complete;
    for (const char* pName : names)
        complete += std::string(pName) + "=\"1\" ";
    ASSERT_TRUE(document->Load(Write(Period(complete))));
    EXPECT_EQ(document->GetData()->periods.size(), 1u);
}

TEST_F(HostileFileTest, DatesAndColoursOutOfRangeAreClamped)
{
    const char* const dates[] = {
        "-9223372036854775808", "-100000000001", "-1", "0", "2199", "2200", "2201",
        "9223372036854775807"};
    const char* const colours[] = {"-2147483648", "-2", "-1", "0", "18", "19", "2147483647"};
    for (const char* pBegin : dates)
        for (const char* pEnd : dates)
            for (const char* pColour : colours)
            {
                SCOPED_TRACE(std::string(pBegin) + " " + pEnd + " " + pColour);
                const std::string colour = std::string("\"") + pColour + "\"";
                ASSERT_TRUE(
                    document->Load(Write(Period(std::string("b=\"") + pBegin + "\" e=\"" + pEnd +
                                                "\" w=\"2\" s=\"0\" i=\"1\" "
                                                "t=\"t\" d=\"\" cp=" +
                                                colour + " cb=" + colour + " ct=" + colour))));
                ASSERT_EQ(document->GetData()->periods.size(), 1u);
                const KIN_DataPeriod& period = document->GetData()->periods[0];
                EXPECT_GE(period.begin, -100000000000LL);
                EXPECT_LE(period.begin, 2199);
                EXPECT_LE(period.end, 2200);
                EXPECT_LE(period.begin, period.end);
                ExpectRoundTrip();
            }
}
TEST_F(HostileFileTest, ImageScalesLoadAsTheyWillSave)
{
    ASSERT_TRUE(document->Load(Write(
        "<kinvora><E b=\"0\" e=\"40\" w=\"10\"/><I x=\"1\" y=\"2\" s=\"nan\" f=\"a\"/>"
        "<I x=\"1\" y=\"2\" s=\"-inf\" f=\"b\"/><I x=\"1\" y=\"2\" s=\"0.123456789\" f=\"c\"/>"
        "</kinvora>")));
    const KIN_DataDiagram& data = *document->GetData();
    ASSERT_EQ(data.images.size(), 3u);
    EXPECT_EQ(data.images[0].scale, 1.0);
    EXPECT_EQ(data.images[1].scale, 1.0);
    EXPECT_EQ(data.images[2].scale, 0.123457);
    ExpectRoundTrip();
}
} // namespace
