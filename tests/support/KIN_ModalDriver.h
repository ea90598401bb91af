#ifndef KIN_MODALDRIVER_H
#define KIN_MODALDRIVER_H

#include "KIN_QtPrint.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <type_traits>
#include <utility>

// Acts once on the first modal widget of type T (a popup menu when T is a menu) that a
// command opens, polling from whichever nested loop is running, so it also answers a dialog
// that a menu entry opens. A widget still open after the action fails the test and is
// closed; a wait of ten seconds without one closes whatever modal widget blocks the test,
// so a broken command fails instead of hanging. Polling stops when the answer goes out of
// scope, so it never catches a later test's widget.
template <typename T> class KIN_WhenModal
{
public:
    explicit KIN_WhenModal(std::function<void(T&)> action) : m_action(std::move(action))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_clock.start();
        m_timer.start(5);
    }
    KIN_WhenModal(const KIN_WhenModal&) = delete;
    KIN_WhenModal& operator=(const KIN_WhenModal&) = delete;

    bool Seen() const { return m_bSeen; }

private:
    static T* Find()
    {
        QWidget* pQWidget = std::is_base_of_v<QMenu, T> ? QApplication::activePopupWidget()
                                                        : QApplication::activeModalWidget();
        T* pFound = dynamic_cast<T*>(pQWidget);
        return pFound && pFound->isVisible() ? pFound : nullptr;
    }

    void Poll()
    {
        T* pFound = Find();
        if (!pFound)
        {
            if (m_clock.hasExpired(10000))
            {
                m_timer.stop();
                if (QWidget* pQBlocking = QApplication::activeModalWidget())
                    pQBlocking->close();
            }
            return;
        }
        m_bSeen = true;
        m_timer.stop();
        // Keys go where the focus is: only once the dialog is the active window.
        if constexpr (!std::is_base_of_v<QMenu, T>)
            static_cast<void>(QTest::qWaitForWindowActive(pFound, 2000));
        m_action(*pFound);
        if (pFound->isVisible())
        {
            ADD_FAILURE() << "the " << pFound->metaObject()->className() << " \""
                          << pFound->windowTitle().toStdString() << "\" stayed open";
            pFound->close();
        }
    }

    std::function<void(T&)> m_action;
    QTimer m_timer;
    QElapsedTimer m_clock;
    bool m_bSeen = false;
};

// What a file dialog showed, and the answer it got: a chosen name, or Cancel when empty.
struct KIN_FileDialogSeen
{
    QString caption;
    QStringList filters;
    QString folder;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
};

class KIN_FileDialogAnswer
{
public:
    explicit KIN_FileDialogAnswer(QString chosen)
        : m_chosen(std::move(chosen)),
          m_when(
              [this](QFileDialog& dialog)
              {
                  m_seen.caption = dialog.windowTitle();
                  m_seen.filters = dialog.nameFilters();
                  m_seen.folder = dialog.directory().absolutePath();
                  m_seen.mode = dialog.acceptMode();
                  if (m_chosen.isEmpty())
                  {
                      dialog.reject();
                      return;
                  }
                  // A box the dialog asks would block: answer it as a failure.
                  QTimer::singleShot(3000, &dialog,
                                     []
                                     {
                                         auto* pQBox = qobject_cast<QMessageBox*>(
                                             QApplication::activeModalWidget());
                                         if (!pQBox)
                                             return;
                                         ADD_FAILURE() << "the file dialog asked: "
                                                       << pQBox->text().toStdString();
                                         pQBox->reject();
                                     });
                  // Typed into the name field and confirmed with Enter, as a user does.
                  auto* pQName = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                  ASSERT_NE(pQName, nullptr);
                  pQName->setFocus(Qt::OtherFocusReason);
                  pQName->setText(m_chosen);
                  QTest::keyClick(pQName, Qt::Key_Return);
              })
    {
    }

    bool Seen() const { return m_when.Seen(); }
    const KIN_FileDialogSeen& Shown() const { return m_seen; }

private:
    QString m_chosen;
    KIN_FileDialogSeen m_seen;
    KIN_WhenModal<QFileDialog> m_when;
};

// Answers a modal question box with the button and keeps its title and text.
class KIN_QuestionAnswer
{
public:
    explicit KIN_QuestionAnswer(QMessageBox::StandardButton button)
        : m_when(
              [this, button](QMessageBox& box)
              {
                  m_title = box.windowTitle();
                  m_text = box.text();
                  m_icon = box.icon();
                  if (QAbstractButton* pQButton = box.button(button))
                      QTest::mouseClick(pQButton, Qt::LeftButton);
              })
    {
    }

    bool Seen() const { return m_when.Seen(); }
    const QString& Title() const { return m_title; }
    const QString& Text() const { return m_text; }
    QMessageBox::Icon Icon() const { return m_icon; }

private:
    QString m_title;
    QString m_text;
    QMessageBox::Icon m_icon = QMessageBox::NoIcon;
    KIN_WhenModal<QMessageBox> m_when;
};

// Chooses the entry of the next popup menu that has the text, as the keyboard does, and
// keeps every entry's text; without such an entry the menu is closed.
class KIN_PopupAnswer
{
public:
    explicit KIN_PopupAnswer(QString choice)
        : m_choice(std::move(choice)), m_when(
                                           [this](QMenu& menu)
                                           {
                                               QAction* pQChosen = nullptr;
                                               for (QAction* pQAction : menu.actions())
                                               {
                                                   m_texts << pQAction->text();
                                                   if (pQAction->text() == m_choice)
                                                       pQChosen = pQAction;
                                               }
                                               if (!pQChosen)
                                               {
                                                   menu.close();
                                                   return;
                                               }
                                               menu.setActiveAction(pQChosen);
                                               QTest::keyClick(&menu, Qt::Key_Return);
                                           })
    {
    }

    bool Seen() const { return m_when.Seen(); }
    const QStringList& Texts() const { return m_texts; }

private:
    QString m_choice;
    QStringList m_texts;
    KIN_WhenModal<QMenu> m_when;
};

#endif
