// Packed attributes and the name index of large groups answer exactly as the element objects
// and the walk over the children that they stand in for.
#include "KIN_TestFiles.h"
#include "TRE_Attributs.h"
#include "TRE_Automate.h"
#include "TRE_Champ.h"
#include "TRE_Groupe.h"
#include "TRE_Table.h"
#include "TRE_ValeurSimple.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace
{
struct Lookup
{
    const char* pName;
    const char* pExpected; // null: no such attribute
};

struct PackedCase
{
    const char* pXml;
    std::vector<Lookup> lookups; // in the order they are made
};

const std::vector<PackedCase> kPackedCases = {
    {"<r a=\"1\" bb=\"two\" c=\"\" d=\"&lt;x&gt;\"/>",
     {{"a", "1"}, {"bb", "two"}, {"c", ""}, {"d", "<x>"}, {"zz", nullptr}, {"a", "1"}}},
    {"<r a=\"1\" bb=\"two\" c=\"\" d=\"&lt;x&gt;\"/>",
     {{"d", "<x>"}, {"c", ""}, {"bb", "two"}, {"a", "1"}, {"d", "<x>"}, {"d", "<x>"}}},
    {"<r x=\"\xC3\xA9t\xC3\xA9\" y=\"  spaced  \" z=\"&quot;q&quot;\"/>",
     {{"y", "  spaced  "}, {"x", "\xC3\xA9t\xC3\xA9"}, {"z", "\"q\""}, {"x", "\xC3\xA9t\xC3\xA9"}}},
    {"<r only=\"v\"/>", {{"only", "v"}, {"onl", nullptr}, {"only", "v"}, {"", nullptr}}},
    // A child element of an attribute's name is found after the attributes.
    {"<r b=\"attr\"><c>child</c></r>", {{"c", "child"}, {"b", "attr"}, {"c", "child"}}},
};

class CompactTreeTest : public ::testing::Test
{
protected:
    TRE_Table* Load(TRE_Automate& automate, const char* pXml)
    {
        if (!automate.LoadXml(folder.Write("in.xml", pXml).c_str()))
            return nullptr;
        return static_cast<TRE_Table*>(automate.GetRoot());
    }

    TestFolder folder;
};

TEST_F(CompactTreeTest, PackedValuesMatchTheFieldsTheyUnpackTo)
{
    for (const PackedCase& testCase : kPackedCases)
    {
        SCOPED_TRACE(testCase.pXml);
        TRE_Automate packed;
        TRE_Automate unpacked;
        TRE_Table* pPacked = Load(packed, testCase.pXml);
        TRE_Table* pUnpacked = Load(unpacked, testCase.pXml);
        ASSERT_NE(pPacked, nullptr);
        ASSERT_NE(pUnpacked, nullptr);
        ASSERT_NE(pUnpacked->GetAttributs(), nullptr);
        for (const Lookup& lookup : testCase.lookups)
        {
            SCOPED_TRACE(lookup.pName);
            const char* pValue = pPacked->ChercherValeur(lookup.pName);
            const TRE_Element* pField = pUnpacked->Chercher(lookup.pName);
            const char* pFieldValue = pField ? pField->Valeur() : nullptr;
            EXPECT_STREQ(pValue, lookup.pExpected);
            EXPECT_STREQ(pFieldValue, lookup.pExpected);
        }
        // Unpacking later gives the same fields in the same order.
        EXPECT_EQ(pPacked->ListerNoms(true), pUnpacked->ListerNoms(true));
        ASSERT_NE(pPacked->GetAttributs(), nullptr);
        EXPECT_EQ(pPacked->GetAttributs()->ListerNoms(true),
                  pUnpacked->GetAttributs()->ListerNoms(true));
    }
}

TEST(PackedAttributesTest, BlocksOutsideAnArenaOwnTheirTextAndMove)
{
    const std::vector<std::vector<std::string>> cases = {
        {"a", "1"},
        {"a", "1", "b", "", "c", "3"},
        {"long", std::string(5000, 'x')},
    };
    for (const std::vector<std::string>& texts : cases)
    {
        std::vector<const char*> list;
        for (const std::string& text : texts)
            list.push_back(text.c_str());
        list.push_back(nullptr);
        TRE_Attributs attributes = TRE_Attributs::Depuis(list.data());
        TRE_Attributs moved = std::move(attributes);
        EXPECT_TRUE(attributes.EstVide());
        ASSERT_FALSE(moved.EstVide());
        for (std::size_t n = texts.size(); n >= 2; n -= 2)
            EXPECT_EQ(std::string(moved.Valeur(texts[n - 2].c_str())), texts[n - 1]);
        TRE_Groupe group;
        moved.Remplir(group);
        EXPECT_EQ(group.Enfants().Count(), static_cast<int>(texts.size() / 2));
        moved.Liberer();
        EXPECT_TRUE(moved.EstVide());
        EXPECT_EQ(moved.Valeur(texts[0].c_str()), nullptr);
    }
}

// "T" is a table named X, "F" a field named X with one value, "-" a table of another name.
void Fill(TRE_Groupe& group, const std::string& pattern, int nPadding)
{
    for (const char c : pattern)
    {
        if (c == 'F')
            group.AjouterElement(std::make_unique<TRE_Champ>(
                "X",
                std::make_unique<TRE_ValeurSimple>(std::string("v"), TRE_Element::ValeurTexte)));
        else
            group.AjouterElement(std::make_unique<TRE_Table>(c == 'T' ? "X" : "Y", nullptr));
    }
    for (int n = 0; n < nPadding; ++n)
        group.AjouterElement(std::make_unique<TRE_Table>("Z", nullptr));
}

// Which child the result is: "3" for the fourth child, "3v" for its value, "-" for none.
std::string Describe(const TRE_Groupe& group, const TRE_Element* pFound)
{
    if (!pFound)
        return "-";
    int nPosition = 0;
    for (auto* pNode = group.Enfants().First(); pNode; pNode = pNode->Next(), ++nPosition)
    {
        const TRE_Element* pChild = pNode->Item();
        if (pChild == pFound)
            return std::to_string(nPosition);
        if (pChild->GetType() == TRE_Element::Champ &&
            static_cast<const TRE_Champ*>(pChild)->GetValeur() == pFound)
            return std::to_string(nPosition) + "v";
    }
    return "?";
}

TEST(NameIndexTest, LargeGroupsFindWhatTheWalkFinds)
{
    const std::vector<std::string> patterns = {"",    "T",       "F",      "TTT",  "TFT",
                                               "FTT", "TT-TF-T", "-T-T-T", "TTFF", "FF"};
    for (const std::string& pattern : patterns)
    {
        SCOPED_TRACE(pattern);
        TRE_Groupe small;
        TRE_Groupe large;
        Fill(small, pattern, 0);
        Fill(large, pattern, TRE_Groupe::Cache::kSeuilIndex + 1);
        for (const std::string path : {"X", "X[0]", "X[1]", "X[2]", "X[3]", "X[4]", "X[5]"})
        {
            SCOPED_TRACE(path);
            EXPECT_EQ(Describe(large, large.Chercher(path.c_str())),
                      Describe(small, small.Chercher(path.c_str())));
        }
    }
    // The walk itself: tables count until a field ends the search, and a field passes a
    // number on to its value.
    TRE_Groupe large;
    Fill(large, "TFT", TRE_Groupe::Cache::kSeuilIndex + 1);
    EXPECT_EQ(Describe(large, large.Chercher("X")), "-");
    EXPECT_EQ(Describe(large, large.Chercher("X[1]")), "0");
    EXPECT_EQ(Describe(large, large.Chercher("X[2]")), "-"); // the field, which has no 2nd value
    EXPECT_EQ(Describe(large, large.Chercher("Z[33]")), "35");
    EXPECT_EQ(Describe(large, large.Chercher("Z[34]")), "-");
    TRE_Groupe fieldFirst;
    Fill(fieldFirst, "FT", TRE_Groupe::Cache::kSeuilIndex + 1);
    EXPECT_EQ(Describe(fieldFirst, fieldFirst.Chercher("X")), "0");
    EXPECT_EQ(Describe(fieldFirst, fieldFirst.Chercher("X[1]")), "0v");
}
} // namespace
