#include "KIN_ComboColors.h"
#include "KIN_DataPeriod.h"
#include "KIN_DialogDriver.h"
#include "KIN_DlgPeriodLimits.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTextEdit>

#include <gtest/gtest.h>

// Readable failure messages for records.
static void PrintTo(const KIN_DataPeriod& period, std::ostream* pOut)
{
    *pOut << "{id " << period.id << ", \"" << period.title << "\", \"" << period.details << "\", "
          << period.begin << " to " << period.end << ", column " << period.column << ", width "
          << period.width << ", colours " << period.colorBorder << "/" << period.colorBackground
          << "/" << period.colorText << ", uncertain " << period.uncertainBegin << "/"
          << period.uncertainEnd << "}";
}

namespace
{
QString S(const char* pText)
{
    return QString::fromUtf8(pText);
}

QLineEdit* Field(const QDialog& dialog, int nRow)
{
    return KIN_CellOf<QLineEdit>(dialog, nRow, 1);
}

QLineEdit* BeginField(const QDialog& dialog)
{
    return Field(dialog, 0);
}

QLineEdit* EndField(const QDialog& dialog)
{
    return Field(dialog, 1);
}

// The "Uncertain" box beside the begin (row 0) or the end (row 1).
QCheckBox* UncertainBox(const QDialog& dialog, int nRow)
{
    return KIN_CellOf<QCheckBox>(dialog, nRow, 3);
}

QTextEdit* TitleEditor(const QDialog& dialog)
{
    return KIN_CellOf<QTextEdit>(dialog, 5, 0);
}

QTextEdit* DetailsEditor(const QDialog& dialog)
{
    return KIN_CellOf<QTextEdit>(dialog, 7, 0);
}

QComboBox* Chooser(const QDialog& dialog, int nRow)
{
    return KIN_CellOf<KIN_ComboColors>(dialog, nRow, 1);
}

QComboBox* BorderChooser(const QDialog& dialog)
{
    return Chooser(dialog, 9);
}

QComboBox* BackgroundChooser(const QDialog& dialog)
{
    return Chooser(dialog, 10);
}

QComboBox* TextChooser(const QDialog& dialog)
{
    return Chooser(dialog, 11);
}

KIN_DataPeriod SamplePeriod()
{
    KIN_DataPeriod period;
    period.id = 42;
    period.title = "Ada";
    period.details = "first line\nsecond line";
    period.begin = 1815;
    period.end = 1852;
    period.column = 3;
    period.width = 4;
    period.colorBorder = 0;
    period.colorBackground = 10;
    period.colorText = 18;
    return period;
}

// Runs the dialog, lets the action edit it, then confirms it with Enter on the OK button.
bool RunAndConfirm(KIN_DlgPeriodLimits& dialog, KIN_DataPeriod& period,
                   const std::function<void()>& edit)
{
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     edit();
                     KIN_ButtonOf(dialog, S("OK"))->setFocus(Qt::TabFocusReason);
                     KIN_PressKey(Qt::Key_Return);
                 });
    return dialog.Run("Change the period settings", period);
}

struct Cell
{
    int nRow;
    int nColumn;
    int nColumnSpan;
    const char* pLabel; // null for a field
};
} // namespace

TEST(DlgPeriodLimits, GridHoldsEveryFieldInItsCell)
{
    KIN_DlgPeriodLimits dialog(nullptr);
    EXPECT_STREQ(dialog.GetSafeObjectName(), "KIN_DlgPeriodLimits");
    QGridLayout* pQGrid = KIN_GridOf(dialog);
    ASSERT_NE(pQGrid, nullptr);
    EXPECT_EQ(pQGrid->rowCount(), 12);
    EXPECT_EQ(pQGrid->columnCount(), 4);
    const Cell cells[] = {
        {0, 0, 1, "Birth day:"},
        {0, 1, 1, nullptr},
        {0, 2, 1, "years"},
        {0, 3, 1, nullptr},
        {1, 0, 1, "Death:"},
        {1, 1, 1, nullptr},
        {1, 2, 1, "years"},
        {1, 3, 1, nullptr},
        {2, 0, 1, "Shift:"},
        {2, 1, 1, nullptr},
        {2, 2, 1, "columns"},
        {3, 0, 1, "Width:"},
        {3, 1, 1, nullptr},
        {3, 2, 1, "columns"},
        {4, 0, 2, "Title: (written on the graph)"},
        {5, 0, 3, nullptr},
        {6, 0, 2, "Details: (not written on the graph)"},
        {7, 0, 3, nullptr},
        {8, 0, 1, "Coulors:"},
        {9, 0, 1, "- Border:"},
        {9, 1, 1, nullptr},
        {10, 0, 1, "- Background:"},
        {10, 1, 1, nullptr},
        {11, 0, 1, "- Text:"},
        {11, 1, 1, nullptr},
    };
    EXPECT_EQ(pQGrid->count(), static_cast<int>(std::size(cells)));
    for (const Cell& cell : cells)
    {
        QLayoutItem* pQItem = pQGrid->itemAtPosition(cell.nRow, cell.nColumn);
        ASSERT_NE(pQItem, nullptr) << cell.nRow << "," << cell.nColumn;
        int nRow = 0, nColumn = 0, nRowSpan = 0, nColumnSpan = 0;
        pQGrid->getItemPosition(pQGrid->indexOf(pQItem), &nRow, &nColumn, &nRowSpan, &nColumnSpan);
        EXPECT_EQ(nRow, cell.nRow);
        EXPECT_EQ(nColumn, cell.nColumn) << cell.nRow;
        EXPECT_EQ(nRowSpan, 1) << cell.nRow;
        EXPECT_EQ(nColumnSpan, cell.nColumnSpan) << cell.nRow << "," << cell.nColumn;
        if (cell.pLabel)
        {
            EXPECT_EQ(KIN_LabelAt(dialog, cell.nRow, cell.nColumn), S(cell.pLabel));
            EXPECT_EQ(pQItem->alignment(), Qt::AlignLeft) << cell.pLabel;
        }
        else
        {
            EXPECT_EQ(pQItem->alignment(), Qt::Alignment()) << cell.nRow;
        }
    }
    for (int nRow = 0; nRow < 4; ++nRow)
        EXPECT_NE(Field(dialog, nRow), nullptr) << nRow;
    ASSERT_NE(TitleEditor(dialog), nullptr);
    ASSERT_NE(DetailsEditor(dialog), nullptr);
    EXPECT_EQ(TitleEditor(dialog)->lineWrapMode(), QTextEdit::NoWrap);
    EXPECT_EQ(DetailsEditor(dialog)->lineWrapMode(), QTextEdit::NoWrap);
    for (int nRow = 9; nRow < 12; ++nRow)
        EXPECT_NE(Chooser(dialog, nRow), nullptr) << nRow;
    for (int nRow = 0; nRow < 2; ++nRow)
    {
        ASSERT_NE(UncertainBox(dialog, nRow), nullptr) << nRow;
        EXPECT_EQ(UncertainBox(dialog, nRow)->text(), S("Uncertain"));
    }
}

// Each box shows its flag; a click turns it over and OK writes it back, Escape does not.
TEST(DlgPeriodLimits, UncertainBoxesShowAndWriteBackTheFlags)
{
    KIN_DlgPeriodLimits dialog(nullptr);
    const bool flags[][2] = {{false, false}, {true, false}, {false, true}, {true, true}};
    for (const auto& flag : flags)
        for (const int nClicked : {-1, 0, 1})
            for (const bool bConfirm : {true, false})
            {
                SCOPED_TRACE(testing::Message()
                             << flag[0] << flag[1] << " click " << nClicked << " ok " << bConfirm);
                KIN_DataPeriod period = SamplePeriod();
                period.uncertainBegin = flag[0];
                period.uncertainEnd = flag[1];
                bool shown[2] = {};
                KIN_WhenOpen(dialog,
                             [&]
                             {
                                 for (int nRow = 0; nRow < 2; ++nRow)
                                     shown[nRow] = UncertainBox(dialog, nRow)->isChecked();
                                 if (nClicked >= 0)
                                     QTest::mouseClick(UncertainBox(dialog, nClicked),
                                                       Qt::LeftButton);
                                 if (bConfirm)
                                     KIN_ButtonOf(dialog, S("OK"))->setFocus(Qt::TabFocusReason);
                                 KIN_PressKey(bConfirm ? Qt::Key_Return : Qt::Key_Escape);
                             });
                EXPECT_EQ(dialog.Run("t", period), bConfirm);
                EXPECT_EQ(shown[0], flag[0]);
                EXPECT_EQ(shown[1], flag[1]);
                EXPECT_EQ(period.uncertainBegin, flag[0] != (bConfirm && nClicked == 0));
                EXPECT_EQ(period.uncertainEnd, flag[1] != (bConfirm && nClicked == 1));
            }
}

TEST(DlgPeriodLimits, ShowsTheRecordUnderTheGivenTitle)
{
    KIN_DlgPeriodLimits dialog(nullptr);
    KIN_DataPeriod period = SamplePeriod();
    period.begin = -1500;
    period.end = -999;
    QStringList shown;
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     shown << dialog.windowTitle();
                     for (int nRow = 0; nRow < 4; ++nRow)
                         shown << Field(dialog, nRow)->text();
                     shown << TitleEditor(dialog)->toPlainText()
                           << DetailsEditor(dialog)->toPlainText();
                     shown << BorderChooser(dialog)->currentText()
                           << BackgroundChooser(dialog)->currentText()
                           << TextChooser(dialog)->currentText();
                     KIN_PressKey(Qt::Key_Escape);
                 });
    EXPECT_FALSE(dialog.Run("Create a new period", period));
    const QStringList expected = {
        S("Create a new period"),     S("-1.5K"), S("-999"),   S("3"),         S("4"), S("Ada"),
        S("first line\nsecond line"), S("black"), S("yellow"), S("darkOrange")};
    EXPECT_EQ(shown, expected);
}

TEST(DlgPeriodLimits, CancelEscapeAndCloseLeaveTheRecordExactly)
{
    KIN_DlgPeriodLimits dialog(nullptr);
    const std::function<void()> endings[] = {
        [] { KIN_PressKey(Qt::Key_Escape); },
        [&] { QTest::mousePress(KIN_ButtonOf(dialog, S("Cancel")), Qt::LeftButton); },
        [&] { dialog.close(); },
    };
    for (const std::function<void()>& ending : endings)
    {
        KIN_DataPeriod period = SamplePeriod();
        period.colorText = -1;
        const KIN_DataPeriod before = period;
        KIN_WhenOpen(dialog,
                     [&]
                     {
                         for (int nRow = 0; nRow < 4; ++nRow)
                             KIN_TypeInto(Field(dialog, nRow), QStringLiteral("7"));
                         TitleEditor(dialog)->setPlainText(S("changed"));
                         DetailsEditor(dialog)->setPlainText(S("changed"));
                         for (int nRow = 9; nRow < 12; ++nRow)
                             Chooser(dialog, nRow)->setCurrentIndex(5);
                         ending();
                     });
        EXPECT_FALSE(dialog.Run("t", period));
        EXPECT_EQ(period, before);
    }
}

TEST(DlgPeriodLimits, OkWritesEveryFieldBack)
{
    KIN_DlgPeriodLimits dialog(nullptr);
    KIN_DataPeriod period = SamplePeriod();
    EXPECT_TRUE(RunAndConfirm(dialog, period,
                              [&]
                              {
                                  KIN_TypeInto(BeginField(dialog), QStringLiteral("-2,5M"));
                                  KIN_TypeInto(EndField(dialog), QStringLiteral("-1.5K"));
                                  KIN_TypeInto(Field(dialog, 2), QStringLiteral("-2"));
                                  KIN_TypeInto(Field(dialog, 3), QStringLiteral("6"));
                                  TitleEditor(dialog)->clear();
                                  QTest::keyClicks(TitleEditor(dialog), S("Ada"));
                                  QTest::keyClick(TitleEditor(dialog), Qt::Key_Return);
                                  QTest::keyClicks(TitleEditor(dialog), S("Lovelace"));
                                  DetailsEditor(dialog)->setPlainText(S("a\nb\nc\n\u00e9t\u00e9"));
                                  QTest::keyClick(BorderChooser(dialog), Qt::Key_Down);
                                  BackgroundChooser(dialog)->setCurrentIndex(3);
                                  TextChooser(dialog)->setCurrentIndex(0);
                              }));
    EXPECT_EQ(period.id, 42);
    EXPECT_EQ(period.begin, -2500000);
    EXPECT_EQ(period.end, -1500);
    EXPECT_EQ(period.column, -2);
    EXPECT_EQ(period.width, 6);
    EXPECT_EQ(period.title, "Ada\nLovelace");
    EXPECT_EQ(period.details, "a\nb\nc\n\xc3\xa9t\xc3\xa9");
    EXPECT_EQ(period.colorBorder, 1);
    EXPECT_EQ(period.colorBackground, 3);
    EXPECT_EQ(period.colorText, 0);
}

TEST(DlgPeriodLimits, UnreadableInputTakesTheFallbacks)
{
    KIN_DlgPeriodLimits dialog(nullptr);
    KIN_DataPeriod period = SamplePeriod();
    EXPECT_TRUE(RunAndConfirm(dialog, period,
                              [&]
                              {
                                  KIN_TypeInto(BeginField(dialog), QStringLiteral("abc"));
                                  EndField(dialog)->setFocus(Qt::TabFocusReason);
                                  EndField(dialog)->selectAll();
                                  QTest::keyClick(EndField(dialog), Qt::Key_Delete);
                                  KIN_TypeInto(Field(dialog, 2), QStringLiteral("left"));
                                  KIN_TypeInto(Field(dialog, 3), QStringLiteral("3x"));
                              }));
    EXPECT_EQ(period.begin, -32768);
    EXPECT_EQ(period.end, 1);
    EXPECT_EQ(period.column, 0);
    EXPECT_EQ(period.width, 0);
}

TEST(DlgPeriodLimits, NewPeriodShowsAndStoresTheDefaultColours)
{
    KIN_DlgPeriodLimits dialog(nullptr);
    KIN_DataPeriod period; // a new period: colours -1
    period.colorBorder = -1;
    period.colorBackground = 25;
    period.colorText = -1;
    QStringList shown;
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     shown << BorderChooser(dialog)->currentText()
                           << BackgroundChooser(dialog)->currentText()
                           << TextChooser(dialog)->currentText();
                     KIN_PressKey(Qt::Key_Return);
                 });
    EXPECT_TRUE(dialog.Run("Create a new period", period));
    EXPECT_EQ(shown, (QStringList{S("darkRed"), S("lightGray"), S("darkBlue")}));
    EXPECT_EQ(period.colorBorder, 12);
    EXPECT_EQ(period.colorBackground, 4);
    EXPECT_EQ(period.colorText, 14);
}

TEST(DlgPeriodLimits, UntouchedRecordComesBackUnchanged)
{
    KIN_DlgPeriodLimits dialog(nullptr);
    // Dates that their six-digit text does not reproduce.
    const std::int64_t years[][2] = {{-123456789, -1001}, {-100000000000LL, -999999}};
    for (const auto& pair : years)
    {
        KIN_DataPeriod period = SamplePeriod();
        period.begin = pair[0];
        period.end = pair[1];
        const KIN_DataPeriod before = period;
        KIN_WhenOpen(dialog, [&] { KIN_PressKey(Qt::Key_Return); });
        EXPECT_TRUE(dialog.Run("t", period));
        EXPECT_EQ(period, before) << pair[0] << " " << pair[1];
    }
}

TEST(DlgPeriodLimits, EditedDateIsReadFromItsText)
{
    KIN_DlgPeriodLimits dialog(nullptr);
    KIN_DataPeriod period = SamplePeriod();
    period.begin = -123456789;
    EXPECT_TRUE(RunAndConfirm(dialog, period,
                              [&]
                              {
                                  QTest::keyClick(BeginField(dialog), Qt::Key_End);
                                  QTest::keyClick(BeginField(dialog), Qt::Key_Backspace);
                                  QTest::keyClicks(BeginField(dialog), S("K"));
                              }));
    EXPECT_EQ(period.begin, -123457);
}

TEST(DlgPeriodLimits, EachRunShowsItsOwnRecord)
{
    KIN_DlgPeriodLimits dialog(nullptr);
    KIN_DataPeriod first = SamplePeriod();
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     KIN_TypeInto(BeginField(dialog), QStringLiteral("5"));
                     TitleEditor(dialog)->setPlainText(S("typed"));
                     TextChooser(dialog)->setCurrentIndex(2);
                     KIN_PressKey(Qt::Key_Escape);
                 });
    EXPECT_FALSE(dialog.Run("t", first));

    KIN_DataPeriod second;
    second.begin = -1000;
    second.end = 2200;
    QStringList shown;
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     shown << BeginField(dialog)->text() << EndField(dialog)->text()
                           << TitleEditor(dialog)->toPlainText()
                           << DetailsEditor(dialog)->toPlainText()
                           << TextChooser(dialog)->currentText();
                     KIN_PressKey(Qt::Key_Return);
                 });
    EXPECT_TRUE(dialog.Run("t", second));
    EXPECT_EQ(shown, (QStringList{S("-1K"), S("2200"), QString(), QString(), S("darkBlue")}));
    EXPECT_EQ(second.title, "");
    EXPECT_EQ(second.begin, -1000);
}
