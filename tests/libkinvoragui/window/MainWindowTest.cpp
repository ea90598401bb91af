#include "KIN_AppContext.h"
#include "KIN_MainWindow.h"
#include "KIN_TestFolder.h"
#include "KIN_TestMenus.h"
#include "KIN_WidgetDetails.h"
#include "KIN_WidgetFindPeriod.h"
#include "KIT_QT_ListWidget0.h"

#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>

#include <gtest/gtest.h>

namespace
{
QString S(const char* pText)
{
    return QString::fromUtf8(pText);
}
} // namespace

TEST(MainWindow, MenusAndEntriesInOrder)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    const QStringList expected = {
        S("&File"),
        S("&File/&New"),
        S("&File/&Load"),
        S("&File/Import GEDCOM..."),
        S("&File/&Recent files"),
        S("&File/&Save"),
        S("&File/Export &image"),
        S("&File/Export PDF..."),
        S("&File/Export SVG..."),
        S("&File/Print..."),
        S("&File/-"),
        S("&File/E&xit"),
        S("&Edit"),
        S("&Edit/Undo"),
        S("&Edit/Redo"),
        S("&Edit/-"),
        S("&Edit/Diagramme settings"),
        S("&Edit/New period"),
        S("&Edit/Change period"),
        S("&Edit/Remove period"),
        S("&Edit/Remove link"),
        S("&Edit/-"),
        S("&Edit/Shift"),
        S("&Display"),
        S("&Display/Zoom +   \t(Ctrl + '+' )"),
        S("&Display/Zoom -   \t(Ctrl + '-' )"),
        S("&Display/Zoom normal"),
        S("&Display/List all period"),
        S("&Display/Details of the selected period"),
        S("&?"),
        S("&?/&About"),
        S("[Zoom +]"),
        S("[Zoom -]"),
        S("[Zoom x 1]"),
    };
    EXPECT_EQ(KIN_MenuTexts(window), expected);
}

TEST(MainWindow, BarActionsCarryShortcutsAndTips)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    QAction* pQZoomIn = KIN_FindMenuAction(window, S("[Zoom +]"));
    QAction* pQZoomOut = KIN_FindMenuAction(window, S("[Zoom -]"));
    ASSERT_TRUE(pQZoomIn && pQZoomOut);
    EXPECT_EQ(pQZoomIn->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Plus));
    EXPECT_EQ(pQZoomOut->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Minus));
    EXPECT_EQ(pQZoomIn->toolTip(), S("(Ctrl + '+' )"));
    EXPECT_EQ(pQZoomOut->toolTip(), S("(Ctrl + '-' )"));
    EXPECT_EQ(window.GetZoomLabel(), KIN_FindMenuAction(window, S("[Zoom x 1]")));
}

TEST(MainWindow, TitleNamesTheCurrentFile)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \".\""));
    EXPECT_STREQ(window.GetSafeObjectName(), "KIN_MainWindow");
    EXPECT_EQ(window.qt_metacast("KIT_SafeObject"), static_cast<KIT_SafeObject*>(&window));
}

TEST(MainWindow, ChangeAndRemovePeriodStartDisabled)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    EXPECT_FALSE(window.GetActionChangePeriod()->isEnabled());
    EXPECT_FALSE(window.GetActionRemovePeriod()->isEnabled());
    EXPECT_TRUE(window.GetActionRemoveLink()->isEnabled());
}

TEST(MainWindow, PublishesItselfAndWithdrawsOnDestruction)
{
    {
        KIN_MainWindow window;
        EXPECT_EQ(KIN_AppContext::Get().pMainWindow, &window);
        EXPECT_EQ(KIN_AppContext::Get().pQDetails, static_cast<QWidget*>(window.GetDetails()));
        EXPECT_EQ(KIN_AppContext::Get().pQActionRemoveLink, window.GetActionRemoveLink());
    }
    EXPECT_EQ(KIN_AppContext::Get().pMainWindow, nullptr);
    EXPECT_EQ(KIN_AppContext::Get().pQDetails, nullptr);
}

TEST(MainWindow, DockTogglesShowAndHideTheDocks)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    window.show();
    const QList<QDockWidget*> docks = window.findChildren<QDockWidget*>();
    ASSERT_EQ(docks.size(), 2);
    QAction* pQToggle = KIN_FindMenuAction(window, S("&Display/List all period"));
    ASSERT_NE(pQToggle, nullptr);
    QDockWidget* pQDock = docks[0]->windowTitle() == S("List all period") ? docks[0] : docks[1];
    EXPECT_EQ(window.dockWidgetArea(pQDock), Qt::BottomDockWidgetArea);
    EXPECT_TRUE(pQDock->isVisible());
    pQToggle->trigger();
    EXPECT_FALSE(pQDock->isVisible());
    // The list, with the search field above it.
    EXPECT_TRUE(pQDock->isAncestorOf(window.GetPeriodList()));
    EXPECT_TRUE(pQDock->isAncestorOf(window.GetFindPeriod()));
    EXPECT_LT(window.GetFindPeriod()->mapTo(pQDock, QPoint()).y(),
              window.GetPeriodList()->mapTo(pQDock, QPoint()).y());
    EXPECT_EQ(window.GetPeriodList()->maximumWidth(), 200);
}

TEST(MainWindow, AboutTextHasFourLabelledLines)
{
    const QString text = KIN_MainWindow::AboutText();
    const QStringList lines = text.split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0], S("Software:\tKinvora"));
    EXPECT_TRUE(QRegularExpression(S("^Date:    \t[A-Z][a-z]{2} [ 1-3][0-9] [0-9]{4}$"))
                    .match(lines[1])
                    .hasMatch())
        << lines[1].toStdString();
    EXPECT_TRUE(QRegularExpression(S("^Time:    \t[0-2][0-9]:[0-5][0-9]:[0-5][0-9]$"))
                    .match(lines[2])
                    .hasMatch())
        << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith(S("Author:  \t")));
    EXPECT_GT(lines[3].size(), 10);
}

TEST(MainWindow, AboutBoxShowsTheText)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    QString shownTitle;
    QString shownText;
    QTimer::singleShot(0,
                       [&]
                       {
                           auto* pQBox =
                               qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                           if (!pQBox)
                               return;
                           shownTitle = pQBox->windowTitle();
                           shownText = pQBox->text();
                           pQBox->accept();
                       });
    KIN_FindMenuAction(window, S("&?/&About"))->trigger();
    EXPECT_EQ(shownTitle, S("About"));
    EXPECT_EQ(shownText, KIN_MainWindow::AboutText());
}

TEST(MainWindow, ExitClosesTheWindow)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    window.show();
    ASSERT_TRUE(window.isVisible());
    KIN_FindMenuAction(window, S("&File/E&xit"))->trigger();
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(QFile::exists(S("log_KIT_SafeObject_debugger.txt")));
}

TEST(MainWindow, ZoomStaysBetweenOneThirtySecondAndThirtyTwo)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    QAction* pQZoomIn = KIN_FindMenuAction(window, S("[Zoom +]"));
    QAction* pQZoomOut = KIN_FindMenuAction(window, S("[Zoom -]"));
    for (int n = 0; n < 6; ++n)
        pQZoomIn->trigger();
    EXPECT_EQ(window.GetZoomFactor(), 32.0);
    EXPECT_EQ(window.GetZoomLabel()->text(), S("[Zoom x 32]"));
    window.GetZoomLabel()->trigger();
    EXPECT_EQ(window.GetZoomLabel()->text(), S("[Zoom x 1]"));
    for (int n = 0; n < 6; ++n)
        pQZoomOut->trigger();
    EXPECT_EQ(window.GetZoomFactor(), 0.03125);
    EXPECT_EQ(window.GetZoomLabel()->text(), S("[Zoom x 0.03125]"));
    KIN_FindMenuAction(window, S("&Display/Zoom normal"))->trigger();
    EXPECT_EQ(window.GetZoomFactor(), 1.0);
}
