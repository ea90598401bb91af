// Telling a GEDCOM file by its first record, whatever its name and character set.
#include "KIN_GedcomProbe.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <string>
#include <unistd.h>

namespace
{
std::string Utf16Le(const std::string& ascii)
{
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii)
        bytes += std::string{c, '\0'};
    return bytes;
}

struct ProbeCase
{
    const char* pName;
    std::string bytes;
    bool bGedcom;
};

TEST(GedcomProbe, TellsTheHeaderRecordFromOtherStarts)
{
    const ProbeCase cases[] = {
        {"header", "0 HEAD\n1 CHAR UTF-8\n0 TRLR\n", true},
        {"carriage returns", "0 HEAD\r\n1 GEDC\r\n", true},
        {"byte-order mark",
         "\xEF\xBB\xBF"
         "0 HEAD\n",
         true},
        {"16-bit text", Utf16Le("0 HEAD\r\n1 CHAR UNICODE\r\n"), true},
        {"header cut short", "0 HEAD\n1 SOUR Some", true},
        {"diagram", "<?xml version=\"1.0\"?>\n<kinvora>\n", false},
        {"brace text", "E {\nb = \"3\";\n};\n", false},
        {"record before the header", "0 @I1@ INDI\n0 HEAD\n", false},
        {"header at level 1", "1 HEAD\n", false},
        {"longer tag", "0 HEADER\n", false},
        {"empty", "", false},
    };
    for (const ProbeCase& probe : cases)
        EXPECT_EQ(KIN_GedcomProbe::StartsAsGedcom(probe.bytes), probe.bGedcom) << probe.pName;
}

TEST(GedcomProbe, ReadsTheStartOfAFileAndRefusesAMissingOne)
{
    char folder[] = "/tmp/kinvora-probe.XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string tree = std::string(folder) + "/family.txt";
    const std::string diagram = std::string(folder) + "/family.ged";
    {
        // A long file: only its start is read.
        std::ofstream(tree) << "0 HEAD\n" << std::string(100000, '\n') << "0 TRLR\n";
        std::ofstream(diagram) << "<kinvora>\n<E b=\"1\" e=\"2\" w=\"3\"/>\n</kinvora>\n";
    }
    EXPECT_TRUE(KIN_GedcomProbe::IsGedcomFile(tree));
    EXPECT_FALSE(KIN_GedcomProbe::IsGedcomFile(diagram));
    EXPECT_FALSE(KIN_GedcomProbe::IsGedcomFile(std::string(folder) + "/missing.ged"));
    EXPECT_FALSE(KIN_GedcomProbe::IsGedcomFile(folder));
    std::remove(tree.c_str());
    std::remove(diagram.c_str());
    rmdir(folder);
}
} // namespace
