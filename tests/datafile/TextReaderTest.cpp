#include "TRE_Automate.h"
#include "TRE_Champ.h"
#include "TRE_Fichier.h"
#include "TRE_LecteurTexte.h"
#include "KIN_TestFiles.h"

#include <gtest/gtest.h>

namespace
{
class TextReaderTest : public ::testing::Test
{
protected:
    bool Load(const std::string& text)
    {
        return automate.LoadText(folder.Write("in.txt", text).c_str());
    }

    // The code of a failed load, -1 when it succeeded.
    int FailureCode(const std::string& text)
    {
        if (Load(text))
            return -1;
        EXPECT_EQ(automate.GetRoot(), nullptr);
        return automate.GetErrorCode();
    }

    std::string Saved()
    {
        const std::string path = folder.Path("out.txt");
        EXPECT_TRUE(automate.SaveFile(path.c_str()));
        return ReadBytes(path);
    }

    const char* Text(const char* pPath) const
    {
        const TRE_Element* pFound = automate.GetRoot()->Chercher(pPath);
        return pFound ? pFound->Valeur() : nullptr;
    }

    TestFolder folder;
    TRE_Automate automate;
};

TEST_F(TextReaderTest, EmptyTextGivesAnEmptyFile)
{
    for (const char* pText : {"", "  \n\t# only a comment\n  # another\n"})
    {
        ASSERT_TRUE(Load(pText));
        ASSERT_NE(automate.GetRoot(), nullptr);
        EXPECT_EQ(automate.GetRoot()->GetType(), TRE_Element::Fichier);
        EXPECT_EQ(static_cast<TRE_Fichier*>(automate.GetRoot())->Enfants().Count(), 0);
    }
}

TEST_F(TextReaderTest, ReadsEveryKindOfValue)
{
    ASSERT_TRUE(automate.LoadText(DataPath("sample.txt").c_str())) << automate.GetMessage();
    EXPECT_STREQ(Text("name"), "\"Kinvora\"");
    EXPECT_STREQ(Text("count"), "12");
    EXPECT_EQ(automate.GetRoot()->Chercher("count[1]")->GetType(), TRE_Element::ValeurNue);
    EXPECT_STREQ(Text("scale"), "-1.5e3");
    EXPECT_STREQ(Text("color"), "rgb(1, 2, 3)");
    EXPECT_EQ(automate.GetRoot()->Chercher("color[1]")->GetType(), TRE_Element::ValeurAppel);
    EXPECT_STREQ(Text("items[2]"), "\"two\"");
    EXPECT_STREQ(Text("items[3].1"), "3");
    EXPECT_STREQ(Text("items[4].a"), "\"x\"");
    EXPECT_STREQ(Text("Config[1].depth"), "2");
    EXPECT_STREQ(Text("Config[1].Inner[1].flag"), "1");
}

TEST_F(TextReaderTest, PrintedTreeReadsBackToTheSameText)
{
    ASSERT_TRUE(automate.LoadText(DataPath("sample.txt").c_str()));
    const std::string first = Saved();
    EXPECT_NE(first.find("Config {\ndepth = 2;\nInner {\nflag = 1;\n}\n};\n"), std::string::npos);
    ASSERT_TRUE(automate.LoadText(folder.Path("out.txt").c_str())) << automate.GetMessage();
    EXPECT_EQ(Saved(), first);
}

TEST_F(TextReaderTest, XmlTreePrintedAsTextReadsBack)
{
    const std::string xml = folder.Write(
        "in.xml", "<r><E b=\"1\" e=\"x y\"/><P i=\"2\"><c>t</c></P><v>1</v><v>2</v></r>");
    ASSERT_TRUE(automate.LoadXml(xml.c_str()));
    const std::string printed = Saved();
    ASSERT_TRUE(Load(printed)) << automate.GetMessage() << "\n" << printed;
    EXPECT_STREQ(Text("r[1].E[1].e"), "\"x y\"");
    EXPECT_STREQ(Text("r[1].P[1].c"), "\"t\"");
    EXPECT_STREQ(Text("r[1].v[2]"), "\"2\"");
    EXPECT_EQ(Saved(), printed);
}

TEST_F(TextReaderTest, ErrorCodesOfTheRules)
{
    EXPECT_EQ(FailureCode("x = \"1\" ;"), TRE_LecteurTexte::PointVirguleManquant);
    EXPECT_EQ(automate.GetMessage(), "1 8");
    EXPECT_EQ(FailureCode("x = \"abc"), TRE_LecteurTexte::ChaineOuverte);
    EXPECT_EQ(FailureCode("x = \"a\\\""), TRE_LecteurTexte::ChaineOuverte);
    EXPECT_EQ(FailureCode("x =   \n"), TRE_LecteurTexte::ChaineOuverte);
    EXPECT_EQ(FailureCode("x = 1.;"), TRE_LecteurTexte::NombreInterrompu);
    EXPECT_EQ(FailureCode("x = -;"), TRE_LecteurTexte::NombreInterrompu);
    EXPECT_EQ(FailureCode("x = 2e+;"), TRE_LecteurTexte::NombreInterrompu);
    EXPECT_EQ(FailureCode("x = f(1, 2"), TRE_LecteurTexte::AppelOuvert);
    EXPECT_EQ(FailureCode("x = abc  "), TRE_LecteurTexte::AppelOuvert);
    EXPECT_EQ(FailureCode("T {\na = 1;\n"), TRE_LecteurTexte::GroupeOuvert);
    EXPECT_EQ(FailureCode("T"), TRE_LecteurTexte::GroupeOuvert);
    EXPECT_EQ(FailureCode("T {\na = 1;\n}\n"), TRE_LecteurTexte::TableSansPointVirgule);
    EXPECT_EQ(FailureCode("x = [1, 2"), TRE_LecteurTexte::TableauOuvert);
    EXPECT_EQ(FailureCode("x = ;"), 0);
    EXPECT_EQ(automate.GetMessage(), "1 5");
    EXPECT_EQ(FailureCode("a = 1;\nb = [1, ?];"), 0);
    EXPECT_EQ(automate.GetMessage(), "2 5");
    EXPECT_EQ(FailureCode("a = \"1\";\n# comment\nb = 1"), TRE_LecteurTexte::PointVirguleManquant);
    EXPECT_EQ(automate.GetMessage(), "3 6");
}

TEST_F(TextReaderTest, TextsKeepQuotesAndBackslashes)
{
    ASSERT_TRUE(Load("x = \"a\\\"b\\\\\";\ny = +4.25E-2;\n"));
    EXPECT_STREQ(Text("x"), "\"a\\\"b\\\\\"");
    EXPECT_STREQ(Text("y"), "+4.25E-2");
}

TEST_F(TextReaderTest, MissingFileBringsTheBufferError)
{
    const std::string path = folder.Path("none.txt");
    EXPECT_FALSE(automate.LoadText(path.c_str()));
    EXPECT_EQ(automate.GetErrorCode(), TRE_LecteurTexte::Ouverture);
    EXPECT_EQ(automate.GetMessage(), path);
}

TEST_F(TextReaderTest, AFailedLoadLeavesNoRoot)
{
    ASSERT_TRUE(Load("a = 1;"));
    EXPECT_FALSE(Load("a = "));
    EXPECT_EQ(automate.GetRoot(), nullptr);
}

std::string NestedArrays(int nDepth)
{
    return "x = " + std::string(static_cast<std::size_t>(nDepth), '[') + "1" +
           std::string(static_cast<std::size_t>(nDepth), ']') + ";\n";
}

TEST_F(TextReaderTest, NestingIsLimited)
{
    ASSERT_TRUE(Load(NestedArrays(TRE_LecteurTexte::kProfondeurMax)));
    std::unique_ptr<TRE_Element> pCopy = automate.GetRoot()->Dupliquer();
    EXPECT_EQ(Saved(), NestedArrays(TRE_LecteurTexte::kProfondeurMax));
    EXPECT_EQ(FailureCode(NestedArrays(TRE_LecteurTexte::kProfondeurMax + 1)),
              TRE_LecteurTexte::TropProfond);
    EXPECT_EQ(FailureCode("x = " + std::string(100000, '[')), TRE_LecteurTexte::TropProfond);
    std::string groups;
    for (int n = 0; n < 3000; ++n)
        groups += "a = {";
    EXPECT_EQ(FailureCode(groups), TRE_LecteurTexte::TropProfond);
}

TEST_F(TextReaderTest, SaveFileFailsOnAnUnwritablePath)
{
    ASSERT_TRUE(Load("a = 1;"));
    EXPECT_FALSE(automate.SaveFile(folder.Path("missing/out.txt").c_str()));
    EXPECT_FALSE(automate.SaveFile(nullptr));
}
} // namespace
