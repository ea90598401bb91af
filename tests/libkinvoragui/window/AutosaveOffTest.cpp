// An autosave that can be neither read nor moved aside is left alone until the next start.
#include "KIN_DlgDiagramLimits.h"
#include "KIN_DocumentSession.h"
#include "KIN_TestMenus.h"
#include "KIN_WindowDriver.h"

#include <QComboBox>
#include <QFile>
#include <QMessageBox>

#include <sys/stat.h>
#include <unistd.h>

namespace
{
const char* const g_pKept = "<kinvora>\n\t<E b=\"3\" e=\"30\" w=\"12\" />\n\t<P b=\"19";

// Root reads and moves any file: the test acts as an ordinary user while the window runs.
class OrdinaryUser
{
public:
    OrdinaryUser() : m_nRoot(::geteuid() == 0)
    {
        if (m_nRoot && ::seteuid(65534) != 0)
            ADD_FAILURE() << "cannot act as an ordinary user";
    }
    ~OrdinaryUser()
    {
        if (m_nRoot && ::seteuid(0) != 0)
            std::abort();
    }
    OrdinaryUser(const OrdinaryUser&) = delete;
    OrdinaryUser& operator=(const OrdinaryUser&) = delete;

private:
    bool m_nRoot;
};

// Lets the temporary folder be cleaned up whatever the test left.
struct WritableAgain
{
    ~WritableAgain() { ::chmod(pPath, 0700); }
    const char* pPath;
};
} // namespace

TEST(AutosaveOff, NeitherNewNorARefreshWritesTheKeptFile)
{
    KIN_TestFolder folder;
    // "./autosave.xml" leads to a file the user may write but not read, from a folder where
    // nothing can be renamed or created: it can be neither loaded nor kept elsewhere.
    ASSERT_EQ(::mkdir("kept", 0777), 0);
    ASSERT_EQ(::chmod("kept", 0777), 0);
    ASSERT_TRUE(folder.Write(S("kept/autosave.xml"), g_pKept));
    ASSERT_EQ(::chmod("kept/autosave.xml", 0222), 0);
    ASSERT_EQ(::symlink("kept/autosave.xml", "autosave.xml"), 0);
    const QByteArray here = QDir::currentPath().toLocal8Bit();
    const WritableAgain cleanUp{here.constData()};
    ASSERT_EQ(::chmod(here.constData(), 0555), 0);
    {
        const OrdinaryUser user;
        KIN_MainWindow window;
        const QList<QMessageBox*> boxes = window.findChildren<QMessageBox*>();
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_TRUE(boxes[0]->text().contains(S("autosave stays off")))
            << boxes[0]->text().toStdString();
        boxes[0]->accept();

        KIN_WhenModal<KIN_DlgDiagramLimits> dialog(
            [](KIN_DlgDiagramLimits& shown)
            {
                KIN_CellOf<QComboBox>(shown, 0, 1)->setCurrentIndex(20);
                KIN_PressOk(shown);
            });
        KIN_FindMenuAction(window, S("&File/&New"))->trigger();
        ASSERT_TRUE(dialog.Seen());
        EXPECT_EQ(window.GetSession()->GetDocument()->GetData()->begin, 20);
        window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 1950, 1, 2, "Ada"));
        window.RefreshAll();
        EXPECT_EQ(window.GetView()->GetPeriods().size(), 1u);
        // The new diagram has no file yet; no save was tried, so no failure was reported.
        EXPECT_EQ(window.GetSession()->GetCurrentFile(), ".");
        EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \".\""));
        for (const QMessageBox* pQBox : window.findChildren<QMessageBox*>())
            EXPECT_FALSE(pQBox->isVisible()) << pQBox->text().toStdString();
    }
    ASSERT_EQ(::chmod("kept/autosave.xml", 0644), 0);
    EXPECT_EQ(folder.Read(S("kept/autosave.xml")), g_pKept);
    EXPECT_EQ(QDir(S("kept")).entryList(QDir::Files), QStringList{S("autosave.xml")});
    EXPECT_TRUE(QFileInfo(S("autosave.xml")).isSymLink());
}
