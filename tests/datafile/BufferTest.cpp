#include "TRE_Buffer.h"
#include "KIN_TestFiles.h"

#include <gtest/gtest.h>

namespace
{
class BufferTest : public ::testing::Test
{
protected:
    std::string Load(const std::string& bytes)
    {
        EXPECT_TRUE(buffer.Initialiser(folder.Write("in.txt", bytes).c_str()));
        std::string text;
        for (char c = buffer.CaractereCourant(); c; c = buffer.CaractereCourant())
        {
            text += c;
            buffer.Avancer();
        }
        return text;
    }

    TestFolder folder;
    TRE_Buffer buffer;
};

TEST_F(BufferTest, BlanksCommentsAndKeepsLines)
{
    EXPECT_EQ(Load("a # note\nb"), "a       \nb");
    EXPECT_EQ(buffer.Position(), 10);
    buffer.RevenirIndex(-1);
    ASSERT_TRUE(buffer.Initialiser(folder.Path("in.txt").c_str()));
    for (int n = 0; n < 9; ++n)
        buffer.Avancer();
    EXPECT_EQ(buffer.CaractereCourant(), 'b');
    EXPECT_EQ(buffer.Ligne(), 2);
    EXPECT_EQ(buffer.Colonne(), 1);
    buffer.Reculer();
    EXPECT_EQ(buffer.CaractereCourant(), '\n');
    EXPECT_EQ(buffer.Ligne(), 1);
    EXPECT_EQ(buffer.Colonne(), 9);
    buffer.Reculer();
    EXPECT_EQ(buffer.Colonne(), 8);
}

TEST_F(BufferTest, LastCharacterWithoutLineFeedIsReadable)
{
    EXPECT_EQ(Load("x = 1;"), "x = 1;");
    EXPECT_EQ(buffer.CaractereCourant(), '\0');
    buffer.Avancer(); // at the end: nothing
    EXPECT_EQ(buffer.Position(), 6);
    EXPECT_EQ(Load(""), "");
    EXPECT_EQ(buffer.Position(), 0);
    buffer.Reculer();
    EXPECT_EQ(buffer.Position(), 0);
}

TEST_F(BufferTest, HundredMarksThenNone)
{
    Load("abc");
    for (int n = 0; n < TRE_Buffer::kNombreMarques; ++n)
        ASSERT_EQ(buffer.PoserIndex(), n);
    EXPECT_EQ(buffer.PoserIndex(), -1);
    EXPECT_EQ(buffer.GetErrorCode(), TRE_Buffer::MarquesEpuisees);
    buffer.LibererIndex(42);
    EXPECT_EQ(buffer.PoserIndex(), 42);
}

TEST_F(BufferTest, ExtractsBetweenMarksAndReturnsToThem)
{
    ASSERT_TRUE(buffer.Initialiser(folder.Write("in.txt", "hello\nworld").c_str()));
    const int nStart = buffer.PoserIndex();
    std::unique_ptr<char[]> pText;
    ASSERT_TRUE(buffer.ExtraireChaine(nStart, nStart, pText));
    EXPECT_STREQ(pText.get(), "");
    for (int n = 0; n < 8; ++n)
        buffer.Avancer();
    const int nEnd = buffer.PoserIndex();
    ASSERT_TRUE(buffer.ExtraireChaine(nStart, nEnd, pText));
    EXPECT_STREQ(pText.get(), "hello\nwo");
    buffer.RevenirIndex(nStart);
    EXPECT_EQ(buffer.CaractereCourant(), 'h');
    EXPECT_EQ(buffer.Ligne(), 1);
    EXPECT_EQ(buffer.PoserIndex(), nStart); // the slot was freed
}

TEST_F(BufferTest, MissingFileReportsItsPath)
{
    const std::string path = folder.Path("missing.txt");
    EXPECT_FALSE(buffer.Initialiser(path.c_str()));
    EXPECT_EQ(buffer.GetErrorCode(), TRE_Buffer::Ouverture);
    EXPECT_EQ(buffer.GetMessage(), path);
    EXPECT_EQ(buffer.CaractereCourant(), '\0');
}
} // namespace
