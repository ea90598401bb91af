// File > Import GEDCOM: the tree replaces the diagram as one undo step, or nothing changes.
#include "KIN_DocumentSession.h"
#include "KIN_TestMenus.h"
#include "KIN_UndoHistory.h"
#include "KIN_WindowDriver.h"
#include "KIT_QtText.h"

#include <QStatusBar>

namespace
{
const char* const g_pFamily = "0 HEAD\r\n1 CHAR UTF-8\r\n"
                              "0 @I1@ INDI\r\n1 NAME Ingrid /Svensson/\r\n1 SEX F\r\n"
                              "1 BIRT\r\n2 DATE 3 MAR 1871\r\n2 PLAC Ystad, Sweden\r\n"
                              "1 DEAT\r\n2 DATE 12 JAN 1950\r\n1 FAMS @F1@\r\n"
                              "0 @I2@ INDI\r\n1 NAME Nils /Svensson/\r\n1 SEX M\r\n"
                              "1 BIRT\r\n2 DATE ABT 1868\r\n1 FAMS @F1@\r\n"
                              "0 @I3@ INDI\r\n1 NAME Karin /Svensson/\r\n1 SEX F\r\n"
                              "1 BIRT\r\n2 DATE 1899\r\n1 FAMC @F1@\r\n"
                              "0 @F1@ FAM\r\n1 HUSB @I2@\r\n1 WIFE @I1@\r\n1 CHIL @I3@\r\n"
                              "0 TRLR\r\n";

class ImportGedcom : public KIN_WindowTest
{
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        AddPeriods({KIN_MakePeriod(1900, 1950, 1, 2, "Ada")});
        window.GetSession()->SaveFile(KIT_ToBytes(folder.Path(S("ada.xml"))));
        ASSERT_TRUE(folder.Write(S("family.ged"), g_pFamily));
    }

    const KIN_DataPeriod* Titled(const std::string& title) const
    {
        for (const KIN_DataPeriod& period : Content().periods)
            if (period.title == title)
                return &period;
        return nullptr;
    }

    QString Warning() const
    {
        for (QMessageBox* pQBox : window.findChildren<QMessageBox*>())
            if (pQBox->isVisible())
                return pQBox->text();
        return QString();
    }
};
} // namespace

TEST_F(ImportGedcom, TheTreeReplacesTheDiagramAsOneStep)
{
    const std::string before = Autosave();
    {
        KIN_FileDialogAnswer answer(folder.Path(S("family.ged")));
        const KIN_ChartAnswer everyone;
        KIN_FindMenuAction(window, S("&File/Import GEDCOM..."))->trigger();
        ASSERT_TRUE(answer.Seen());
        ASSERT_TRUE(everyone.Seen());
        EXPECT_EQ(answer.Shown().caption, S("Select a GEDCOM file to import."));
        EXPECT_EQ(answer.Shown().filters, QStringList{S("GEDCOM (*.ged *.GED)")});
    }
    ASSERT_EQ(Content().periods.size(), 3u);
    const KIN_DataPeriod* pIngrid = Titled("Ingrid Svensson");
    const KIN_DataPeriod* pKarin = Titled("Karin Svensson");
    ASSERT_NE(pIngrid, nullptr);
    ASSERT_NE(pKarin, nullptr);
    EXPECT_EQ(pIngrid->begin, 1871);
    EXPECT_EQ(pIngrid->end, 1950);
    EXPECT_NE(pIngrid->details.find("Born 3 Mar 1871, Ystad, Sweden"), std::string::npos);
    EXPECT_NE(Titled("Nils Svensson")->details.find("Born about 1868"), std::string::npos);
    // Both parents reach the child by an elbow.
    EXPECT_EQ(Content().links.size(), 2u);
    for (const KIN_DataLink& link : Content().links)
    {
        EXPECT_EQ(link.period2, pKarin->id);
        EXPECT_EQ(link.point1, 1);
        EXPECT_EQ(link.point2, 0);
    }
    EXPECT_EQ(window.GetView()->GetPeriods().size(), 3u);
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), KIT_ToBytes(folder.Path(S("family.xml"))));
    EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \"family.xml\""));
    EXPECT_TRUE(
        window.statusBar()->currentMessage().startsWith(S("Imported 3 people and 1 family; ")))
        << window.statusBar()->currentMessage().toStdString();
    EXPECT_NE(Autosave().find("Svensson"), std::string::npos);

    QAction* pQUndo = KIN_FindMenuAction(window, S("&Edit/Undo Import GEDCOM"));
    ASSERT_NE(pQUndo, nullptr);
    pQUndo->trigger();
    EXPECT_EQ(Autosave(), before);
    EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \"ada.xml\""));
}

TEST_F(ImportGedcom, ARefusedFileChangesNothingAndSaysWhy)
{
    const std::string before = Autosave();
    const struct
    {
        const char* pName;
        std::string content;
        const char* pReason;
    } cases[] = {
        {"letter.ged", "Dear Ingrid,\nthe tree is attached.\n", "Not a GEDCOM file"},
        {"empty.ged", "", "empty"},
        {"undated.ged", "0 HEAD\n0 @I1@ INDI\n1 NAME Ingrid\n0 TRLR\n", "nobody can be placed"},
        {"missing.ged", "", "Cannot read the file"},
    };
    for (const auto& refused : cases)
    {
        if (std::string(refused.pName) != "missing.ged")
        {
            ASSERT_TRUE(folder.Write(S(refused.pName), refused.content));
        }
        EXPECT_FALSE(window.ImportGedcom(KIT_ToBytes(folder.Path(S(refused.pName)))));
        const QString warning = Warning();
        EXPECT_TRUE(warning.contains(S(refused.pReason))) << warning.toStdString();
        EXPECT_TRUE(warning.contains(S(refused.pName))) << warning.toStdString();
        for (QMessageBox* pQBox : window.findChildren<QMessageBox*>())
            pQBox->accept();
        QApplication::processEvents();
        EXPECT_EQ(Autosave(), before);
        EXPECT_EQ(window.GetSession()->GetHistory()->count(), 0);
        EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \"ada.xml\""));
    }
}
