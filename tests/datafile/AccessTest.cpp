#include "FIL_IElement.h"
#include "FIL_LastError.h"
#include "FIL_OpenFile.h"
#include "FIL_PrivateElement.h"
#include "KIT_SafeObject.h"
#include "KIN_TestFiles.h"

#include <gtest/gtest.h>

#include <clocale>

namespace
{
class AccessTest : public ::testing::Test
{
protected:
    sp<FIL_IElement> Open(const std::string& xml)
    {
        automat = FIL_OpenXml(folder.Write("in.xml", xml).c_str());
        EXPECT_TRUE(automat);
        return automat ? automat->GetRoot() : sp<FIL_IElement>();
    }

    sp<FIL_IElement> OpenLimits(const char* pB)
    {
        const sp<FIL_IElement> root =
            Open(std::string("<kinvora><E b=\"") + pB + "\" e=\"2\" /></kinvora>");
        return root->GetElement("E", 1);
    }

    TestFolder folder;
    sp<FIL_IAutomat> automat;
};

TEST_F(AccessTest, MissingFileGivesNullAndTheLastError)
{
    const std::string path = folder.Path("none.xml");
    EXPECT_FALSE(FIL_OpenXml(path.c_str()));
    EXPECT_EQ(FIL_GetLastError().nCode, 101);
    EXPECT_EQ(FIL_GetLastError().message, "Could not open file " + path);
    EXPECT_EQ(FIL_GetLastError().messageW.size(), FIL_GetLastError().message.size());
    EXPECT_FALSE(FIL_OpenFile(nullptr, nullptr, true));
    EXPECT_FALSE(FIL_OpenXml(folder.Write("bad.xml", "<a>").c_str()));
    EXPECT_EQ(FIL_GetLastError().nCode, 102);
}

TEST_F(AccessTest, NamesItsObjects)
{
    const sp<FIL_IElement> root = Open("<r/>");
    EXPECT_STREQ(dynamic_cast<KIT_SafeObject&>(*automat).GetSafeObjectName(), "FIL_IAutomat");
    EXPECT_STREQ(dynamic_cast<KIT_SafeObject&>(*root).GetSafeObjectName(), "FIL_IElement");
    const sp<FIL_PrivateElement> privateRoot(root);
    EXPECT_TRUE(privateRoot);
    EXPECT_EQ(root.GetCount(), 3); // the automaton's root handle, root and privateRoot
}

TEST_F(AccessTest, NumbersFollowedByOtherCharacters)
{
    const sp<FIL_IElement> limits = OpenLimits("12x");
    int n32 = 0;
    long long n64 = 0;
    EXPECT_TRUE(limits->GetValue("b", n32));
    EXPECT_EQ(n32, 12);
    EXPECT_TRUE(limits->GetValue("b", n64));
    EXPECT_EQ(n64, 12);
    double value = 0.0;
    EXPECT_TRUE(limits->GetValue("b", value));
    EXPECT_DOUBLE_EQ(value, 12.0);
}

TEST_F(AccessTest, TextThatIsNoNumber)
{
    const sp<FIL_IElement> limits = OpenLimits("abc");
    int n32 = 5;
    long long n64 = 5;
    double value = 5.0;
    EXPECT_TRUE(limits->GetValue("b", n32));
    EXPECT_EQ(n32, 0);
    EXPECT_TRUE(limits->GetValue("b", n64));
    EXPECT_EQ(n64, -32768);
    EXPECT_TRUE(limits->GetValue("b", value));
    EXPECT_EQ(value, 0.0);
}

TEST_F(AccessTest, SixtyFourBitsAndLimits)
{
    long long n64 = 0;
    EXPECT_TRUE(OpenLimits(" -100000000000")->GetValue("b", n64));
    EXPECT_EQ(n64, -100000000000LL);
    EXPECT_TRUE(OpenLimits("99999999999999999999999")->GetValue("b", n64));
    EXPECT_EQ(n64, std::numeric_limits<long long>::max());
    long nLong = 0;
    EXPECT_TRUE(OpenLimits("-100000000000")->GetValue("b", nLong));
    EXPECT_EQ(nLong, -100000000000L);
    short nShort = 0;
    EXPECT_TRUE(OpenLimits("65537")->GetValue("b", nShort));
    EXPECT_EQ(nShort, 1);
}

TEST_F(AccessTest, MissingAttributeLeavesTheOutputAlone)
{
    const sp<FIL_IElement> limits = OpenLimits("1");
    int n32 = 42;
    long long n64 = 42;
    std::string text = "kept";
    std::u16string wide = u"kept";
    double value = 4.2;
    bool bFlag = true;
    short nHundredths = 42;
    EXPECT_FALSE(limits->GetValue("w", n32));
    EXPECT_FALSE(limits->GetValue("w", n64));
    EXPECT_FALSE(limits->GetValue("w", text));
    EXPECT_FALSE(limits->GetValue("w", wide));
    EXPECT_FALSE(limits->GetValue("w", value));
    EXPECT_FALSE(limits->GetValue(u"w", bFlag));
    EXPECT_FALSE(limits->GetValueHundredths("w", nHundredths));
    EXPECT_FALSE(limits->GetValue(static_cast<const char*>(nullptr), n32));
    EXPECT_EQ(n32, 42);
    EXPECT_EQ(n64, 42);
    EXPECT_EQ(text, "kept");
    EXPECT_EQ(wide, u"kept");
    EXPECT_EQ(value, 4.2);
    EXPECT_TRUE(bFlag);
    EXPECT_EQ(nHundredths, 42);
}

TEST_F(AccessTest, ElementsByOccurrence)
{
    const sp<FIL_IElement> root = Open("<r><P i=\"1\"/><L i=\"9\"/><P i=\"2\"/></r>");
    EXPECT_FALSE(root->GetElement("P", 3));
    EXPECT_FALSE(root->GetElement("P", 0));
    const sp<FIL_IElement> second = root->GetElement("P", 2);
    ASSERT_TRUE(second);
    int nId = 0;
    EXPECT_TRUE(second->GetValue("i", nId));
    EXPECT_EQ(nId, 2);
    EXPECT_TRUE(root->GetValue("P[1].i", nId, 0));
    EXPECT_EQ(nId, 1);
    EXPECT_TRUE(root->GetElement(u"L", 1)->GetValue(u"i", nId));
    EXPECT_EQ(nId, 9);
    EXPECT_EQ(root->GetNames(true), (std::vector<std::string>{"P[1]", "L[1]", "P[1]"}));
    EXPECT_EQ(root->GetNamesW(false), (std::vector<std::u16string>{u"P", u"L", u"P"}));
}

TEST_F(AccessTest, IndexZeroReadsTheBareName)
{
    const sp<FIL_IElement> root = Open("<r><v>a</v><v>b</v><w>\"quoted\"</w><q>\"</q></r>");
    std::string text;
    EXPECT_FALSE(root->GetValue("v", text, 0)); // an array has no text of its own
    EXPECT_TRUE(root->GetValue("v", text, 2));
    EXPECT_EQ(text, "b");
    EXPECT_TRUE(root->GetValue("w", text, 0));
    EXPECT_EQ(text, "quoted");
    EXPECT_TRUE(root->GetValue("w", text, 1));
    EXPECT_EQ(text, "quoted");
    EXPECT_FALSE(root->GetValue("w", text, 2));
    EXPECT_TRUE(root->GetValue("q", text));
    EXPECT_EQ(text, "");
}

TEST_F(AccessTest, ElementHandleOutlivesTheAutomatonHandle)
{
    sp<FIL_IElement> limits = OpenLimits("7");
    automat.Release();
    int nValue = 0;
    EXPECT_TRUE(limits->GetValue("b", nValue));
    EXPECT_EQ(nValue, 7);
    const sp<FIL_IAutomat> again = limits->GetAutomat();
    ASSERT_TRUE(again);
    ASSERT_TRUE(again->GetRoot());
    EXPECT_TRUE(again->GetRoot()->GetValue("E[1].e", nValue));
    EXPECT_EQ(nValue, 2);
}

TEST_F(AccessTest, BooleansAndHundredths)
{
    const sp<FIL_IElement> root =
        Open("<r><E a=\"0\" b=\"-3\" c=\"1\" d=\"7\" h=\"1.499\" m=\"-1.5\" s=\"2.5\"/></r>");
    const sp<FIL_IElement> e = root->GetElement("E", 1);
    bool bValue = true;
    EXPECT_TRUE(e->GetValue("a", bValue));
    EXPECT_FALSE(bValue);
    EXPECT_TRUE(e->GetValue("b", bValue));
    EXPECT_FALSE(bValue);
    EXPECT_TRUE(e->GetValue("c", bValue));
    EXPECT_TRUE(bValue);
    EXPECT_TRUE(e->GetValue(u"d", bValue));
    EXPECT_TRUE(bValue);
    short nHundredths = 0;
    EXPECT_TRUE(e->GetValueHundredths("h", nHundredths));
    EXPECT_EQ(nHundredths, 150);
    EXPECT_TRUE(e->GetValueHundredths(u"m", nHundredths));
    EXPECT_EQ(nHundredths, -150);
    float fValue = 0.0f;
    EXPECT_TRUE(e->GetValue("s", fValue));
    EXPECT_FLOAT_EQ(fValue, 2.5f);
}

TEST_F(AccessTest, DecimalPointDoesNotDependOnTheLocale)
{
    const sp<FIL_IElement> root = Open("<r><E s=\"0.75\"/></r>");
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "fr_FR.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma";
    double value = 0.0;
    const bool bRead = root->GetValue("E[1].s", value);
    std::setlocale(LC_NUMERIC, previous.c_str());
    EXPECT_TRUE(bRead);
    EXPECT_EQ(value, 0.75);
}

TEST_F(AccessTest, SetValueOverwritesOnlyExistingValues)
{
    const sp<FIL_IElement> root = Open("<r><E b=\"1\" t=\"old\"/><v>x</v></r>");
    const sp<FIL_IElement> e = root->GetElement("E", 1);
    EXPECT_FALSE(e->SetValue("missing", 5));
    EXPECT_EQ(e->GetNames(false).size(), 0u);
    EXPECT_FALSE(e->GetElement("missing", 0));
    EXPECT_TRUE(e->SetValue("b", 42));
    int nValue = 0;
    EXPECT_TRUE(e->GetValue("b", nValue));
    EXPECT_EQ(nValue, 42);
    EXPECT_TRUE(e->SetValue("b", 1.5));
    std::string text;
    EXPECT_TRUE(e->GetValue("b", text));
    EXPECT_EQ(text, "1.5");
    EXPECT_TRUE(e->SetValue(u"t", std::string("new")));
    EXPECT_TRUE(root->GetValue("E[1].t", text));
    EXPECT_EQ(text, "new");
    EXPECT_TRUE(e->SetValue("t", std::u16string(u"wide"), 1));
    EXPECT_TRUE(root->GetValue(u"E[1].t", text));
    EXPECT_EQ(text, "wide");
    EXPECT_TRUE(root->SetValue("v", std::string("y")));
    EXPECT_TRUE(root->GetValue("v", text));
    EXPECT_EQ(text, "y");
    EXPECT_FALSE(root->SetValue("E", 3, 1)); // a table holds no value
}

TEST_F(AccessTest, SavesAsXmlAndAsText)
{
    const sp<FIL_IElement> root = Open("<r><E b=\"1\"/></r>");
    const std::string xml = folder.Path("out.xml");
    EXPECT_TRUE(automat->SaveStream(xml.c_str()));
    EXPECT_EQ(ReadBytes(xml), "<r>\n\t<E b=\"1\">\n\t</E>\n</r>\n");
    EXPECT_TRUE(automat->SaveStreamW(u"/dev/null"));
    EXPECT_FALSE(automat->SaveStream(folder.Path("missing/out.xml").c_str()));
    EXPECT_FALSE(automat->SaveStream(nullptr));

    const std::string text = folder.Path("out.txt");
    EXPECT_TRUE(automat->SaveFile(text.c_str()));
    EXPECT_EQ(ReadBytes(text), "r {\nE {\nb = \"1\";\n}\n};\n");
    const sp<FIL_IAutomat> reread = FIL_OpenFile(text.c_str(), nullptr, false);
    ASSERT_TRUE(reread);
    std::string value;
    EXPECT_TRUE(reread->GetRoot()->GetValue("r[1].E[1].b", value));
    EXPECT_EQ(value, "1");
    EXPECT_FALSE(automat->SaveFileW(nullptr));
}

TEST_F(AccessTest, OpensByWidePath)
{
    const std::string path = folder.Write("\xC3\xA9t\xC3\xA9.xml", "<r><E b=\"3\"/></r>");
    const std::u16string widePath =
        std::u16string(path.begin(), path.end() - 9) + u"\u00E9t\u00E9.xml";
    const sp<FIL_IAutomat> opened = FIL_OpenFile(nullptr, widePath.c_str(), true);
    ASSERT_TRUE(opened);
    int nValue = 0;
    EXPECT_TRUE(opened->GetRoot()->GetValue(u"E[1].b", nValue));
    EXPECT_EQ(nValue, 3);
}
} // namespace
