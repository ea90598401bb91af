#include "KIN_EscapeTable.h"

#include <gtest/gtest.h>

#include <random>

namespace
{
std::string Escaped(std::string text)
{
    KIN_EscapeTable::EscapeText(text);
    return text;
}

std::string Unescaped(std::string text)
{
    KIN_EscapeTable::UnescapeText(text);
    return text;
}

// The rows applied one after the other, as the table defines the escaping.
std::string RowByRow(std::string text, bool bEscape)
{
    if (text.empty())
        return text;
    for (const KIN_EscapeTable::Row& row : KIN_EscapeTable::Rows())
    {
        if (bEscape)
            KIN_EscapeTable::ReplaceAll(text, row.first, row.second);
        else
            KIN_EscapeTable::ReplaceAll(text, row.second, row.first);
    }
    return text;
}

TEST(EscapeTableTest, HasTheDocumentedRowsInOrder)
{
    const std::vector<KIN_EscapeTable::Row>& rows = KIN_EscapeTable::Rows();
    ASSERT_GE(rows.size(), 166u);
    EXPECT_EQ(rows[0], KIN_EscapeTable::Row("\n", "__endl__"));
    EXPECT_EQ(rows[1], KIN_EscapeTable::Row("\t", "__tab__"));
    EXPECT_EQ(rows[2], KIN_EscapeTable::Row("\"", "__quot__"));
    EXPECT_EQ(rows[3], KIN_EscapeTable::Row("'", "__apos__"));
    EXPECT_EQ(rows[4], KIN_EscapeTable::Row(";", "__comma__"));
    EXPECT_EQ(rows[5], KIN_EscapeTable::Row("<", "__inf__"));
    EXPECT_EQ(rows[6], KIN_EscapeTable::Row(">", "__sup__"));
    EXPECT_EQ(rows[7], KIN_EscapeTable::Row("!", "__tag33__"));
    EXPECT_EQ(rows[165], KIN_EscapeTable::Row("\xFF", "__tag255__"));
    // Control bytes other than line feed and tab follow, in the same token form.
    ASSERT_EQ(rows.size(), 166u + 30u);
    EXPECT_EQ(rows[166], KIN_EscapeTable::Row(std::string(1, '\0'), "__tag0__"));
    EXPECT_EQ(rows.back(), KIN_EscapeTable::Row("\x1F", "__tag31__"));
}

TEST(EscapeTableTest, EscapesPunctuationAndHighBytes)
{
    EXPECT_EQ(Escaped("A;B"), "A__comma__B");
    EXPECT_EQ(Escaped("C:\\pics\\a.png"), "C__tag58____tag92__pics__tag92__a__tag46__png");
    EXPECT_EQ(Escaped("a\nb\tc"), "a__endl__b__tab__c");
    EXPECT_EQ(Escaped("\xE9"), "__tag233__");
    EXPECT_EQ(Escaped("&\"'<>"), "__tag38____quot____apos____inf____sup__");
    EXPECT_EQ(Escaped("plain-text_ 09 AZ az"), "plain-text_ 09 AZ az");
    EXPECT_EQ(Escaped(""), "");
}

TEST(EscapeTableTest, ControlBytesGetTokens)
{
    EXPECT_EQ(Escaped("a\rb\x01"
                      "c"),
              "a__tag13__b__tag1__c");
    EXPECT_EQ(Escaped(std::string("x\0y", 3)), "x__tag0__y");
    EXPECT_EQ(Unescaped("a__tag13__b__tag1__c"), "a\rb\x01"
                                                 "c");
}

TEST(EscapeTableTest, UnescapesEveryToken)
{
    EXPECT_EQ(Unescaped("a__endl__b__tab__c"), "a\nb\tc");
    EXPECT_EQ(Unescaped("x__tab__y"), "x\ty");
    EXPECT_EQ(Unescaped("__tag34__"), "\"");
    EXPECT_EQ(Unescaped("__tag48__ __tag032__ __tag256__ __tag10__"),
              "__tag48__ __tag032__ __tag256__ __tag10__");
    EXPECT_EQ(Unescaped("____tag33____"), "__!__");
}

TEST(EscapeTableTest, EveryByteReadsBack)
{
    std::string all;
    for (int nByte = 1; nByte <= 255; ++nByte)
        all += static_cast<char>(nByte);
    all += std::string(1, '\0');
    const std::string escaped = Escaped(all);
    for (const char c : escaped)
    {
        const auto nByte = static_cast<unsigned char>(c);
        ASSERT_TRUE(std::isalnum(nByte) || c == '_' || c == '-' || c == ' ') << int(nByte);
    }
    EXPECT_EQ(Unescaped(escaped), all);
}

// Texts made of token pieces, so that tokens touch and letters between them spell tokens.
std::string RandomPieces(std::mt19937& random)
{
    static const std::vector<std::string> pieces = {"_",  "__", "tab",  "endl", "tag",  "3", "4",
                                                    "33", "95", "1",    "0",    "quot", "x", "\n",
                                                    ";",  "\t", "\xE9", "(",    "sup",  "]"};
    std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 12);
    std::string text;
    for (int n = length(random); n > 0; --n)
        text += pieces[pick(random)];
    return text;
}

TEST(EscapeTableTest, EveryTextReadsBackAsWritten)
{
    std::mt19937 random(12345);
    for (int nCase = 0; nCase < 40000; ++nCase)
    {
        const std::string text = RandomPieces(random);
        ASSERT_EQ(Unescaped(Escaped(text)), text) << text;
    }
    for (const std::string text :
         {"]endl__", "(tab)", "[sup]", "__endl__", "__tag95__", "a_b__c", "__tag93__endl__", "_;_"})
        EXPECT_EQ(Unescaped(Escaped(text)), text) << text;
}

TEST(EscapeTableTest, WritesTheRowsInOrderWheneverThatReadsBack)
{
    std::mt19937 random(6789);
    int nUnderscoreTexts = 0;
    for (int nCase = 0; nCase < 20000; ++nCase)
    {
        const std::string text = RandomPieces(random);
        const std::string rows = RowByRow(text, true);
        if (Unescaped(rows) == text)
        {
            ASSERT_EQ(Escaped(text), rows) << text;
        }
        else
        {
            ASSERT_NE(Escaped(text).find("__tag95__"), std::string::npos) << text;
            ++nUnderscoreTexts;
        }
    }
    EXPECT_GT(nUnderscoreTexts, 0);
    // Texts that never needed it keep their bytes.
    EXPECT_EQ(Escaped("(tab)"), "__tag40__tab__tag41__");
    EXPECT_EQ(Escaped("picture_1.png"), "picture_1__tag46__png");
    EXPECT_EQ(Escaped("]endl__"), "__tag93__endl__");
    EXPECT_EQ(Escaped("x__tab__y"), "x__tag95____tag95__tab__tag95____tag95__y");
}

TEST(EscapeTableTest, ReadsTokensFromLeftToRight)
{
    // Applying the rows in order would take the letters between two tokens for a third.
    EXPECT_EQ(RowByRow("__tag40__tab__tag41__", false), "__tag40\ttag41__");
    EXPECT_EQ(Unescaped("__tag40__tab__tag41__"), "(tab)");
    EXPECT_EQ(Unescaped("__tag93__endl__"), "]endl__");
    EXPECT_EQ(Unescaped("__tab__endl__"), "\tendl__");
    EXPECT_EQ(Unescaped("__tab__tab__"), "\ttab__");
    EXPECT_EQ(Unescaped("a___tag40__"), "a_(");
    // Where no tokens touch, both readings agree.
    std::mt19937 random(4242);
    for (int nCase = 0; nCase < 20000; ++nCase)
    {
        const std::string text = RandomPieces(random);
        const std::string escaped = Escaped(text);
        if (text.find('_') == std::string::npos && RowByRow(escaped, false) == text)
        {
            ASSERT_EQ(Unescaped(escaped), text) << text;
        }
    }
}

TEST(EscapeTableTest, ReplaceAllDoesNotRescanItsReplacement)
{
    std::string text = "aaaa";
    KIN_EscapeTable::ReplaceAll(text, "aa", "a");
    EXPECT_EQ(text, "aa");
    text = "abab";
    KIN_EscapeTable::ReplaceAll(text, "b", "bb");
    EXPECT_EQ(text, "abbabb");
    text = "xyz";
    KIN_EscapeTable::ReplaceAll(text, "", "q");
    EXPECT_EQ(text, "xyz");
    KIN_EscapeTable::ReplaceAll(text, "xyz", "");
    EXPECT_EQ(text, "");
}
} // namespace
