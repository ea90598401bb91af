#include "TRE_Automate.h"
#include "TRE_Champ.h"
#include "TRE_Groupe.h"
#include "TRE_LecteurXml.h"
#include "TRE_Table.h"
#include "TRE_Tableau.h"
#include "KIN_TestFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>

namespace
{
class XmlReaderTest : public ::testing::Test
{
protected:
    bool Load(const std::string& xml)
    {
        return automate.LoadXml(folder.Write("in.xml", xml).c_str());
    }

    const char* Text(const char* pPath) const
    {
        const TRE_Element* pFound = automate.GetRoot()->Chercher(pPath);
        return pFound ? pFound->Valeur() : nullptr;
    }

    TestFolder folder;
    TRE_Automate automate;
};

TEST_F(XmlReaderTest, EmptyRootIsAFieldWithEmptyText)
{
    ASSERT_TRUE(Load("<kinvora/>"));
    const TRE_Element* pRoot = automate.GetRoot();
    ASSERT_EQ(pRoot->GetType(), TRE_Element::Champ);
    EXPECT_STREQ(pRoot->Nom(), "kinvora");
    EXPECT_STREQ(pRoot->Valeur(), "");
    ASSERT_TRUE(Load("<other></other>"));
    EXPECT_STREQ(automate.GetRoot()->Nom(), "other");
    EXPECT_STREQ(automate.GetRoot()->Valeur(), "");
    EXPECT_EQ(automate.GetErrorCode(), 0);
}

TEST_F(XmlReaderTest, AttributesMakeTablesOfQuotedFields)
{
    ASSERT_TRUE(Load("<root>\n\t<E b=\"1\" e=\"2\" />\n</root>\n"));
    auto* pRoot = static_cast<TRE_Table*>(automate.GetRoot());
    ASSERT_EQ(pRoot->GetType(), TRE_Element::Table);
    EXPECT_EQ(pRoot->GetAttributs(), nullptr);
    const TRE_Element* pE = pRoot->Chercher("E[1]");
    ASSERT_NE(pE, nullptr);
    ASSERT_EQ(pE->GetType(), TRE_Element::Table);
    TRE_Groupe* pAttributes = static_cast<const TRE_Table*>(pE)->GetAttributs();
    ASSERT_NE(pAttributes, nullptr);
    EXPECT_EQ(pAttributes->ListerNoms(false), (std::vector<std::string>{"b", "e"}));
    const TRE_Element* pB = pAttributes->Chercher("b");
    EXPECT_EQ(static_cast<const TRE_Champ*>(pB)->GetValeur()->GetType(), TRE_Element::ValeurTexte);
    EXPECT_STREQ(Text("E[1].b"), "1");
    EXPECT_STREQ(Text("E[1].e"), "2");
}

TEST_F(XmlReaderTest, RepeatedTablesStaySeparate)
{
    ASSERT_TRUE(automate.LoadXml(DataPath("tables.xml").c_str()));
    EXPECT_STREQ(Text("P[1].t"), "first");
    EXPECT_STREQ(Text("P[2].t"), "second");
    EXPECT_EQ(Text("P[3].t"), nullptr);
    EXPECT_STREQ(Text("L[1].x"), "5");
    EXPECT_EQ(automate.GetRoot()->ListerNoms(true),
              (std::vector<std::string>{"E[1]", "P[1]", "P[2]", "L[1]"}));
}

TEST_F(XmlReaderTest, RepeatedFieldsCollectIntoAnArray)
{
    ASSERT_TRUE(automate.LoadXml(DataPath("repeated.xml").c_str()));
    const TRE_Element* pV = automate.GetRoot()->Chercher("v");
    ASSERT_NE(pV, nullptr);
    const TRE_Element* pArray = static_cast<const TRE_Champ*>(pV)->GetValeur();
    ASSERT_EQ(pArray->GetType(), TRE_Element::Tableau);
    EXPECT_EQ(static_cast<const TRE_Tableau*>(pArray)->Elements().Count(), 3);
    EXPECT_STREQ(Text("v[1]"), "1");
    EXPECT_STREQ(Text("v[2]"), "2");
    EXPECT_STREQ(Text("v[3]"), "3");
    // Leading and trailing white space goes, inner white space stays.
    EXPECT_STREQ(Text("w"), "one\n two");
}

TEST_F(XmlReaderTest, TextInPiecesIsJoined)
{
    ASSERT_TRUE(Load("<r><t>a&amp;b\nc&lt;d<!-- note -->e</t></r>"));
    EXPECT_STREQ(Text("t"), "a&b\nc<de");
}

TEST_F(XmlReaderTest, AttributesAndTextContentAreBothKept)
{
    ASSERT_TRUE(Load("<r><E b=\"1\">  hello world </E></r>"));
    EXPECT_STREQ(Text("E[1].b"), "1");
    EXPECT_STREQ(Text("E[1]"), "hello world");
    EXPECT_TRUE(automate.GetRoot()->Chercher("E[1]")->ListerNoms(false).empty());
}

TEST_F(XmlReaderTest, MixedContentFails)
{
    EXPECT_FALSE(Load("<r>text<c/></r>"));
    EXPECT_EQ(automate.GetErrorCode(), TRE_LecteurXml::Structure);
    EXPECT_EQ(automate.GetMessage(), "Error in XML structure");
    EXPECT_FALSE(Load("<r><c/>text</r>"));
    EXPECT_EQ(automate.GetErrorCode(), TRE_LecteurXml::Structure);
    EXPECT_FALSE(Load("<r><a>1</a><a x=\"1\"/></r>")); // a field and a table of one name
    EXPECT_EQ(automate.GetErrorCode(), TRE_LecteurXml::Structure);
}

TEST_F(XmlReaderTest, ChildWithItsParentsNameClosesItsOwnElement)
{
    ASSERT_TRUE(Load("<a><a>x</a></a>")) << automate.GetMessage();
    EXPECT_EQ(automate.GetRoot()->GetType(), TRE_Element::Table);
    EXPECT_STREQ(Text("a"), "x");
    ASSERT_TRUE(Load("<a k=\"1\"><b/><a k=\"2\"/></a>")) << automate.GetMessage();
    EXPECT_STREQ(Text("k"), "1");
    EXPECT_STREQ(Text("a[1].k"), "2");
    EXPECT_STREQ(Text("b"), "");
}

TEST_F(XmlReaderTest, AFailedLoadKeepsTheEarlierRoot)
{
    ASSERT_TRUE(Load("<first/>"));
    const TRE_Element* pRoot = automate.GetRoot();
    EXPECT_FALSE(Load("<broken>"));
    EXPECT_EQ(automate.GetRoot(), pRoot);
    EXPECT_STREQ(automate.GetRoot()->Nom(), "first");
}

TEST_F(XmlReaderTest, ParserErrorsGiveTextAndLine)
{
    EXPECT_FALSE(Load(""));
    EXPECT_EQ(automate.GetErrorCode(), TRE_LecteurXml::Syntaxe);
    EXPECT_EQ(automate.GetMessage(), "no element found at line 1");
    EXPECT_FALSE(Load("<a>\n<b>\n</a>"));
    EXPECT_EQ(automate.GetErrorCode(), TRE_LecteurXml::Syntaxe);
    EXPECT_EQ(automate.GetMessage(), "mismatched tag at line 3");
    EXPECT_FALSE(Load("<a>\xFF</a>"));
    EXPECT_EQ(automate.GetErrorCode(), TRE_LecteurXml::Syntaxe);
}

TEST_F(XmlReaderTest, MissingFileFailsWithItsPath)
{
    const std::string path = folder.Path("none.xml");
    EXPECT_FALSE(automate.LoadXml(path.c_str()));
    EXPECT_EQ(automate.GetErrorCode(), TRE_LecteurXml::Ouverture);
    EXPECT_EQ(automate.GetMessage(), "Could not open file " + path);
}

TEST_F(XmlReaderTest, LongMessagesAreCut)
{
    const std::string path = folder.Path(std::string(1500, 'n'));
    EXPECT_FALSE(automate.LoadXml(path.c_str()));
    EXPECT_EQ(automate.GetMessage().size(), TRE_Automate::kLongueurMessage);
}

// Pads a document to an exact size with white space before the root's end tag.
std::string OfSize(const std::string& head, const std::string& tail, std::size_t nSize)
{
    return head + std::string(nSize - head.size() - tail.size(), ' ') + tail;
}

TEST_F(XmlReaderTest, FileOfExactlyOneOrTwoBlocksIsParsedToTheEnd)
{
    for (const std::size_t nSize : {std::size_t(2048), std::size_t(4096)})
    {
        ASSERT_TRUE(Load(OfSize("<r><E b=\"1\"/>", "</r>", nSize))) << automate.GetMessage();
        EXPECT_STREQ(Text("E[1].b"), "1");
        // Only the final call tells the parser that the root never closes.
        EXPECT_FALSE(Load(OfSize("<r><E b=\"1\"/>", "x", nSize)));
        EXPECT_EQ(automate.GetErrorCode(), TRE_LecteurXml::Syntaxe);
    }
}

TEST_F(XmlReaderTest, LargeDocumentAcrossManyBlocks)
{
    std::string xml = "<kinvora>\n";
    for (int n = 1; n <= 3000; ++n)
        xml += "\t<P i=\"" + std::to_string(n) + "\" t=\"title " + std::to_string(n) + "\" />\n";
    xml += "</kinvora>\n";
    ASSERT_TRUE(Load(xml));
    EXPECT_STREQ(Text("P[1].i"), "1");
    EXPECT_STREQ(Text("P[1777].t"), "title 1777");
    EXPECT_STREQ(Text("P[3000].i"), "3000");
}

std::string Nested(int nDepth)
{
    std::string xml;
    for (int n = 0; n < nDepth; ++n)
        xml += "<a>";
    xml += "x";
    for (int n = 0; n < nDepth; ++n)
        xml += "</a>";
    return xml;
}

TEST_F(XmlReaderTest, DeepestAcceptedTreeCopiesPrintsAndFrees)
{
    ASSERT_TRUE(Load(Nested(TRE_LecteurXml::kProfondeurMax)));
    std::unique_ptr<TRE_Element> pCopy = automate.GetRoot()->Dupliquer();
    std::ostringstream xml;
    pCopy->EcrireXml(xml, 0);
    EXPECT_GT(xml.str().size(), std::size_t(TRE_LecteurXml::kProfondeurMax) * 8);
    std::FILE* pFile = std::tmpfile();
    pCopy->Ecrire(pFile);
    EXPECT_GT(std::ftell(pFile), TRE_LecteurXml::kProfondeurMax * 4L);
    std::fclose(pFile);
    pCopy->Liberer();
    pCopy.reset();
}

TEST_F(XmlReaderTest, DeeperInputIsRefused)
{
    EXPECT_FALSE(Load(Nested(TRE_LecteurXml::kProfondeurMax + 1)));
    EXPECT_EQ(automate.GetErrorCode(), TRE_LecteurXml::TropProfond);
    EXPECT_EQ(automate.GetMessage(), "Elements nested more than 2000 levels deep at line 1");
    EXPECT_FALSE(Load(Nested(200000)));
    EXPECT_EQ(automate.GetErrorCode(), TRE_LecteurXml::TropProfond);
}

TEST_F(XmlReaderTest, Utf8PassesThroughUnchanged)
{
    ASSERT_TRUE(Load("<r><\xC3\xA9t\xC3\xA9 v=\"\xE2\x82\xAC \xF0\x9F\x98\x80\"/></r>"));
    EXPECT_STREQ(Text("\xC3\xA9t\xC3\xA9[1].v"), "\xE2\x82\xAC \xF0\x9F\x98\x80");
    ASSERT_TRUE(Load("<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r><t>\xE9</t></r>"));
    EXPECT_STREQ(Text("t"), "\xC3\xA9");
}
} // namespace
