#include "KIN_DocumentSession.h"
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_QtPrint.h"
#include "KIN_TestFolder.h"
#include "KIN_ViewPeriods.h"
#include "KIN_ViewYears.h"

#include <QScrollBar>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
class Ruler : public ::testing::Test
{
protected:
    void SetUp() override
    {
        window.resize(1000, 900);
        window.show();
        window.GetSession()->GetDocument()->SetLimits(0, 40, 10, false);
        window.RefreshAll();
    }

    void ShowYear(double year)
    {
        window.GetView()->centerOn(500, 5 * year);
        window.GetRuler()->RefreshRuler();
    }

    const KIN_ViewYears::Label* FindLabel(const char* pText) const
    {
        const auto& labels = window.GetRuler()->GetLabels();
        const auto found =
            std::find_if(labels.begin(), labels.end(),
                         [&](const auto& label) { return label.text == QString::fromUtf8(pText); });
        return found == labels.end() ? nullptr : &*found;
    }

    int StyleOf(const char* pText) const
    {
        const KIN_ViewYears::Label* pLabel = FindLabel(pText);
        return pLabel ? pLabel->nStyle : -1;
    }

    KIN_TestFolder folder;
    KIN_MainWindow window;
};
} // namespace

TEST(TickText, PlainYearsAndSuffixedSizes)
{
    EXPECT_EQ(KIN_TickText(1950), "1950");
    EXPECT_EQ(KIN_TickText(-999), "-999");
    EXPECT_EQ(KIN_TickText(-100000 + 10), "90K");
    EXPECT_EQ(KIN_TickText(-100000 + 80), "20K");
    EXPECT_EQ(KIN_TickText(-10000 + 1), "9.9K");
    EXPECT_EQ(KIN_TickText(-10000000 + 50), "5M");
    EXPECT_EQ(KIN_TickText(-100000000000 + 30), "70G");
}

TEST_F(Ruler, ZoomOneShowsHalvesTenthsAndTwentieths)
{
    ShowYear(1950);
    ASSERT_NE(FindLabel("1900"), nullptr);
    ASSERT_NE(FindLabel("2000"), nullptr);
    EXPECT_EQ(StyleOf("1900"), KIN_ViewYears::S1);
    EXPECT_EQ(StyleOf("2000"), KIN_ViewYears::S1);
    EXPECT_EQ(StyleOf("1950"), KIN_ViewYears::S2);
    for (const char* pTenth : {"1910", "1920", "1930", "1940", "1960", "1970", "1980", "1990"})
        EXPECT_EQ(StyleOf(pTenth), KIN_ViewYears::S3) << pTenth;
    EXPECT_EQ(FindLabel("1905"), nullptr); // twentieths carry no label
    EXPECT_FALSE(window.GetRuler()->GetTicks(KIN_ViewYears::S4).empty());
    // The half tick lies midway between the century ticks, 500 px apart at zoom 1.
    const int nStep = FindLabel("2000")->y - FindLabel("1900")->y;
    EXPECT_EQ(nStep, 500);
    EXPECT_EQ(FindLabel("1950")->y - 10, FindLabel("1900")->y - 28 + 250);
    // Ticks stand right-aligned against the view.
    for (const QLine& tick : window.GetRuler()->GetTicks(KIN_ViewYears::S3))
        EXPECT_EQ(tick.x2(), 100);
}

TEST_F(Ruler, ZoomOneThirtySecondShowsOnlySteps)
{
    for (int n = 0; n < 5; ++n)
        window.SlotMenu_ZoomOut_triggered(false);
    ShowYear(1000);
    EXPECT_EQ(StyleOf("1000"), KIN_ViewYears::S2); // a marked step
    EXPECT_EQ(StyleOf("1100"), KIN_ViewYears::S3);
    EXPECT_EQ(FindLabel("1050"), nullptr);
    EXPECT_TRUE(window.GetRuler()->GetTicks(KIN_ViewYears::S4).empty());
    EXPECT_TRUE(window.GetRuler()->GetTicks(KIN_ViewYears::S1).empty());
}

TEST_F(Ruler, ZoomThirtyTwoShowsEveryYear)
{
    for (int n = 0; n < 5; ++n)
        window.SlotMenu_ZoomIn_triggered(false);
    ShowYear(1953.5);
    EXPECT_EQ(StyleOf("1953"), KIN_ViewYears::S2);
    EXPECT_EQ(StyleOf("1954"), KIN_ViewYears::S2);
    EXPECT_EQ(StyleOf("1955"), KIN_ViewYears::S1);
    EXPECT_EQ(StyleOf("1950"), KIN_ViewYears::S1);
}

TEST_F(Ruler, CompressedStepsHaveNineTenths)
{
    for (int n = 0; n < 2; ++n)
        window.SlotMenu_ZoomOut_triggered(false);
    ShowYear(-1100); // between the steps -10K and -1K
    EXPECT_NE(FindLabel("-10K"), nullptr);
    EXPECT_NE(FindLabel("-1K"), nullptr);
    EXPECT_EQ(FindLabel("-10K")->nStyle, KIN_ViewYears::S1);
}

TEST_F(Ruler, FollowsScrolling)
{
    ShowYear(1950);
    const int nBefore = FindLabel("1900")->y;
    window.GetView()->verticalScrollBar()->setValue(window.GetView()->verticalScrollBar()->value() +
                                                    100);
    ASSERT_NE(FindLabel("1900"), nullptr);
    EXPECT_EQ(FindLabel("1900")->y, nBefore - 100);
}
