#include "TRE_Champ.h"
#include "TRE_Fichier.h"
#include "TRE_Groupe.h"
#include "TRE_Table.h"
#include "TRE_Tableau.h"
#include "TRE_Texte.h"
#include "TRE_ValeurSimple.h"
#include "KIN_TestFiles.h"

#include <gtest/gtest.h>

#include <sstream>

namespace
{
std::unique_ptr<TRE_ValeurSimple> Value(const char* pText, std::int16_t nType = 1)
{
    return std::make_unique<TRE_ValeurSimple>(TRE_CopierTexte(pText), nType);
}

std::unique_ptr<TRE_Champ> Field(const char* pName, const char* pText)
{
    return std::make_unique<TRE_Champ>(pName, Value(pText));
}

std::unique_ptr<TRE_Table> TableWith(const char* pName, const char* pAttribute, const char* pText)
{
    auto pTable = std::make_unique<TRE_Table>(pName, nullptr);
    pTable->AjouterAttribut(Field(pAttribute, pText));
    return pTable;
}

std::vector<std::string> Tokens(const char* pPath)
{
    TRE_Jetons tokens;
    EXPECT_TRUE(TRE_Element::DecouperChemin(pPath, tokens));
    std::vector<std::string> result;
    for (TRE_Jetons::Node* pNode = tokens.First(); pNode; pNode = pNode->Next())
        result.emplace_back(pNode->Text());
    return result;
}

std::string Printed(const TRE_Element& element)
{
    std::FILE* pFile = std::tmpfile();
    element.Ecrire(pFile);
    std::string text(static_cast<std::size_t>(std::ftell(pFile)), '\0');
    std::rewind(pFile);
    EXPECT_EQ(std::fread(text.data(), 1, text.size(), pFile), text.size());
    std::fclose(pFile);
    return text;
}

std::string AsXml(const TRE_Element& element, int nLevel = 0)
{
    std::ostringstream stream;
    element.EcrireXml(stream, nLevel);
    return stream.str();
}

using Names = std::vector<std::string>;

TEST(PathTest, SplitsNamesAndNumbers)
{
    EXPECT_EQ(Tokens("P[3].b"), (Names{"P", "3", "b"}));
    EXPECT_EQ(Tokens("Groupe1[12]"), (Names{"Groupe1", "12"}));
    EXPECT_EQ(Tokens("x.-y"), (Names{"x"}));
    EXPECT_EQ(Tokens("_a"), Names{});
    EXPECT_EQ(Tokens("a/b"), Names{});
    EXPECT_EQ(Tokens("a.b/c.d"), (Names{"a"}));
    EXPECT_EQ(Tokens("..[x-1_y]]z"), (Names{"x-1_y", "z"}));
    EXPECT_EQ(Tokens("\xC3\xA9t\xC3\xA9"), (Names{"\xC3\xA9t\xC3\xA9"}));
    EXPECT_EQ(Tokens(nullptr), Names{});
    EXPECT_EQ(TRE_Element::ValeurDecimale("  -12x"), -12);
    EXPECT_EQ(TRE_Element::ValeurDecimale("x"), 0);
}

class LookupTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        group.AjouterElement(TableWith("P", "x", "first"));
        group.AjouterElement(TableWith("L", "x", "link"));
        group.AjouterElement(TableWith("P", "x", "second"));
        group.AjouterElement(Field("b", "7"));
    }

    const char* Text(const char* pPath)
    {
        const TRE_Element* pFound = group.Chercher(pPath);
        return pFound ? pFound->Valeur() : nullptr;
    }

    TRE_Groupe group;
};

TEST_F(LookupTest, TablesNeedAnOccurrenceNumber)
{
    const TRE_ListeElements& children = group.Enfants();
    TRE_ListeElements& list = const_cast<TRE_ListeElements&>(children);
    EXPECT_EQ(group.Chercher("P[2]"), list.GetAt(3));
    EXPECT_EQ(group.Chercher("P[1]"), list.GetAt(1));
    EXPECT_EQ(group.Chercher("P"), nullptr);
    EXPECT_EQ(group.Chercher("P[0]"), nullptr);
    EXPECT_EQ(group.Chercher("P[3]"), nullptr);
    EXPECT_EQ(group.Chercher("Q[1]"), nullptr);
    EXPECT_EQ(group.Chercher(""), &group);
}

TEST_F(LookupTest, ShortPathsAnswerAsTheirTokenForm)
{
    // "P[2]" takes a shorter way than "P.2"; both are the tokens P and 2.
    for (const char* pName : {"P", "L", "b", "Q"})
    {
        for (int n = 0; n <= 3; ++n)
        {
            const std::string brackets = std::string(pName) + "[" + std::to_string(n) + "]";
            const std::string dotted = std::string(pName) + "." + std::to_string(n);
            EXPECT_EQ(group.Chercher(brackets.c_str()), group.Chercher(dotted.c_str())) << brackets;
        }
        EXPECT_EQ(group.Chercher(pName), group.Chercher((std::string(pName) + ".").c_str()));
    }
    EXPECT_EQ(group.Chercher("P[02]"), group.Chercher("P[2]"));
    EXPECT_EQ(group.Chercher("P[2]x"), group.Chercher("P[2].x"));
    EXPECT_EQ(group.Chercher("P[2/"), nullptr); // the stray character drops its token
}

TEST_F(LookupTest, FieldsAnswerByBareNameOrNumberOne)
{
    const TRE_Element* pField = group.Chercher("b");
    ASSERT_NE(pField, nullptr);
    EXPECT_EQ(pField->GetType(), TRE_Element::Champ);
    const TRE_Element* pValue = group.Chercher("b[1]");
    ASSERT_NE(pValue, nullptr);
    EXPECT_EQ(pValue->GetType(), TRE_Element::ValeurTexte);
    EXPECT_EQ(group.Chercher("b[2]"), nullptr);
    EXPECT_STREQ(Text("b"), "7");
}

TEST_F(LookupTest, DottedPathsLookAtAttributesThenContent)
{
    EXPECT_STREQ(Text("L[1].x"), "link");
    EXPECT_STREQ(Text("P[2].x"), "second");
    EXPECT_EQ(Text("L[1].y"), nullptr);

    auto pTable = TableWith("T", "a", "attribute");
    auto pInner = std::make_unique<TRE_Table>("c", nullptr);
    pInner->AjouterAttribut(Field("d", "deep"));
    pTable->AjouterElement(Field("y", "content"));
    pTable->AjouterElement(std::move(pInner));
    group.AjouterElement(std::move(pTable));
    EXPECT_STREQ(Text("T[1].y"), "content");
    EXPECT_STREQ(Text("T[1].a"), "attribute");
    EXPECT_STREQ(Text("T[1].c[1].d"), "deep");
}

TEST_F(LookupTest, AttributeLookupThatFailsDeepLeavesTheTokensToTheContent)
{
    // An attribute b and a content table b: b[2] is not the attribute's value, so the
    // whole path goes on to the content.
    auto pTable = TableWith("T", "b", "attribute");
    pTable->AjouterElement(TableWith("b", "n", "one"));
    pTable->AjouterElement(TableWith("b", "n", "two"));
    group.AjouterElement(std::move(pTable));
    EXPECT_STREQ(Text("T[1].b[2].n"), "two");
    EXPECT_STREQ(Text("T[1].b"), "attribute");
}

TEST_F(LookupTest, OccurrenceCacheGivesTheSameAnswersInAnyOrder)
{
    TRE_Groupe many;
    for (int n = 1; n <= 50; ++n)
    {
        many.AjouterElement(TableWith("P", "n", std::to_string(n).c_str()));
        if (n % 3 == 0)
            many.AjouterElement(TableWith("L", "n", std::to_string(n).c_str()));
    }
    const auto text = [&many](const std::string& path)
    {
        const TRE_Element* pFound = many.Chercher(path.c_str());
        return pFound && pFound->Valeur() ? std::string(pFound->Valeur()) : std::string("-");
    };
    for (int n = 1; n <= 50; ++n)
        ASSERT_EQ(text("P[" + std::to_string(n) + "].n"), std::to_string(n));
    EXPECT_EQ(text("P[51].n"), "-");
    EXPECT_EQ(text("P[50].n"), "50");
    EXPECT_EQ(text("P[7].n"), "7");
    EXPECT_EQ(text("L[2].n"), "6");
    EXPECT_EQ(text("P[8].n"), "8");
    EXPECT_EQ(text("P[8].n"), "8");
    // A change to the group forgets the cache: a field P put in front now ends the search.
    many.AjouterElement(TableWith("P", "n", "51"));
    EXPECT_EQ(text("P[51].n"), "51");
    TRE_Groupe changed;
    changed.AjouterElement(TableWith("P", "n", "1"));
    changed.AjouterElement(TableWith("P", "n", "2"));
    EXPECT_EQ(changed.Chercher("P[2]") != nullptr, true);
    changed.Liberer();
    EXPECT_EQ(changed.Chercher("P[2]"), nullptr);
    changed.AjouterElement(Field("P", "field"));
    changed.AjouterElement(TableWith("P", "n", "1"));
    ASSERT_NE(changed.Chercher("P[1]"), nullptr);
    EXPECT_STREQ(changed.Chercher("P[1]")->Valeur(), "field");
}

// What a group's lookup of name[n] designates, found by walking every child.
const TRE_Element* Reference(const TRE_Groupe& group, const std::string& name, int nOccurrence)
{
    int nTables = 0;
    for (TRE_ListeElements::Node* pNode = group.Enfants().First(); pNode; pNode = pNode->Next())
    {
        const TRE_Element* pChild = pNode->Item();
        if (!pChild->Nom() || name != pChild->Nom())
            continue;
        if (pChild->GetType() == TRE_Element::Champ)
            return pChild;
        if (nOccurrence < 1)
            return nullptr;
        if (++nTables == nOccurrence)
            return pChild;
    }
    return nullptr;
}

TEST(LargeGroupTest, IndexedLookupsAnswerAsAWalkWould)
{
    TRE_Groupe group;
    // A field found for name[n] hands the number on to its value: only n = 1 reaches it.
    const auto expected = [&group](const char* pName, int nOccurrence, bool bBare)
    {
        const TRE_Element* pChild = Reference(group, pName, nOccurrence);
        if (!pChild || pChild->GetType() == TRE_Element::Table || bBare)
            return pChild;
        return nOccurrence == 1 ? static_cast<const TRE_Champ*>(pChild)->GetValeur()
                                : static_cast<const TRE_Element*>(nullptr);
    };
    const auto check = [&group, &expected](const char* pWhen)
    {
        for (const char* pName : {"P", "L", "F", "Q", "I"})
        {
            ASSERT_EQ(group.Chercher(pName), expected(pName, 0, true)) << pWhen << " " << pName;
            for (int n = 60; n >= 0; --n) // decreasing: no help from the last answer
            {
                const std::string path = std::string(pName) + "[" + std::to_string(n) + "]";
                ASSERT_EQ(group.Chercher(path.c_str()), expected(pName, n, false))
                    << pWhen << " " << path;
            }
        }
    };
    for (int n = 1; n <= 40; ++n)
    {
        group.AjouterElement(TableWith(n % 4 == 0 ? "L" : "P", "x", "1"));
        check("while growing");
    }
    group.AjouterElement(Field("F", "field"));
    group.AjouterElement(TableWith("F", "x", "table after the field"));
    for (int n = 1; n <= 20; ++n)
        group.AjouterElement(TableWith("I", "x", "1"));
    check("after the field");
    group.AjouterElement(Field("P", "late field"));
    group.AjouterElement(TableWith("P", "x", "1"));
    check("with a late field");
    // 30 tables P come before the field P, which ends every search for a 31st.
    ASSERT_NE(group.Chercher("P[30]"), nullptr);
    EXPECT_EQ(group.Chercher("P[30]")->GetType(), TRE_Element::Table);
    EXPECT_EQ(group.Chercher("P[31]"), nullptr);
    EXPECT_EQ(group.Chercher("F"), Reference(group, "F", 0));
    group.Liberer();
    check("after freeing");
    EXPECT_EQ(group.Chercher("P[1]"), nullptr);
}

TEST(ArrayLookupTest, AddressesItemsByPosition)
{
    TRE_Champ field("v", std::make_unique<TRE_Tableau>());
    for (const char* pText : {"1", "2", "3"})
        field.GetValeur()->AjouterElement(Value(pText));
    EXPECT_EQ(field.Chercher("v[2]"), nullptr); // the field itself is not named in its path
    ASSERT_NE(field.Chercher("2"), nullptr);
    EXPECT_STREQ(field.Chercher("2")->Valeur(), "2");
    TRE_Groupe group;
    group.AjouterElement(field.Dupliquer());
    EXPECT_STREQ(group.Chercher("v[3]")->Valeur(), "3");
    EXPECT_STREQ(group.Chercher("v[1]")->Valeur(), "1");
    EXPECT_EQ(group.Chercher("v[4]"), nullptr);
    EXPECT_EQ(group.Chercher("v[0]"), nullptr);
    EXPECT_EQ(group.Chercher("v")->Valeur(), nullptr);
}

TEST(SimpleValueTest, AnswersOnlyForItself)
{
    TRE_ValeurSimple value(TRE_CopierTexte("x"), 0);
    EXPECT_EQ(value.Chercher(nullptr), &value);
    EXPECT_EQ(value.Chercher("1"), nullptr);
    TRE_Jetons one;
    one.Append(TRE_CopierTexte("1").release());
    EXPECT_EQ(value.ChercherJetons(one), &value);
    TRE_Jetons two;
    two.Append(TRE_CopierTexte("2").release());
    EXPECT_EQ(value.ChercherJetons(two), nullptr);
    EXPECT_TRUE(value.ListerNoms(true).empty());
}

TEST(FileLookupTest, NeedsAPath)
{
    TRE_Fichier file(TRE_CopierTexte("f"));
    file.AjouterElement(Field("a", "1"));
    file.AjouterElement(TableWith("T", "x", "2"));
    EXPECT_EQ(file.Chercher(""), nullptr);
    EXPECT_STREQ(file.Chercher("a")->Valeur(), "1");
    EXPECT_STREQ(file.Chercher("T[1].x")->Valeur(), "2");
}

TEST(NamesTest, NumbersEqualNamesOnlyWhileTheyFollowEachOther)
{
    TRE_Groupe group;
    group.AjouterElement(TableWith("P", "x", "1"));
    group.AjouterElement(TableWith("P", "x", "1"));
    group.AjouterElement(TableWith("L", "x", "1"));
    group.AjouterElement(TableWith("P", "x", "1"));
    EXPECT_EQ(group.ListerNoms(true), (Names{"P[1]", "P[2]", "L[1]", "P[1]"}));
    EXPECT_EQ(group.ListerNoms(false), (Names{"P", "P", "L", "P"}));
    ASSERT_NE(group.Chercher("P[3]"), nullptr); // whereas the lookup counts every P
}

TEST(NamesTest, NestedGroupsAndValuesRestartTheCount)
{
    TRE_Groupe group;
    group.AjouterElement(Field("a", "1"));
    auto pInner = std::make_unique<TRE_Groupe>();
    pInner->AjouterElement(Field("a", "2"));
    pInner->AjouterElement(Field("a", "3"));
    group.AjouterElement(std::move(pInner));
    group.AjouterElement(Field("a", "4"));
    group.AjouterElement(Value("loose"));
    group.AjouterElement(Field("a", "5"));
    EXPECT_EQ(group.ListerNoms(true), (Names{"a[1]", "a[1]", "a[2]", "a[1]", "a[1]"}));

    // A table lists its content, not its attributes; a field lists its value's names.
    auto pTable = TableWith("T", "hidden", "1");
    pTable->AjouterElement(Field("shown", "1"));
    EXPECT_EQ(pTable->ListerNoms(false), Names{"shown"});
    TRE_Champ field("f", std::make_unique<TRE_Groupe>());
    field.GetValeur()->AjouterElement(Field("g", "1"));
    EXPECT_EQ(field.ListerNoms(true), Names{"g[1]"});
}

TEST(BraceFormatTest, PrintsFieldsTablesArraysAndValues)
{
    TRE_Fichier file(TRE_CopierTexte(""));
    file.AjouterElement(TableWith("P", "b", "1"));
    EXPECT_EQ(Printed(file), "P {\nb = \"1\";\n};\n");

    TRE_Groupe group;
    group.AjouterElement(Field("q", "\"already\""));
    group.AjouterElement(std::make_unique<TRE_Champ>("n", Value("12", 0)));
    group.AjouterElement(std::make_unique<TRE_Champ>("c", Value("rgb(1,2)", 2)));
    auto pArray = std::make_unique<TRE_Tableau>();
    pArray->AjouterElement(Value("1", 0));
    pArray->AjouterElement(Value("x"));
    group.AjouterElement(std::make_unique<TRE_Champ>("a", std::move(pArray)));
    group.AjouterElement(std::make_unique<TRE_Table>("T", nullptr));
    EXPECT_EQ(Printed(group), "q = \"already\";\nn = 12;\nc = rgb(1,2);\na = [1,\"x\"];\nT {\n}\n");
}

TEST(XmlWriterTest, WritesTablesFieldsAndArrays)
{
    TRE_Table empty("name", nullptr);
    EXPECT_EQ(AsXml(empty, 2), "\t\t<name>\n\t\t</name>\n");

    auto pRoot = std::make_unique<TRE_Table>("root", nullptr);
    pRoot->AjouterAttribut(Field("a", "1"));
    pRoot->AjouterAttribut(Field("b", "x\"y"));
    pRoot->AjouterElement(Field("f", "text"));
    auto pArray = std::make_unique<TRE_Tableau>();
    pArray->AjouterElement(Value("1"));
    pArray->AjouterElement(Value("2"));
    pRoot->AjouterElement(std::make_unique<TRE_Champ>("v", std::move(pArray)));
    EXPECT_EQ(AsXml(*pRoot), "<root a=\"1\" b=\"x&quot;y\">\n\t<f>text</f>\n<v>1</v> <v>2</v> \n"
                             "</root>\n");
}

TEST(XmlWriterTest, EscapesTheFiveSpecialCharacters)
{
    std::ostringstream stream;
    EcrireTexteXml(stream, "<&'\"");
    EXPECT_EQ(stream.str(), "&lt;&amp;&apos;&quot;");
    std::ostringstream plain;
    EcrireTexteXml(plain, "a>b \xC3\xA9");
    EXPECT_EQ(plain.str(), "a&gt;b \xC3\xA9");
}

TEST(XmlWriterTest, CutsInvalidUtf8WithTheMessage)
{
    std::ostringstream stream;
    testing::internal::CaptureStderr();
    EcrireTexteXml(stream, "ab\xFF"
                           "cd");
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(stream.str(), "ab");
    EXPECT_EQ(errors, "(mbstowcs error:) invalid multibyte character encountered\n");

    std::string converted;
    testing::internal::CaptureStderr();
    EXPECT_FALSE(TRE_Utf8VersLocal("ok\xED\xA0\x80no", 7, converted)); // a lone surrogate
    EXPECT_NE(testing::internal::GetCapturedStderr().find("(wcstombs error:)"), std::string::npos);
    EXPECT_EQ(converted, "ok");
}

TEST(DuplicateTest, CopiesDeeplyAndIndependently)
{
    auto pRoot = std::make_unique<TRE_Table>("root", nullptr);
    pRoot->AjouterAttribut(Field("a", "1"));
    auto pInner = TableWith("P", "x", "inner");
    pInner->AjouterElement(Field("f", "text"));
    pRoot->AjouterElement(std::move(pInner));
    TRE_Fichier file(TRE_CopierTexte("file"));
    file.AjouterAttribut(Field("k", "v"));
    file.AjouterElement(std::move(pRoot));

    std::unique_ptr<TRE_Element> pCopy = file.Dupliquer();
    ASSERT_EQ(pCopy->GetType(), TRE_Element::Fichier);
    EXPECT_STREQ(pCopy->Nom(), "file");
    EXPECT_EQ(Printed(*pCopy), Printed(file));
    EXPECT_EQ(AsXml(*pCopy), AsXml(file));
    file.Liberer();
    EXPECT_STREQ(pCopy->Chercher("root[1].P[1].x")->Valeur(), "inner");
    EXPECT_EQ(file.Chercher("root[1]"), nullptr);
}
} // namespace
