#include "KIN_DialogDriver.h"
#include "KIN_DlgDiagramShift.h"

#include <QBoxLayout>
#include <QPointer>

#include <gtest/gtest.h>

#include <cstdint>

namespace
{
QString S(const char* pText)
{
    return QString::fromUtf8(pText);
}

// The caller's three values, compared as a whole.
struct Shift
{
    std::int32_t nFirst;
    std::int32_t nLast;
    std::int32_t nShift;
};

bool operator==(const Shift& a, const Shift& b)
{
    return a.nFirst == b.nFirst && a.nLast == b.nLast && a.nShift == b.nShift;
}

std::ostream& operator<<(std::ostream& out, const Shift& shift)
{
    return out << shift.nFirst << ", " << shift.nLast << ", " << shift.nShift;
}

bool RunShift(KIN_DlgDiagramShift& dialog, Shift& shift)
{
    return dialog.Run(shift.nFirst, shift.nLast, shift.nShift);
}

// Types over all three fields, so that a dialog that writes back anyway is caught.
void EditAllFields(const KIN_DlgDiagramShift& dialog)
{
    for (int nRow = 0; nRow < 3; ++nRow)
        KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, nRow, 1), QStringLiteral("77"));
}
} // namespace

TEST(DlgValid, ContentAboveCentredCancelAndOk)
{
    QWidget window;
    KIN_DlgDiagramShift dialog(&window);
    EXPECT_EQ(dialog.parentWidget(), &window);
    EXPECT_STREQ(dialog.GetSafeObjectName(), "KIN_DlgDiagramShift");
    EXPECT_STREQ(dialog.metaObject()->className(), "KIN_DlgValid");
    EXPECT_EQ(dialog.qt_metacast("KIN_DlgValid"), static_cast<void*>(&dialog));
    EXPECT_EQ(dialog.qt_metacast("KIT_SafeObject"),
              static_cast<void*>(static_cast<KIT_SafeObject*>(&dialog)));

    auto* pQColumn = qobject_cast<QVBoxLayout*>(dialog.layout());
    ASSERT_NE(pQColumn, nullptr);
    ASSERT_EQ(pQColumn->count(), 3);
    QWidget* pQContent = pQColumn->itemAt(0)->widget();
    ASSERT_NE(pQContent, nullptr);
    EXPECT_EQ(pQContent->layout(), KIN_GridOf(dialog));
    ASSERT_NE(pQColumn->itemAt(1)->widget(), nullptr);
    auto* pQRow = qobject_cast<QHBoxLayout*>(pQColumn->itemAt(2)->layout());
    ASSERT_NE(pQRow, nullptr);
    EXPECT_EQ(pQColumn->stretch(0), 0);
    EXPECT_EQ(pQColumn->stretch(1), 1);
    EXPECT_EQ(pQColumn->stretch(2), 0);

    ASSERT_EQ(pQRow->count(), 5);
    const int stretches[] = {1, 0, 1, 0, 1};
    for (int i = 0; i < 5; ++i)
    {
        EXPECT_EQ(pQRow->stretch(i), stretches[i]) << "item " << i;
        ASSERT_NE(pQRow->itemAt(i)->widget(), nullptr) << "item " << i;
    }
    EXPECT_EQ(pQRow->itemAt(1)->widget(), KIN_ButtonOf(dialog, S("Cancel")));
    EXPECT_EQ(pQRow->itemAt(3)->widget(), KIN_ButtonOf(dialog, S("OK")));
    EXPECT_EQ(dialog.findChildren<QPushButton*>().size(), 2);
}

TEST(DlgValid, EnterRightAfterOpeningConfirms)
{
    KIN_DlgDiagramShift dialog(nullptr);
    Shift shift{3, 5, -2};
    QWidget* pQFocusAtOpening = nullptr;
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     pQFocusAtOpening = QApplication::focusWidget();
                     KIN_PressKey(Qt::Key_Return);
                 });
    EXPECT_TRUE(RunShift(dialog, shift));
    EXPECT_EQ(pQFocusAtOpening, KIN_ButtonOf(dialog, S("OK")));
    EXPECT_EQ(shift, (Shift{3, 5, -2}));
    EXPECT_FALSE(dialog.isVisible());
}

TEST(DlgValid, OkHoldsTheFocusAgainOnTheNextRun)
{
    KIN_DlgDiagramShift dialog(nullptr);
    Shift shift{0, 0, 0};
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, 2, 1), QStringLiteral("4"));
                     ASSERT_EQ(QApplication::focusWidget(), KIN_CellOf<QLineEdit>(dialog, 2, 1));
                     dialog.reject();
                 });
    EXPECT_FALSE(RunShift(dialog, shift));

    QWidget* pQFocusAtOpening = nullptr;
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     pQFocusAtOpening = QApplication::focusWidget();
                     KIN_PressKey(Qt::Key_Enter);
                 });
    EXPECT_TRUE(RunShift(dialog, shift));
    EXPECT_EQ(pQFocusAtOpening, KIN_ButtonOf(dialog, S("OK")));
    EXPECT_EQ(shift, (Shift{0, 0, 0}));
}

TEST(DlgValid, EnterInAFieldConfirmsWhatWasTyped)
{
    KIN_DlgDiagramShift dialog(nullptr);
    Shift shift{0, 0, 0};
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, 0, 1), QStringLiteral("2"));
                     KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, 1, 1), QStringLiteral("6"));
                     KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, 2, 1), QStringLiteral("-1"));
                     KIN_PressKey(Qt::Key_Return);
                 });
    EXPECT_TRUE(RunShift(dialog, shift));
    EXPECT_EQ(shift, (Shift{2, 6, -1}));
}

TEST(DlgValid, EnterOnAFocusedCancelCancels)
{
    KIN_DlgDiagramShift dialog(nullptr);
    Shift shift{1, 2, 3};
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     EditAllFields(dialog);
                     KIN_ButtonOf(dialog, S("Cancel"))->setFocus(Qt::TabFocusReason);
                     KIN_PressKey(Qt::Key_Return);
                 });
    EXPECT_FALSE(RunShift(dialog, shift));
    EXPECT_EQ(shift, (Shift{1, 2, 3}));
}

TEST(DlgValid, EscapeCancelAndCloseLeaveTheValues)
{
    KIN_DlgDiagramShift dialog(nullptr);
    const std::function<void()> endings[] = {
        [] { KIN_PressKey(Qt::Key_Escape); },
        [&] { QTest::mouseClick(KIN_ButtonOf(dialog, S("Cancel")), Qt::LeftButton); },
        [&] { dialog.close(); },
    };
    for (const std::function<void()>& ending : endings)
    {
        Shift shift{1, 2, 3};
        KIN_WhenOpen(dialog,
                     [&]
                     {
                         EditAllFields(dialog);
                         ending();
                     });
        EXPECT_FALSE(RunShift(dialog, shift));
        EXPECT_EQ(shift, (Shift{1, 2, 3}));
        EXPECT_FALSE(dialog.isVisible());
    }
}

TEST(DlgValid, ButtonsActWhenPressedDown)
{
    KIN_DlgDiagramShift dialog(nullptr);
    Shift shift{1, 2, 3};
    KIN_WhenOpen(dialog,
                 [&]
                 {
                     KIN_TypeInto(KIN_CellOf<QLineEdit>(dialog, 2, 1), QStringLiteral("9"));
                     QTest::mousePress(KIN_ButtonOf(dialog, S("OK")), Qt::LeftButton);
                     EXPECT_FALSE(dialog.isVisible());
                 });
    EXPECT_TRUE(RunShift(dialog, shift));
    EXPECT_EQ(shift, (Shift{1, 2, 9}));
    QTest::mouseRelease(KIN_ButtonOf(dialog, S("OK")), Qt::LeftButton);

    KIN_WhenOpen(dialog,
                 [&]
                 {
                     EditAllFields(dialog);
                     QTest::mousePress(KIN_ButtonOf(dialog, S("Cancel")), Qt::LeftButton);
                     EXPECT_FALSE(dialog.isVisible());
                 });
    EXPECT_FALSE(RunShift(dialog, shift));
    EXPECT_EQ(shift, (Shift{1, 2, 9}));
    QTest::mouseRelease(KIN_ButtonOf(dialog, S("Cancel")), Qt::LeftButton);
}

TEST(DlgValid, DestroyedWithItsParent)
{
    auto* pQWindow = new QWidget();
    QPointer<KIN_DlgDiagramShift> pDialog = new KIN_DlgDiagramShift(pQWindow);
    QPointer<QPushButton> pQOk = KIN_ButtonOf(*pDialog, S("OK"));
    ASSERT_FALSE(pQOk.isNull());
    delete pQWindow;
    EXPECT_TRUE(pDialog.isNull());
    EXPECT_TRUE(pQOk.isNull());
}
