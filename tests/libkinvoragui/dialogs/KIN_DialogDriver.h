#ifndef KIN_DIALOGDRIVER_H
#define KIN_DIALOGDRIVER_H

#include "KIN_DlgGedcomChart.h"
#include "KIN_ModalDriver.h"

#include <QApplication>
#include <QDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLayoutItem>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

// Runs the action on the dialog once its modal loop is running and the dialog is active, as
// a user would act on it. A dialog still open after the action is a failure and is rejected,
// so a broken dialog fails the test instead of hanging it.
inline void KIN_WhenOpen(QDialog& dialog, std::function<void()> action)
{
    QTimer::singleShot(0, &dialog,
                       [&dialog, action]
                       {
                           EXPECT_EQ(QApplication::activeModalWidget(), &dialog);
                           EXPECT_TRUE(QTest::qWaitForWindowActive(&dialog));
                           action();
                           if (dialog.isVisible())
                           {
                               ADD_FAILURE() << "the dialog stayed open";
                               dialog.reject();
                           }
                       });
}

// Sends a key to whatever holds the keyboard focus, as the keyboard does.
inline void KIN_PressKey(Qt::Key key)
{
    QWidget* pQFocus = QApplication::focusWidget();
    ASSERT_NE(pQFocus, nullptr);
    QTest::keyClick(pQFocus, key);
}

inline QGridLayout* KIN_GridOf(const QDialog& dialog)
{
    return dialog.findChild<QGridLayout*>();
}

// The widget in a cell of the dialog's grid, or null when the cell is empty or holds
// another kind of widget.
template <typename T> T* KIN_CellOf(const QDialog& dialog, int nRow, int nColumn)
{
    QGridLayout* pQGrid = KIN_GridOf(dialog);
    if (!pQGrid)
        return nullptr;
    QLayoutItem* pQItem = pQGrid->itemAtPosition(nRow, nColumn);
    return pQItem ? qobject_cast<T*>(pQItem->widget()) : nullptr;
}

inline QString KIN_LabelAt(const QDialog& dialog, int nRow, int nColumn)
{
    const QLabel* pQLabel = KIN_CellOf<QLabel>(dialog, nRow, nColumn);
    return pQLabel ? pQLabel->text() : QStringLiteral("<no label>");
}

// Replaces a field's text by typing, as the user does after selecting it all.
inline void KIN_TypeInto(QLineEdit* pQField, const QString& text)
{
    ASSERT_NE(pQField, nullptr);
    pQField->setFocus(Qt::TabFocusReason);
    pQField->selectAll();
    QTest::keyClick(pQField, Qt::Key_Backspace);
    QTest::keyClicks(pQField, text);
}

inline QPushButton* KIN_ButtonOf(const QDialog& dialog, const QString& text)
{
    for (QPushButton* pQButton : dialog.findChildren<QPushButton*>())
        if (pQButton->text() == text)
            return pQButton;
    return nullptr;
}

// Answers the chart dialog of a GEDCOM import: chooses (nothing: the choice shown), then OK.
class KIN_ChartAnswer : public KIN_WhenModal<KIN_DlgGedcomChart>
{
public:
    explicit KIN_ChartAnswer(std::function<void(KIN_DlgGedcomChart&)> choose = {})
        : KIN_WhenModal<KIN_DlgGedcomChart>(
              [choose](KIN_DlgGedcomChart& dialog)
              {
                  if (choose)
                      choose(dialog);
                  dialog.accept();
              })
    {
    }
};

#endif
