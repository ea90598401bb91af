#include "KIN_DataPeriod.h"
#include "KIN_WidgetDetails.h"
#include "KIT_QT_Label0.h"

#include <gtest/gtest.h>

// An uncertain year reads "about" before it; a certain one is the year alone.
TEST(DetailsPanel, SaysAboutBeforeAnUncertainYear)
{
    const struct
    {
        std::int64_t nBegin;
        bool bBegin;
        std::int64_t nEnd;
        bool bEnd;
        const char* pBegin;
        const char* pEnd;
    } cases[] = {
        {1850, false, 1920, false, "1850", "1920"},
        {1850, true, 1920, false, "about 1850", "1920"},
        {1850, false, 1920, true, "1850", "about 1920"},
        {-2500000, true, 2200, true, "about -2.5M", "about 2200"},
    };
    KIN_WidgetDetails details;
    for (const auto& c : cases)
    {
        KIN_DataPeriod period;
        period.begin = c.nBegin;
        period.end = c.nEnd;
        period.uncertainBegin = c.bBegin;
        period.uncertainEnd = c.bEnd;
        details.ShowPeriod(period);
        EXPECT_EQ(details.GetBeginLabel()->text(), QString::fromUtf8(c.pBegin));
        EXPECT_EQ(details.GetEndLabel()->text(), QString::fromUtf8(c.pEnd));
    }
}
