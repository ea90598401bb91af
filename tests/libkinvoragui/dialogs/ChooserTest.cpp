#include "KIN_ColorTable.h"
#include "KIN_ComboColors.h"
#include "KIN_ComboDates.h"
#include "KIN_DateScale.h"
#include "KIT_QtText.h"

#include <QBrush>
#include <QIcon>
#include <QImage>
#include <QPen>
#include <QPixmap>
#include <QSignalSpy>
#include <QWidget>

#include <gtest/gtest.h>

namespace
{
QString Text(const char* pText)
{
    return KIT_ToQString(pText);
}

TEST(ColorTableTest, NineteenColoursWithTheirValues)
{
    const std::vector<QColor>& values = KIN_ColorValues();
    ASSERT_EQ(values.size(), 19u);
    EXPECT_EQ(values[0], QColor(Qt::black));
    EXPECT_EQ(values[4], QColor(Qt::lightGray));
    EXPECT_EQ(values[11], QColor(255, 150, 0));
    EXPECT_EQ(values[12], QColor(Qt::darkRed));
    EXPECT_EQ(values[14], QColor(Qt::darkBlue));
    EXPECT_EQ(values[17], QColor(Qt::darkYellow));
    EXPECT_EQ(values[18], QColor(200, 100, 0));
    EXPECT_EQ(values[18].alpha(), 255);
    EXPECT_EQ(KIN_ColorNames().size(), 19u);
    EXPECT_EQ(KIN_ColorIcons().size(), 19u);
}

TEST(ColorTableTest, IndexesOutsideTheTableTakeTheRoleDefault)
{
    EXPECT_EQ(KIN_ColorIndexOrDefault(-1, KIN_ColorRole::Border), 12);
    EXPECT_EQ(KIN_ColorIndexOrDefault(19, KIN_ColorRole::Background), 4);
    EXPECT_EQ(KIN_ColorIndexOrDefault(-1, KIN_ColorRole::Text), 14);
    EXPECT_EQ(KIN_ColorIndexOrDefault(0, KIN_ColorRole::Border), 0);
    EXPECT_EQ(KIN_ColorIndexOrDefault(18, KIN_ColorRole::Text), 18);
    EXPECT_EQ(KIN_ColorOfIndex(99, KIN_ColorRole::Border), QColor(Qt::darkRed));
    EXPECT_EQ(KIN_ColorOfIndex(-1, KIN_ColorRole::Background), QColor(Qt::lightGray));
    EXPECT_EQ(KIN_ColorOfIndex(7, KIN_ColorRole::Text), QColor(Qt::blue));
}

TEST(ColorTableTest, PensAndBrushesOfTheTableAreSharedAndKeepTheirLook)
{
    const QPen pen = KIN_PenOfIndex(5, KIN_ColorRole::Border, 3);
    EXPECT_EQ(pen.color(), QColor(Qt::red));
    EXPECT_EQ(pen.width(), 3);
    EXPECT_EQ(pen.style(), Qt::SolidLine);
    EXPECT_EQ(pen, QPen(QColor(Qt::red), 3));
    EXPECT_EQ(KIN_PenOfIndex(-1, KIN_ColorRole::Border, 0), QPen(QBrush(Qt::darkRed), 0));
    EXPECT_EQ(KIN_PenOfIndex(7, KIN_ColorRole::Text, 12), QPen(QColor(Qt::blue), 12));
    EXPECT_EQ(KIN_BrushOfIndex(99, KIN_ColorRole::Background), QBrush(Qt::lightGray));
    EXPECT_EQ(KIN_BrushOfIndex(18, KIN_ColorRole::Background).style(), Qt::SolidPattern);

    // A second pen of one colour and width holds no copy of its own, and changing one that
    // was handed out leaves the next ones as they were.
    QPen first = KIN_PenOfIndex(5, KIN_ColorRole::Border, 3);
    EXPECT_FALSE(first.isDetached());
    first.setWidth(9);
    first.setColor(Qt::green);
    EXPECT_EQ(KIN_PenOfIndex(5, KIN_ColorRole::Border, 3), pen);
    QBrush brush = KIN_BrushOfIndex(2, KIN_ColorRole::Background);
    brush.setColor(Qt::yellow);
    EXPECT_EQ(KIN_BrushOfIndex(2, KIN_ColorRole::Background).color(), QColor(Qt::darkGray));
}

TEST(ComboColorsTest, ListsTheNineteenNamedColoursWithSwatches)
{
    KIN_ComboColors combo;
    EXPECT_STREQ(combo.GetSafeObjectName(), "KIN_ComboColors");
    ASSERT_EQ(combo.count(), 19);
    EXPECT_EQ(combo.itemText(0), Text("black"));
    EXPECT_EQ(combo.itemText(11), Text("orange"));
    EXPECT_EQ(combo.itemText(18), Text("darkOrange"));
    for (int i = 0; i < combo.count(); ++i)
    {
        const QIcon icon = combo.itemIcon(i);
        ASSERT_EQ(icon.availableSizes(), QList<QSize>{QSize(30, 20)}) << "item " << i;
        const QImage swatch = icon.pixmap(QSize(30, 20)).toImage();
        EXPECT_EQ(swatch.pixelColor(0, 0), KIN_ColorValues()[static_cast<std::size_t>(i)])
            << "item " << i;
        EXPECT_EQ(swatch.pixelColor(29, 19), KIN_ColorValues()[static_cast<std::size_t>(i)])
            << "item " << i;
        EXPECT_FALSE(combo.itemData(i).isValid()) << "item " << i;
    }
}

TEST(ComboColorsTest, CurrentIndexIsTheColourIndex)
{
    QWidget parent;
    auto* pCombo = new KIN_ComboColors(&parent);
    EXPECT_EQ(pCombo->parentWidget(), &parent);
    EXPECT_EQ(pCombo->currentIndex(), 0);
    QSignalSpy changes(pCombo, &QComboBox::currentIndexChanged);
    pCombo->setCurrentIndex(14);
    EXPECT_EQ(pCombo->currentIndex(), 14);
    EXPECT_EQ(pCombo->currentText(), Text("darkBlue"));
    EXPECT_EQ(changes.count(), 1);
    pCombo->setCurrentIndex(-1);
    EXPECT_EQ(pCombo->currentIndex(), -1);
}

TEST(ComboColorsTest, AnswersTheSafeObjectCast)
{
    KIN_ComboColors combo;
    void* pCast = combo.qt_metacast("KIT_SafeObject");
    EXPECT_EQ(pCast, static_cast<void*>(static_cast<KIT_SafeObject*>(&combo)));
}

TEST(ComboDatesTest, ListsTheFortyOneSteps)
{
    KIN_ComboDates combo;
    EXPECT_STREQ(combo.GetSafeObjectName(), "KIN_ComboDates");
    EXPECT_FALSE(combo.isEditable());
    ASSERT_EQ(combo.count(), 41);
    EXPECT_EQ(combo.itemText(0), Text("-100G"));
    EXPECT_EQ(combo.itemText(8), Text("-1K"));
    EXPECT_EQ(combo.itemText(9), Text("-900"));
    EXPECT_EQ(combo.itemText(18), Text("0"));
    EXPECT_EQ(combo.itemText(40), Text("2200"));
    for (int i = 0; i < combo.count(); ++i)
    {
        EXPECT_TRUE(combo.itemIcon(i).isNull()) << "item " << i;
        EXPECT_FALSE(combo.itemData(i).isValid()) << "item " << i;
    }
}

TEST(ComboDatesTest, CurrentIndexIsTheScaleStep)
{
    KIN_ComboDates combo;
    combo.setCurrentIndex(39);
    EXPECT_EQ(combo.currentIndex(), 39);
    EXPECT_EQ(KIT_ToBytes(combo.currentText()), KIN_ScaleTexts()[39]);
    EXPECT_EQ(KIN_TextToDate(KIT_ToBytes(combo.currentText())), 2100);
    combo.setCurrentIndex(0);
    EXPECT_EQ(KIN_TextToDate(KIT_ToBytes(combo.currentText())), -100000000000LL);
}
} // namespace
