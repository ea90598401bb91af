#ifndef KIN_SCENEDRIVER_H
#define KIN_SCENEDRIVER_H

#include "KIN_QtPrint.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColor>
#include <QContextMenuEvent>
#include <QImage>
#include <QMenu>
#include <QMessageBox>
#include <QStringList>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>

// Acts once on the first visible widget that the finder returns, polling from inside
// whatever loop is running (a menu's, a message box's, a dialog's). It stops polling when
// it goes out of scope, so a popup that never came cannot catch a later test's.
class KIN_WhenShown
{
public:
    using Finder = std::function<QWidget*()>;
    using Action = std::function<void(QWidget*)>;

    KIN_WhenShown(Finder find, Action act) : m_find(std::move(find)), m_act(std::move(act))
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start(5);
    }
    KIN_WhenShown(const KIN_WhenShown&) = delete;
    KIN_WhenShown& operator=(const KIN_WhenShown&) = delete;

    bool Seen() const { return m_bSeen; }

private:
    void Poll()
    {
        QWidget* pQWidget = m_find();
        if (m_bSeen || !pQWidget || !pQWidget->isVisible())
            return;
        m_bSeen = true;
        m_timer.stop();
        m_act(pQWidget);
    }

    Finder m_find;
    Action m_act;
    QTimer m_timer;
    bool m_bSeen = false;
};

// Reads the next popup menu's entries and chooses the one with the given text, as the
// keyboard does; without such an entry the menu is closed.
class KIN_MenuAnswer
{
public:
    explicit KIN_MenuAnswer(QString choice = QString())
        : m_choice(std::move(choice)),
          m_when([] { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); },
                 [this](QWidget* pQWidget) { Answer(static_cast<QMenu*>(pQWidget)); })
    {
    }

    bool Seen() const { return m_when.Seen(); }
    const QStringList& Texts() const { return m_texts; }

private:
    void Answer(QMenu* pQMenu)
    {
        QAction* pQChosen = nullptr;
        for (QAction* pQAction : pQMenu->actions())
        {
            m_texts << pQAction->text();
            if (!m_choice.isEmpty() && pQAction->text() == m_choice)
                pQChosen = pQAction;
        }
        if (!pQChosen)
        {
            pQMenu->close();
            return;
        }
        pQMenu->setActiveAction(pQChosen);
        QTest::keyClick(pQMenu, Qt::Key_Return);
    }

    QString m_choice;
    QStringList m_texts;
    KIN_WhenShown m_when;
};

// Answers the next message box with the given button and keeps its title and text.
class KIN_BoxAnswer
{
public:
    explicit KIN_BoxAnswer(QMessageBox::StandardButton button)
        : m_when([] { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); },
                 [this, button](QWidget* pQWidget)
                 {
                     auto* pQBox = static_cast<QMessageBox*>(pQWidget);
                     m_title = pQBox->windowTitle();
                     m_text = pQBox->text();
                     if (QAbstractButton* pQButton = pQBox->button(button))
                         pQButton->click();
                     else
                         pQBox->reject();
                 })
    {
    }

    bool Seen() const { return m_when.Seen(); }
    const QString& Title() const { return m_title; }
    const QString& Text() const { return m_text; }

private:
    QString m_title;
    QString m_text;
    KIN_WhenShown m_when;
};

// A right click as the platform delivers it: the press, then the context-menu request.
inline void KIN_RightClick(QWidget* pQViewport, const QPoint& at)
{
    QTest::mousePress(pQViewport, Qt::RightButton, Qt::NoModifier, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, pQViewport->mapToGlobal(at));
    QApplication::sendEvent(pQViewport, &request);
    QTest::mouseRelease(pQViewport, Qt::RightButton, Qt::NoModifier, at);
}

// Writes a picture of one colour; false when it could not be written.
inline bool KIN_WritePicture(const QString& path, int nWidth, int nHeight,
                             const QColor& color = QColor(Qt::darkGreen))
{
    QImage picture(nWidth, nHeight, QImage::Format_RGB32);
    picture.fill(color);
    return picture.save(path, "PNG");
}

#endif
