#include "KIN_ColorTable.h"
#include "KIN_ComboColors.h"
#include "KIN_ComboDates.h"
#include "KIT_QtText.h"

#include <gtest/gtest.h>

namespace
{
TEST(ColorChooserFrenchTest, ShowsTheFrenchColourNames)
{
    KIN_ComboColors combo;
    ASSERT_EQ(combo.count(), 19);
    EXPECT_EQ(combo.itemText(0), KIT_ToQString("noir"));
    EXPECT_EQ(combo.itemText(2), KIT_ToQString("gris sombre"));
    EXPECT_EQ(combo.itemText(4), KIT_ToQString("gris leger"));
    EXPECT_EQ(combo.itemText(18), KIT_ToQString("orange sombre"));
    EXPECT_EQ(KIN_ColorNames().front(), "noir");
    EXPECT_EQ(KIN_ColorNames().back(), "orange sombre");
}

TEST(ColorChooserFrenchTest, ValuesAndDatesDoNotDependOnTheLanguage)
{
    EXPECT_EQ(KIN_ColorValues()[18], QColor(200, 100, 0));
    KIN_ComboDates dates;
    ASSERT_EQ(dates.count(), 41);
    EXPECT_EQ(dates.itemText(0), KIT_ToQString("-100G"));
    EXPECT_EQ(dates.itemText(40), KIT_ToQString("2200"));
}
} // namespace
