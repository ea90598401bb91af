#include "KIN_DateLimits.h"
#include "KIN_DateScale.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

namespace
{
TEST(DateScaleTest, ListsHoldFortyOneSteps)
{
    EXPECT_EQ(KIN_ScaleTexts().size(), 41u);
    EXPECT_EQ(KIN_ScaleYears().size(), 41u);
    EXPECT_EQ(KIN_ScalePositions().size(), 41u);
    EXPECT_EQ(KIN_ScaleMarks().size(), 41u);
}

TEST(DateScaleTest, TextsAreSuffixedThenDecimal)
{
    const std::vector<std::string>& texts = KIN_ScaleTexts();
    const std::vector<std::string> suffixed = {"-100G", "-10G",  "-1G",  "-100M", "-10M",
                                               "-1M",   "-100K", "-10K", "-1K"};
    EXPECT_EQ(std::vector<std::string>(texts.begin(), texts.begin() + 9), suffixed);
    EXPECT_EQ(texts[9], "-900");
    EXPECT_EQ(texts[18], "0");
    EXPECT_EQ(texts[19], "100");
    EXPECT_EQ(texts[40], "2200");
}

TEST(DateScaleTest, YearsArePowersOfTenThenHundreds)
{
    const std::vector<std::int64_t>& years = KIN_ScaleYears();
    EXPECT_EQ(years[0], -100000000000LL);
    EXPECT_EQ(years[1], -10000000000LL);
    EXPECT_EQ(years[5], -1000000);
    EXPECT_EQ(years[7], -10000);
    EXPECT_EQ(years[8], -1000);
    EXPECT_EQ(years[9], -900);
    EXPECT_EQ(years[18], 0);
    EXPECT_EQ(years[40], 2200);
    for (std::size_t i = 9; i < years.size(); ++i)
        EXPECT_EQ(years[i] - years[i - 1], 100) << "step " << i;
}

TEST(DateScaleTest, SpansTheDocumentsLimits)
{
    const std::vector<std::int64_t>& years = KIN_ScaleYears();
    ASSERT_EQ(years.size(), KIN_DateLimits::kStepCount);
    EXPECT_EQ(years.front(), KIN_DateLimits::kFirstBeginYear);
    EXPECT_EQ(years[KIN_DateLimits::kLastBeginStep], KIN_DateLimits::kLastBeginYear - 99);
    EXPECT_EQ(years[KIN_DateLimits::kLastEndStep], KIN_DateLimits::kLastEndYear);
}

TEST(DateScaleTest, PositionsAreLinearFromMinusThousand)
{
    const std::vector<std::int32_t>& positions = KIN_ScalePositions();
    EXPECT_EQ(positions[0], -1720);
    EXPECT_EQ(positions[7], -1090);
    EXPECT_EQ(positions[8], -1000);
    EXPECT_EQ(positions[9], -900);
    EXPECT_EQ(positions[40], 2200);
    for (std::size_t i = 8; i < positions.size(); ++i)
        EXPECT_EQ(positions[i], KIN_ScaleYears()[i]) << "step " << i;
}

TEST(DateScaleTest, MarksEmphasiseTheRoundSteps)
{
    std::vector<std::size_t> marked;
    for (std::size_t i = 0; i < KIN_ScaleMarks().size(); ++i)
    {
        EXPECT_LE(KIN_ScaleMarks()[i], 1) << "step " << i;
        if (KIN_ScaleMarks()[i])
            marked.push_back(i);
    }
    EXPECT_EQ(marked, (std::vector<std::size_t>{2, 5, 8, 18, 28, 38}));
}

TEST(DateScaleTest, YearToPositionOnTheScale)
{
    EXPECT_EQ(KIN_YearToPosition(1850), 1850);
    EXPECT_EQ(KIN_YearToPosition(2500), 2500); // not clamped after 2200
    EXPECT_EQ(KIN_YearToPosition(-1000), -1000);
    EXPECT_EQ(KIN_YearToPosition(-1001), -1000);
    EXPECT_EQ(KIN_YearToPosition(-5000), -1040);
    EXPECT_EQ(KIN_YearToPosition(-10000), -1090);
    EXPECT_EQ(KIN_YearToPosition(-1000000), -1270);
    EXPECT_EQ(KIN_YearToPosition(-100000000000LL), -1720);
    EXPECT_EQ(KIN_YearToPosition(-100000000001LL), 0);
    EXPECT_EQ(KIN_YearToPosition(std::numeric_limits<std::int64_t>::min()), 0);
}

TEST(DateScaleTest, YearToPositionMatchesEveryStep)
{
    for (std::size_t i = 0; i < KIN_ScaleYears().size(); ++i)
        EXPECT_EQ(KIN_YearToPosition(KIN_ScaleYears()[i]), KIN_ScalePositions()[i]) << "step " << i;
}

TEST(DateScaleTest, YearToPositionNeverDecreases)
{
    std::int32_t nPrevious = KIN_YearToPosition(-1001);
    for (std::int64_t nYear = -1000; nYear <= 2200; ++nYear)
    {
        const std::int32_t nPosition = KIN_YearToPosition(nYear);
        ASSERT_GE(nPosition, nPrevious) << "year " << nYear;
        nPrevious = nPosition;
    }

    // Earlier years: a geometric spread plus the neighbours of every step.
    std::vector<std::int64_t> years;
    for (std::int64_t nYear = -100000000000LL; nYear < -1000; nYear = nYear * 9 / 10)
        years.push_back(nYear);
    for (const std::int64_t nStep : KIN_ScaleYears())
    {
        if (nStep <= -1000)
            years.insert(years.end(), {nStep - 1, nStep, nStep + 1});
    }
    std::sort(years.begin(), years.end());
    nPrevious = std::numeric_limits<std::int32_t>::min();
    for (const std::int64_t nYear : years)
    {
        if (nYear < -100000000000LL || nYear > -1000)
            continue; // before the scale there is no position; after it the linear part
        const std::int32_t nPosition = KIN_YearToPosition(nYear);
        ASSERT_GE(nPosition, nPrevious) << "year " << nYear;
        ASSERT_GE(nPosition, -1720) << "year " << nYear;
        ASSERT_LE(nPosition, -1000) << "year " << nYear;
        nPrevious = nPosition;
    }
}

TEST(DateScaleTest, YearToPositionSaturatesBeyondThirtyTwoBits)
{
    const std::int32_t nMax = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(KIN_YearToPosition(nMax), nMax);
    EXPECT_EQ(KIN_YearToPosition(static_cast<std::int64_t>(nMax) + 1), nMax);
    EXPECT_EQ(KIN_YearToPosition(std::numeric_limits<std::int64_t>::max()), nMax);
}

TEST(DateScaleTest, DateToText)
{
    EXPECT_EQ(KIN_DateToText(1850), "1850");
    EXPECT_EQ(KIN_DateToText(0), "0");
    EXPECT_EQ(KIN_DateToText(2200), "2200");
    EXPECT_EQ(KIN_DateToText(-999), "-999");
    EXPECT_EQ(KIN_DateToText(-1000), "-1K");
    EXPECT_EQ(KIN_DateToText(-1500), "-1.5K");
    EXPECT_EQ(KIN_DateToText(-999999), "-999.999K");
    EXPECT_EQ(KIN_DateToText(-1000000), "-1M");
    EXPECT_EQ(KIN_DateToText(-2500000), "-2.5M");
    EXPECT_EQ(KIN_DateToText(-123456789), "-123.457M");
    EXPECT_EQ(KIN_DateToText(-1000000000), "-1G");
    EXPECT_EQ(KIN_DateToText(-100000000000LL), "-100G");
}

TEST(DateScaleTest, DateToTextOfEveryStepIsItsText)
{
    for (std::size_t i = 0; i < KIN_ScaleYears().size(); ++i)
        EXPECT_EQ(KIN_DateToText(KIN_ScaleYears()[i]), KIN_ScaleTexts()[i]) << "step " << i;
}

TEST(DateScaleTest, TextToDate)
{
    EXPECT_EQ(KIN_TextToDate("-1K"), -1000);
    EXPECT_EQ(KIN_TextToDate("-2,5M"), -2500000);
    EXPECT_EQ(KIN_TextToDate("-2.5M"), -2500000);
    EXPECT_EQ(KIN_TextToDate("-1.5G"), -1500000000);
    EXPECT_EQ(KIN_TextToDate("1850"), 1850);
    EXPECT_EQ(KIN_TextToDate("  1850"), 1850);
    EXPECT_EQ(KIN_TextToDate("1850.7"), 1850);
    EXPECT_EQ(KIN_TextToDate("1850,7"), 1850);
    EXPECT_EQ(KIN_TextToDate("-3k"), -3);
    EXPECT_EQ(KIN_TextToDate("-123.457M"), -123457000);
}

TEST(DateScaleTest, TextToDateFallbacks)
{
    EXPECT_EQ(KIN_TextToDate(""), 1);
    EXPECT_EQ(KIN_TextToDate("x"), -32768);
    EXPECT_EQ(KIN_TextToDate("abc"), -32768);
    EXPECT_EQ(KIN_TextToDate("-"), -32768);
    EXPECT_EQ(KIN_TextToDate("K"), -32768000);
    EXPECT_EQ(KIN_TextToDate("xM"), -32768000000LL);
    EXPECT_EQ(KIN_TextToDate("0"), 0);
    EXPECT_EQ(KIN_TextToDate("0K"), 0);
}

TEST(DateScaleTest, TextToDateSaturatesHugeNumbers)
{
    const std::int64_t nMax = std::numeric_limits<std::int64_t>::max();
    const std::int64_t nMin = std::numeric_limits<std::int64_t>::min();
    EXPECT_EQ(KIN_TextToDate("-99999999999999999999"), nMin);
    EXPECT_EQ(KIN_TextToDate("99999999999999999999"), nMax);
    EXPECT_EQ(KIN_TextToDate("-1e300G"), nMin);
    EXPECT_EQ(KIN_TextToDate("1e999K"), nMax);
}

TEST(DateScaleTest, TextsOfTheScaleReadBackAsTheirYears)
{
    for (std::size_t i = 0; i < KIN_ScaleTexts().size(); ++i)
        EXPECT_EQ(KIN_TextToDate(KIN_ScaleTexts()[i]), KIN_ScaleYears()[i]) << "step " << i;
}
} // namespace
