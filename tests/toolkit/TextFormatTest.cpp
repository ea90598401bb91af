#include "KIT_SafeObject.h"
#include "KIT_SafeObjectRegistry.h"
#include "KIT_TextFormat.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <limits>
#include <locale>
#include <random>
#include <sstream>

TEST(TextFormat, PadToWidth)
{
    std::string text = "12";
    KIT_PadToWidth(text, 5);
    EXPECT_EQ(text, "   12");
    text = "12";
    KIT_PadToWidth(text, -5);
    EXPECT_EQ(text, "12   ");
    text = "12";
    KIT_PadToWidth(text, 1);
    EXPECT_EQ(text, "12");
    KIT_PadToWidth(text, 0);
    EXPECT_EQ(text, "12");
    text = "abc";
    KIT_PadToWidth(text, -3);
    EXPECT_EQ(text, "abc");
}

TEST(TextFormat, Integers)
{
    EXPECT_EQ(KIT_Int64ToText(-100000000000), "-100000000000");
    EXPECT_EQ(KIT_Int64ToText(0), "0");
    EXPECT_EQ(KIT_Int64ToText(std::numeric_limits<std::int64_t>::min()), "-9223372036854775808");
    EXPECT_EQ(KIT_Int32ToText(-42, 5), "  -42");
    EXPECT_EQ(KIT_Int32ToText(1234567, -3), "1234567");
    EXPECT_EQ(KIT_UInt32ToText(4294967295u), "4294967295");
}

TEST(TextFormat, Doubles)
{
    EXPECT_EQ(KIT_DoubleToText(2.0), "2");
    EXPECT_EQ(KIT_DoubleToText(0.1), "0.1");
    EXPECT_EQ(KIT_DoubleToText(0.75), "0.75");
    EXPECT_EQ(KIT_DoubleToText(4.0 / 3.0), "1.33333");
    EXPECT_EQ(KIT_DoubleToText(1234567.0).rfind("1.23457e", 0), 0u);
    EXPECT_EQ(KIT_DoubleToText(0.0001), "0.0001");
    EXPECT_EQ(KIT_DoubleToText(0.00001).rfind("1e", 0), 0u);
    EXPECT_EQ(KIT_DoubleToText(0.5, 4), " 0.5");
}

// Numbers are written as a stream in the classic locale writes them.
TEST(TextFormat, NumbersReadAsAStreamWritesThem)
{
    const auto streamed = [](auto value)
    {
        std::ostringstream stream;
        stream.imbue(std::locale::classic());
        stream << value;
        return stream.str();
    };
    std::mt19937_64 random(99);
    std::uniform_real_distribution<double> exponent(-30.0, 30.0);
    for (int n = 0; n < 20000; ++n)
    {
        const double value = (random() % 2 ? -1.0 : 1.0) * std::pow(10.0, exponent(random));
        ASSERT_EQ(KIT_DoubleToText(value), streamed(value));
        const auto nValue = static_cast<std::int64_t>(random());
        ASSERT_EQ(KIT_Int64ToText(nValue), streamed(static_cast<long long>(nValue)));
        ASSERT_EQ(KIT_Int32ToText(static_cast<std::int32_t>(nValue)),
                  streamed(static_cast<std::int32_t>(nValue)));
    }
    for (const double value : {0.0, -0.0, 1e300, 5e-324, 0.1 + 0.2, 999999.5, 9999995.0,
                               std::numeric_limits<double>::infinity()})
        EXPECT_EQ(KIT_DoubleToText(value), streamed(value)) << value;
}

TEST(TextFormat, EachFunctionOwnsOneResult)
{
    const std::string& first = KIT_Int32ToText(1);
    EXPECT_EQ(first, "1");
    KIT_Int32ToText(2);
    EXPECT_EQ(first, "2");
    const std::string& padded = KIT_PaddedText("a", 3);
    EXPECT_EQ(padded, "  a");
    EXPECT_EQ(first, "2");
}

TEST(TextFormat, FileNameOfPath)
{
    std::string path = "pics/a\\b.png";
    KIT_FileNameOfPath(path);
    EXPECT_EQ(path, "b.png");
    path = "photo.png";
    KIT_FileNameOfPath(path);
    EXPECT_EQ(path, "photo.png");
    path = "dir/";
    KIT_FileNameOfPath(path);
    EXPECT_EQ(path, "");
    path = "D:\\work/x\\family.xml";
    KIT_FileNameOfPath(path);
    EXPECT_EQ(path, "family.xml");
}

TEST(TextFormat, SixteenBitConversions)
{
    const std::string bytes = std::string("A\xE9\x01z", 4);
    const std::u16string wide = KIT_TextToU16(bytes);
    ASSERT_EQ(wide.size(), 4u);
    EXPECT_EQ(wide[1], u'\u00E9');
    EXPECT_EQ(KIT_U16ToText(wide), bytes);
    EXPECT_EQ(KIT_U16ToText(u"\u0141x"), std::string("\x41x"));
    EXPECT_EQ(KIT_U16ToPaddedText(u"ab", -4), "ab  ");
}

TEST(SafeObjectRegistry, StaysInertAndWritesNoLog)
{
    const KIT_SafeObjectRegistry& registry = KIT_SafeObjectRegistry::Instance();
    EXPECT_EQ(registry.state, 0);
    EXPECT_TRUE(registry.objects.empty());
    EXPECT_EQ(registry.logFileName, "log_KIT_SafeObject_debugger.txt");
    std::FILE* pLog = std::fopen("log_KIT_SafeObject_debugger.txt", "r");
    EXPECT_EQ(pLog, nullptr);
    if (pLog)
        std::fclose(pLog);
}

TEST(SafeObject, IsOnePointerWide)
{
    EXPECT_EQ(sizeof(KIT_SafeObject), 2 * sizeof(void*)); // vtable + name
}
