#include "KIN_ComboDates.h"
#include "KIN_DialogDriver.h"
#include "KIN_DlgDiagramLimits.h"
#include "KIN_DlgDiagramShift.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <cstdint>

namespace
{
QString S(const char* pText)
{
    return QString::fromUtf8(pText);
}

struct Limits
{
    std::int32_t nBegin;
    std::int32_t nEnd;
    std::int32_t nWidth;
};

bool operator==(const Limits& a, const Limits& b)
{
    return a.nBegin == b.nBegin && a.nEnd == b.nEnd && a.nWidth == b.nWidth;
}

std::ostream& operator<<(std::ostream& out, const Limits& limits)
{
    return out << limits.nBegin << ", " << limits.nEnd << ", " << limits.nWidth;
}

bool RunLimits(KIN_DlgDiagramLimits& dialog, const char* pTitle, Limits& limits)
{
    return dialog.Run(pTitle, limits.nBegin, limits.nEnd, limits.nWidth);
}

QComboBox* BeginChooser(const QDialog& dialog)
{
    return KIN_CellOf<KIN_ComboDates>(dialog, 0, 1);
}

QComboBox* EndChooser(const QDialog& dialog)
{
    return KIN_CellOf<KIN_ComboDates>(dialog, 1, 1);
}

QLineEdit* WidthField(const QDialog& dialog)
{
    return KIN_CellOf<QLineEdit>(dialog, 2, 1);
}

// Label cells are left-aligned, field cells carry no alignment.
void ExpectAlignments(const QDialog& dialog, int nRows)
{
    QGridLayout* pQGrid = KIN_GridOf(dialog);
    for (int nRow = 0; nRow < nRows; ++nRow)
    {
        EXPECT_EQ(pQGrid->itemAtPosition(nRow, 0)->alignment(), Qt::AlignLeft) << nRow;
        EXPECT_EQ(pQGrid->itemAtPosition(nRow, 1)->alignment(), Qt::Alignment()) << nRow;
    }
    EXPECT_EQ(pQGrid->itemAtPosition(nRows - 1, 2)->alignment(), Qt::AlignLeft);
}
} // namespace

TEST(DlgDiagramLimits, GridHoldsTwoDateChoosersAndTheWidth)
{
    KIN_DlgDiagramLimits dialog(nullptr);
    EXPECT_STREQ(dialog.GetSafeObjectName(), "KIN_DlgDiagramLimits");
    ASSERT_NE(KIN_GridOf(dialog), nullptr);
    EXPECT_EQ(KIN_GridOf(dialog)->rowCount(), 3);
    EXPECT_EQ(KIN_GridOf(dialog)->columnCount(), 3);
    EXPECT_EQ(KIN_LabelAt(dialog, 0, 0), S("Date to begin:"));
    EXPECT_EQ(KIN_LabelAt(dialog, 1, 0), S("Date to end:"));
    EXPECT_EQ(KIN_LabelAt(dialog, 2, 0), S("Width:"));
    EXPECT_EQ(KIN_LabelAt(dialog, 2, 2), S("columns"));
    ASSERT_NE(BeginChooser(dialog), nullptr);
    ASSERT_NE(EndChooser(dialog), nullptr);
    ASSERT_NE(WidthField(dialog), nullptr);
    EXPECT_NE(BeginChooser(dialog), EndChooser(dialog));
    EXPECT_EQ(KIN_GridOf(dialog)->itemAtPosition(0, 2), nullptr);
    EXPECT_EQ(KIN_GridOf(dialog)->itemAtPosition(1, 2), nullptr);
    ExpectAlignments(dialog, 3);
    EXPECT_TRUE(dialog.windowTitle().isEmpty());
}

TEST(DlgDiagramLimits, ShowsTheValuesUnderTheGivenTitle)
{
    KIN_DlgDiagramLimits dialog(nullptr);
    Limits limits{18, 40, 12};
    QString shownTitle, shownBegin, shownEnd, shownWidth;
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     shownTitle = dialog.windowTitle();
                     shownBegin = BeginChooser(dialog)->currentText();
                     shownEnd = EndChooser(dialog)->currentText();
                     shownWidth = WidthField(dialog)->text();
                     KIN_PressKey(Qt::Key_Return);
                 });
    EXPECT_TRUE(RunLimits(dialog, "Change the diagram settings", limits));
    EXPECT_EQ(shownTitle, S("Change the diagram settings"));
    EXPECT_EQ(shownBegin, S("0"));
    EXPECT_EQ(shownEnd, S("2200"));
    EXPECT_EQ(shownWidth, S("12"));
    EXPECT_EQ(limits, (Limits{18, 40, 12}));

    KIN_WhenOpen(dialog,
                 [&]
                 {
                     shownTitle = dialog.windowTitle();
                     KIN_PressKey(Qt::Key_Escape);
                 });
    EXPECT_FALSE(RunLimits(dialog, "Create a new diagram", limits));
    EXPECT_EQ(shownTitle, S("Create a new diagram"));
}

TEST(DlgDiagramLimits, OkHandsBackTheChosenStepsAndTypedWidth)
{
    KIN_DlgDiagramLimits dialog(nullptr);
    Limits limits{0, 40, 10};
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     QTest::keyClick(BeginChooser(dialog), Qt::Key_Down);
                     QTest::keyClick(BeginChooser(dialog), Qt::Key_Down);
                     QTest::keyClick(EndChooser(dialog), Qt::Key_Up);
                     KIN_TypeInto(WidthField(dialog), QStringLiteral("-3"));
                     QTest::mouseClick(KIN_ButtonOf(dialog, S("OK")), Qt::LeftButton);
                 });
    EXPECT_TRUE(RunLimits(dialog, "t", limits));
    EXPECT_EQ(limits, (Limits{2, 39, -3}));
}

TEST(DlgDiagramLimits, LettersInTheWidthGiveZero)
{
    KIN_DlgDiagramLimits dialog(nullptr);
    for (const char* pTyped : {"abc", "12abc", ""})
    {
        Limits limits{5, 30, 14};
        KIN_WhenOpen(dialog,
                     [&]
                     {
                         KIN_TypeInto(WidthField(dialog), S(pTyped));
                         KIN_PressKey(Qt::Key_Return);
                     });
        EXPECT_TRUE(RunLimits(dialog, "t", limits));
        EXPECT_EQ(limits, (Limits{5, 30, 0})) << pTyped;
    }
}

TEST(DlgDiagramLimits, CancelEscapeAndCloseLeaveTheValues)
{
    KIN_DlgDiagramLimits dialog(nullptr);
    const std::function<void()> endings[] = {
        [] { KIN_PressKey(Qt::Key_Escape); },
        [&] { QTest::mousePress(KIN_ButtonOf(dialog, S("Cancel")), Qt::LeftButton); },
        [&] { dialog.close(); },
    };
    for (const std::function<void()>& ending : endings)
    {
        Limits limits{7, 33, 15};
        KIN_WhenOpen(dialog,
                     [&]
                     {
                         BeginChooser(dialog)->setCurrentIndex(1);
                         EndChooser(dialog)->setCurrentIndex(2);
                         KIN_TypeInto(WidthField(dialog), QStringLiteral("99"));
                         ending();
                     });
        EXPECT_FALSE(RunLimits(dialog, "t", limits));
        EXPECT_EQ(limits, (Limits{7, 33, 15}));
    }
}

TEST(DlgDiagramLimits, EachRunShowsTheCallersValues)
{
    KIN_DlgDiagramLimits dialog(nullptr);
    Limits limits{3, 20, 11};
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     BeginChooser(dialog)->setCurrentIndex(9);
                     KIN_TypeInto(WidthField(dialog), QStringLiteral("50"));
                     KIN_PressKey(Qt::Key_Escape);
                 });
    EXPECT_FALSE(RunLimits(dialog, "t", limits));
    KIN_WhenOpen(dialog, [&] { KIN_PressKey(Qt::Key_Return); });
    EXPECT_TRUE(RunLimits(dialog, "t", limits));
    EXPECT_EQ(limits, (Limits{3, 20, 11}));
}

TEST(DlgDiagramShift, GridHoldsTheRangeAndTheShift)
{
    KIN_DlgDiagramShift dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), S("Shift"));
    ASSERT_NE(KIN_GridOf(dialog), nullptr);
    EXPECT_EQ(KIN_GridOf(dialog)->rowCount(), 3);
    EXPECT_EQ(KIN_GridOf(dialog)->columnCount(), 3);
    EXPECT_EQ(KIN_LabelAt(dialog, 0, 0), S("From column:"));
    EXPECT_EQ(KIN_LabelAt(dialog, 1, 0), S("To column:"));
    EXPECT_EQ(KIN_LabelAt(dialog, 2, 0), S("Shift:"));
    EXPECT_EQ(KIN_LabelAt(dialog, 2, 2), S("columns"));
    for (int nRow = 0; nRow < 3; ++nRow)
        EXPECT_NE(KIN_CellOf<QLineEdit>(dialog, nRow, 1), nullptr) << nRow;
    EXPECT_EQ(KIN_GridOf(dialog)->itemAtPosition(0, 2), nullptr);
    EXPECT_EQ(KIN_GridOf(dialog)->itemAtPosition(1, 2), nullptr);
    ExpectAlignments(dialog, 3);
}

TEST(DlgDiagramShift, OpensAtZeroAfterEarlierRuns)
{
    KIN_DlgDiagramShift dialog(nullptr);
    std::int32_t nFirst = 0, nLast = 0, nShift = 0;
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, 0, 1), QStringLiteral("4"));
                     KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, 1, 1), QStringLiteral("8"));
                     KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, 2, 1), QStringLiteral("3"));
                     KIN_PressKey(Qt::Key_Return);
                 });
    ASSERT_TRUE(dialog.Run(nFirst, nLast, nShift));
    EXPECT_EQ(nFirst, 4);
    EXPECT_EQ(nLast, 8);
    EXPECT_EQ(nShift, 3);

    for (const Qt::Key ending : {Qt::Key_Escape, Qt::Key_Return})
    {
        std::int32_t nNextFirst = 0, nNextLast = 0, nNextShift = 0;
        QStringList shown;
        KIN_WhenOpen(dialog,
                     [&]
                     {
                         for (int nRow = 0; nRow < 3; ++nRow)
                             shown << KIN_CellOf<QLineEdit>(dialog, nRow, 1)->text();
                         KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, 2, 1), QStringLiteral("5"));
                         KIN_PressKey(ending);
                     });
        dialog.Run(nNextFirst, nNextLast, nNextShift);
        EXPECT_EQ(shown, (QStringList{S("0"), S("0"), S("0")}));
    }
}

TEST(DlgDiagramShift, LettersGiveZeroAndSignsAreKept)
{
    KIN_DlgDiagramShift dialog(nullptr);
    std::int32_t nFirst = 1, nLast = 2, nShift = 3;
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, 0, 1), QStringLiteral("x"));
                     KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, 1, 1), QStringLiteral("-7"));
                     KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, 2, 1), QStringLiteral("2,5"));
                     KIN_PressKey(Qt::Key_Return);
                 });
    EXPECT_TRUE(dialog.Run(nFirst, nLast, nShift));
    EXPECT_EQ(nFirst, 0);
    EXPECT_EQ(nLast, -7);
    EXPECT_EQ(nShift, 0);
}
