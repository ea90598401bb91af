#include "TRE_Automate.h"
#include "TRE_Element.h"
#include "KIN_TestFiles.h"

#include <gtest/gtest.h>

#include <chrono>
#include <sstream>

namespace
{
// Inputs the fuzzers turned up, each loaded and printed back in both forms.
class FuzzFoundTest : public ::testing::Test
{
protected:
    bool Load(const std::string& xml)
    {
        return automate.LoadXml(folder.Write("in.xml", xml).c_str());
    }

    std::string Printed() const
    {
        std::ostringstream flux;
        automate.GetRoot()->EcrireXml(flux, 0);
        return flux.str();
    }

    TestFolder folder;
    TRE_Automate automate;
};

TEST_F(FuzzFoundTest, FieldAfterTableOfTheSameNameStaysBesideIt)
{
    // The second a is an empty field, the first a table: the field must not be taken for
    // a field holding values.
    ASSERT_TRUE(Load("<r><a x=\"1\"/><a/><a/></r>"));
    const TRE_Element* pFirst = automate.GetRoot()->Chercher("a[1]");
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->GetType(), TRE_Element::Table);
    const TRE_Element* pValue = automate.GetRoot()->Chercher("a[1].x");
    ASSERT_NE(pValue, nullptr);
    EXPECT_STREQ(pValue->Valeur(), "1");
    EXPECT_NE(Printed().find("x=\"1\""), std::string::npos);
}

TEST_F(FuzzFoundTest, DiagramLikeFileWithFieldAfterTableLoads)
{
    ASSERT_TRUE(Load("<kinvora>\n\t<E b=\"0\" e=\"40\" w=\"10\" />\n\t<t8 i2=\"2\" b=\"17\" />\n"
                     "\t<t8/>\n</kinvora>\n"));
    const TRE_Element* pValue = automate.GetRoot()->Chercher("t8[1].b");
    ASSERT_NE(pValue, nullptr);
    EXPECT_STREQ(pValue->Valeur(), "17");
}
TEST_F(FuzzFoundTest, NestedBadTextFailsWithoutReadingAgainAndAgain)
{
    // Each level is tried as a field and as a table: refused groups are not read twice.
    std::string text;
    for (int n = 0; n < 40; ++n)
        text += "q = B { ";
    text += "\xff";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(automate.LoadText(folder.Write("in.txt", text).c_str()));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));

    ASSERT_TRUE(automate.LoadText(folder.Write("good.txt", "a = B { c = 1; };\n").c_str()));
    EXPECT_NE(automate.GetRoot(), nullptr);
}
} // namespace
