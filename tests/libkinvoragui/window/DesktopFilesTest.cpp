// Files opened from outside the File dialogs: a diagram or a GEDCOM file told apart by their
// content, the recent files in the File menu, and the window's layout kept between runs.
#include "KIN_DocumentSession.h"
#include "KIN_RecentFiles.h"
#include "KIN_TestMenus.h"
#include "KIN_WindowDriver.h"
#include "KIT_QtText.h"

#include <QDockWidget>
#include <QSettings>

namespace
{
const char* const g_pDiagram = "<kinvora>\n<E b=\"3\" e=\"40\" w=\"12\"/>\n"
                               "<P b=\"1850\" e=\"1900\" w=\"2\" s=\"1\" i=\"1\" t=\"Ada\" d=\"\" "
                               "cp=\"-1\" cb=\"-1\" ct=\"-1\"/>\n</kinvora>\n";
const char* const g_pTree = "0 HEAD\n1 CHAR UTF-8\n0 @I1@ INDI\n1 NAME Ingrid /Berg/\n"
                            "1 BIRT\n2 DATE 1871\n1 DEAT\n2 DATE 1950\n0 TRLR\n";

class DesktopFiles : public KIN_WindowTest
{
protected:
    void SetUp() override
    {
        QSettings().clear();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    void TearDown() override { QSettings().clear(); }

    std::string Path(const char* pName) const { return KIT_ToBytes(folder.Path(S(pName))); }
    QStringList Recent() const
    {
        QSettings settings;
        return KIN_RecentFiles(settings).Files();
    }
    // The entries of File > Recent files, as the user sees them when the menu opens.
    QList<QAction*> RecentEntries() const
    {
        QMenu* pQMenu = KIN_FindMenuAction(window, S("&File/&Recent files"))->menu();
        EXPECT_NE(pQMenu, nullptr);
        if (!pQMenu)
            return {};
        emit pQMenu->aboutToShow();
        return pQMenu->actions();
    }
    std::string FirstTitle() const
    {
        return Content().periods.empty() ? std::string() : Content().periods.front().title;
    }
};
} // namespace

TEST_F(DesktopFiles, OpensADiagramOrATreeByItsContent)
{
    // The names mislead: the content decides.
    ASSERT_TRUE(folder.Write(S("diagram.ged"), g_pDiagram));
    ASSERT_TRUE(folder.Write(S("tree.txt"), g_pTree));
    window.OpenFile(Path("diagram.ged"));
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), Path("diagram.ged"));
    EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \"diagram.ged\""));
    EXPECT_EQ(FirstTitle(), "Ada");

    {
        // A tree asks what to draw, as from the File menu.
        const KIN_ChartAnswer everyone;
        window.OpenFile(Path("tree.txt"));
        EXPECT_TRUE(everyone.Seen());
    }
    EXPECT_EQ(FirstTitle(), "Ingrid Berg");
    // An imported tree is saved beside itself.
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), Path("tree.xml"));
    EXPECT_TRUE(Warnings(window).isEmpty());
    EXPECT_EQ(Recent(), (QStringList{folder.Path(S("tree.txt")), folder.Path(S("diagram.ged"))}));
}

TEST_F(DesktopFiles, AFileThatCannotBeReadWarnsAndKeepsTheStart)
{
    const std::string title = KIT_ToBytes(window.windowTitle());
    const std::string file = window.GetSession()->GetCurrentFile();
    const std::string before = Autosave();
    window.OpenFile(Path("missing.xml"));
    ASSERT_EQ(Warnings(window).size(), 1);
    EXPECT_TRUE(Warnings(window).front()->text().contains(S("missing.xml")));
    EXPECT_EQ(KIT_ToBytes(window.windowTitle()), title);
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), file);
    EXPECT_EQ(Autosave(), before);
    EXPECT_TRUE(Recent().isEmpty());
}

TEST_F(DesktopFiles, RecentFilesOpenNewestFirstAndDropWhatIsGone)
{
    ASSERT_TRUE(folder.Write(S("first.xml"), g_pDiagram));
    ASSERT_TRUE(folder.Write(S("family.ged"), g_pTree));
    window.LoadFile(Path("first.xml"));
    {
        const KIN_ChartAnswer everyone;
        window.OpenFile(Path("family.ged"));
        ASSERT_TRUE(everyone.Seen());
    }
    {
        KIN_FileDialogAnswer answer(folder.Path(S("saved.xml")));
        KIN_FindMenuAction(window, S("&File/&Save"))->trigger();
        ASSERT_TRUE(answer.Seen());
    }
    QList<QAction*> entries = RecentEntries();
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0]->text(), S("&1 ") + folder.Path(S("saved.xml")));
    EXPECT_EQ(entries[1]->text(), S("&2 ") + folder.Path(S("family.ged")));
    EXPECT_EQ(entries[2]->text(), S("&3 ") + folder.Path(S("first.xml")));

    // Picked, the oldest opens as a diagram and comes first.
    entries[2]->trigger();
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), Path("first.xml"));
    EXPECT_EQ(FirstTitle(), "Ada");
    EXPECT_EQ(Recent().first(), folder.Path(S("first.xml")));

    // A tree that is gone: a warning, the list without it, the diagram as it was.
    ASSERT_TRUE(QFile::remove(folder.Path(S("family.ged"))));
    entries = RecentEntries();
    ASSERT_EQ(entries.size(), 3);
    entries[2]->trigger();
    ASSERT_EQ(Warnings(window).size(), 1);
    EXPECT_TRUE(Warnings(window).front()->text().contains(folder.Path(S("family.ged"))));
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), Path("first.xml"));
    EXPECT_EQ(RecentEntries().size(), 2);
}

TEST_F(DesktopFiles, TheNextWindowTakesTheSizePlaceAndDocksOfTheLast)
{
    window.showNormal();
    window.setGeometry(60, 50, 700, 520);
    QDockWidget* pQDetails = window.findChild<QDockWidget*>(S("detailsDock"));
    ASSERT_NE(pQDetails, nullptr);
    pQDetails->hide();
    QTest::qWait(50);
    const QRect geometry = window.geometry();
    ASSERT_TRUE(window.close());

    KIN_MainWindow next;
    ASSERT_TRUE(next.RestoreLayout());
    next.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&next));
    EXPECT_EQ(next.geometry().size(), geometry.size());
    EXPECT_EQ(next.geometry().topLeft(), geometry.topLeft());
    EXPECT_FALSE(next.findChild<QDockWidget*>(S("detailsDock"))->isVisible());
    EXPECT_TRUE(next.findChild<QDockWidget*>(S("periodListDock"))->isVisible());
}

TEST_F(DesktopFiles, AFirstRunHasNoLayoutToRestore)
{
    KIN_MainWindow next;
    EXPECT_FALSE(next.RestoreLayout());
}
