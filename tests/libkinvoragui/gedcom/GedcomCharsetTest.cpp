// Every character set a GEDCOM file comes in reads as the same UTF-8 names.
#include "GedcomTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace
{
std::string OnePerson(const std::string& charset, const std::string& name)
{
    std::string text = "0 HEAD\n";
    if (!charset.empty())
        text += "1 CHAR " + charset + "\n";
    return text + "0 @I1@ INDI\n1 NAME " + name + "\n1 BIRT\n2 DATE 1900\n0 TRLR\n";
}

std::string TitleOf(const std::string& bytes)
{
    const KIN_GedcomResult result = Import(bytes);
    EXPECT_EQ(result.error, KIN_GedcomError::None);
    return result.diagram.periods.empty() ? std::string() : result.diagram.periods.front().title;
}

// UTF-16 of a text, each unit in the byte order asked for.
std::string Utf16(const std::u16string& text, bool bBigEndian, bool bByteOrderMark)
{
    std::u16string units = text;
    if (bByteOrderMark)
        units.insert(units.begin(), u'\xFEFF');
    std::string bytes;
    for (const char16_t unit : units)
    {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes.push_back(bBigEndian ? high : low);
        bytes.push_back(bBigEndian ? low : high);
    }
    return bytes;
}

struct AnselCase
{
    const char* pBytes;
    const char* pText;
};

class GedcomAnselTest : public ::testing::TestWithParam<AnselCase>
{
};

TEST_P(GedcomAnselTest, DecodesLettersAndDiacritics)
{
    EXPECT_EQ(TitleOf(OnePerson("ANSEL", GetParam().pBytes)), GetParam().pText);
}

INSTANTIATE_TEST_SUITE_P(
    Letters, GedcomAnselTest,
    ::testing::Values(AnselCase{"Ren\342e /Lef\341evre/", "René Lefèvre"},
                      AnselCase{"\245sa \265bel", "Æsa æbel"},
                      AnselCase{"S\262ren \242rsted", "Søren Ørsted"},
                      AnselCase{"\241ukasz \261a", "Łukasz ła"}, AnselCase{"Stra\317e", "Straße"},
                      AnselCase{"M\350uller Fran\360coise", "Müller Françoise"},
                      AnselCase{"Dvo\351rak \352Asa", "Dvořak Åsa"},
                      AnselCase{"\350\342u", "ǘ"},     // two marks on one letter
                      AnselCase{"\345z", "z\xCC\x84"}, // no composed form: z + macron
                      AnselCase{"\342\242", "Ǿ"},      // a mark on an ANSEL letter
                      AnselCase{"end\342\n2 CONT x", "end\xCC\x81 x"},    // no letter on its line
                      AnselCase{"Jos\342\n2 CONC e /Lind/", "José Lind"}, // cut before its letter
                      AnselCase{"Jo\350\342\r\n2 CONC u", "Joǘ"}));

TEST(GedcomCharsetTest, ByteOrderMarksChooseUtf16InEitherOrder)
{
    const std::u16string text =
        u"0 HEAD\r\n1 CHAR UNICODE\r\n0 @I1@ INDI\r\n1 NAME Zo\u00EB /Str\u00F6m/ \U0001F333\r\n"
        u"1 BIRT\r\n2 DATE 1900\r\n0 TRLR\r\n";
    const std::string expected = "Zoë Ström \xF0\x9F\x8C\xB3";
    EXPECT_EQ(TitleOf(Utf16(text, false, true)), expected);
    EXPECT_EQ(TitleOf(Utf16(text, true, true)), expected);
    EXPECT_EQ(TitleOf(Utf16(text, false, false)), expected); // found by its zero bytes
    EXPECT_EQ(TitleOf(Utf16(text, true, false)), expected);
}

// Values cut by byte count, in the middle of a character, read whole once joined.
TEST(GedcomCharsetTest, CharactersCutBeforeAConcLineAreJoined)
{
    const std::string cut = "\xC3\n2 CONC \xA9 /Lind/ \xF0\x9F\n2 CONC \x8C\xB3";
    EXPECT_EQ(TitleOf(OnePerson("UTF-8", "Jos" + cut)), "José Lind \xF0\x9F\x8C\xB3");
    EXPECT_EQ(TitleOf(OnePerson("UTF-8", "Jos\xC3\n2 CONT \xA9")), "Jos\xC3\x83 \xC2\xA9");
    const std::u16string text = u"0 HEAD\r\n0 @I1@ INDI\r\n1 NAME Tree \xD83C\r\n2 CONC \xDF33 "
                                u"/Oak/\r\n1 BIRT\r\n2 DATE 1900\r\n0 TRLR\r\n";
    for (const bool bBigEndian : {false, true})
        EXPECT_EQ(TitleOf(Utf16(text, bBigEndian, true)), "Tree \xF0\x9F\x8C\xB3 Oak");
}

// A file cut inside a character at its very end, with CR LF line ends, mends no CONC line
// elsewhere: the unfinished end is not the end of some line before it.
TEST(GedcomCharsetTest, UnfinishedCharacterAtTheFileEndMovesNothing)
{
    const auto crlf = [](std::string text)
    {
        for (std::size_t n = text.find('\n'); n != std::string::npos; n = text.find('\n', n + 2))
            text.insert(n, 1, '\r');
        return text;
    };
    EXPECT_EQ(TitleOf(crlf(OnePerson("UTF-8", "Jo\n2 CONC hn")) + "\xC3"), "John");
    EXPECT_EQ(TitleOf(crlf(OnePerson("ANSEL", "Jo\n2 CONC hn")) + std::string(200, '\xE2')),
              "John");
}

TEST(GedcomCharsetTest, HeaderCharChoosesTheSingleByteSets)
{
    EXPECT_EQ(TitleOf(OnePerson("ANSI", "Ren\351e \212koda \200")), "Renée Škoda €");
    EXPECT_EQ(TitleOf(OnePerson("IBM WINDOWS", "\234uvre")), "œuvre");
    EXPECT_EQ(TitleOf(OnePerson("ISO-8859-1", "Ren\351e \200")), "Renée \xC2\x80");
    EXPECT_EQ(TitleOf(OnePerson("ASCII", "Plain /Name/")), "Plain Name");
    EXPECT_EQ(TitleOf(OnePerson("IBMPC", "Ren\202e \231rsted \341")), "Renée Örsted ß");
    EXPECT_EQ(TitleOf(OnePerson("IBM DOS", "\216sa")), "Äsa");
    EXPECT_EQ(TitleOf(OnePerson("MACINTOSH", "Ren\216e \205rsted \247")), "Renée Örsted ß");
    EXPECT_EQ(TitleOf(OnePerson("UTF-8", "Zoë /Ström/")), "Zoë Ström");
    EXPECT_EQ(TitleOf(OnePerson("", "Zoë /Ström/")), "Zoë Ström"); // GEDCOM 7: no CHAR
}

TEST(GedcomCharsetTest, Utf8ByteOrderMarkWinsOverTheHeader)
{
    EXPECT_EQ(TitleOf("\xEF\xBB\xBF" + OnePerson("ANSEL", "Zoë /Ström/")), "Zoë Ström");
}

// The rule of the whole program: bytes that are not UTF-8 read as Latin-1, line by line.
TEST(GedcomCharsetTest, InvalidUtf8LinesReadAsLatin1)
{
    const std::string text = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Ren\351e\n1 BIRT\n"
                             "2 DATE 1900\n2 PLAC Z\xC3\xBCrich\n0 TRLR\n";
    const KIN_GedcomResult result = Import(text);
    ASSERT_EQ(result.diagram.periods.size(), 1u);
    EXPECT_EQ(result.diagram.periods.front().title, "Renée");
    EXPECT_EQ(result.diagram.periods.front().details,
              "Born 1900, Zürich\nDied 1970 (estimated)\nGEDCOM @I1@");
}
} // namespace
