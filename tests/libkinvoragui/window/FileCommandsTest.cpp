// The File commands driven through the real menus and dialogs, and the title they leave.
#include "KIN_DlgDiagramLimits.h"
#include "KIN_DlgPeriodLimits.h"
#include "KIN_DocumentSession.h"
#include "KIN_ScenePeriods.h"
#include "KIN_TestMenus.h"
#include "KIN_WindowDriver.h"
#include "KIT_QT_ListWidget0.h"
#include "KIT_QtText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

namespace
{
const char* const g_pEmptyDiagram = "<kinvora>\n\t<E b=\"0\" e=\"40\" w=\"10\" />\n</kinvora>\n";

const char* const g_pTwoPeriods =
    "<kinvora>\n\t<E b=\"18\" e=\"38\" w=\"12\" />\n"
    "\t<P b=\"1900\" e=\"1950\" w=\"2\" s=\"1\" i=\"4\" t=\"Ada\" d=\"\" cp=\"-1\" cb=\"-1\" "
    "ct=\"-1\" />\n"
    "\t<P b=\"1920\" e=\"1990\" w=\"3\" s=\"5\" i=\"9\" t=\"Bo\" d=\"x\" cp=\"2\" cb=\"3\" "
    "ct=\"4\" />\n"
    "\t<L i1=\"4\" i2=\"9\" p1=\"1\" p2=\"0\" />\n</kinvora>\n";

QStringList ListTexts(const QListWidget& list)
{
    QStringList texts;
    for (int n = 0; n < list.count(); ++n)
        texts << list.item(n)->text();
    return texts;
}

class FileCommands : public KIN_WindowTest
{
protected:
    void SetUp() override
    {
        window.resize(1200, 900);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    void Trigger(const char* pPath) const
    {
        QAction* pQAction = KIN_FindMenuAction(window, S(pPath));
        ASSERT_NE(pQAction, nullptr) << pPath;
        pQAction->trigger();
    }

    // A diagram with periods, a link and an image, as after some editing.
    void FillDiagram()
    {
        window.GetSession()->GetDocument()->SetLimits(18, 38, 12, false);
        window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 1950, 1, 2, "Ada"));
        window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1920, 1990, 4, 2, "Bo"));
        window.GetSession()->GetDocument()->AddLink(KIN_DataLink{1, 2, 1, 0});
        KIN_DataImage image;
        image.x = 200;
        image.y = 9600;
        image.file = "missing.png";
        window.GetSession()->GetDocument()->AddImage(image);
        window.RefreshAll();
    }

    QString Title(const char* pName) const { return S("Kinvora IHM - \"") + S(pName) + S("\""); }
};
} // namespace

TEST_F(FileCommands, NewAsksForLimitsAndDropsPeriodsAndLinksButKeepsPictures)
{
    FillDiagram();
    window.GetSession()->SaveFile(KIT_ToBytes(folder.Path(S("family.xml"))));
    ASSERT_EQ(window.windowTitle(), Title("family.xml"));
    ItemOf(1)->SelectPeriod();
    KIN_WhenModal<KIN_DlgDiagramLimits> dialog(
        [](KIN_DlgDiagramLimits& shown)
        {
            EXPECT_EQ(shown.windowTitle(), S("Create a new diagram"));
            EXPECT_EQ(KIN_CellOf<QComboBox>(shown, 0, 1)->currentIndex(), 18);
            EXPECT_EQ(KIN_CellOf<QComboBox>(shown, 1, 1)->currentIndex(), 38);
            EXPECT_EQ(KIN_CellOf<QLineEdit>(shown, 2, 1)->text(), S("12"));
            KIN_CellOf<QComboBox>(shown, 0, 1)->setCurrentIndex(20);
            KIN_CellOf<QComboBox>(shown, 1, 1)->setCurrentIndex(39);
            KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 2, 1), S("15"));
            KIN_PressOk(shown);
        });
    Trigger("&File/&New");
    ASSERT_TRUE(dialog.Seen());
    EXPECT_TRUE(Content().periods.empty());
    EXPECT_TRUE(Content().links.empty());
    ASSERT_EQ(Content().images.size(), 1u);
    EXPECT_EQ(Content().images[0].file, "missing.png");
    EXPECT_TRUE(window.GetView()->GetPeriods().empty());
    EXPECT_TRUE(window.GetView()->GetLinks().empty());
    EXPECT_EQ(window.GetView()->GetImages().size(), 1u);
    EXPECT_EQ(window.GetPeriodList()->count(), 0);
    EXPECT_EQ(Current(), nullptr);
    EXPECT_FALSE(window.GetActionChangePeriod()->isEnabled());
    EXPECT_EQ(window.GetView()->GetScene()->sceneRect().width(), 1500);
    EXPECT_EQ(Autosave(), "<kinvora>\n\t<E b=\"20\" e=\"39\" w=\"15\" />\n"
                          "\t<I x=\"200\" y=\"9600\" s=\"1\" f=\"missing__tag46__png\" />\n"
                          "</kinvora>\n");
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), "./autosave.xml");
    EXPECT_EQ(window.windowTitle(), Title("autosave.xml"));
    // The user's own file is not touched.
    EXPECT_NE(folder.Read(S("family.xml")).find("t=\"Ada\""), std::string::npos);
}

TEST_F(FileCommands, NewCancelledChangesAndRewritesNothing)
{
    FillDiagram();
    MarkAutosave();
    for (const KIN_Dismissal dismissal :
         {KIN_Dismissal::Cancel, KIN_Dismissal::Escape, KIN_Dismissal::Close})
    {
        KIN_WhenModal<KIN_DlgDiagramLimits> dialog(
            [dismissal](KIN_DlgDiagramLimits& shown)
            {
                KIN_CellOf<QComboBox>(shown, 0, 1)->setCurrentIndex(3);
                KIN_TypeInto(KIN_CellOf<QLineEdit>(shown, 2, 1), S("40"));
                KIN_Dismiss(shown, dismissal);
            });
        Trigger("&File/&New");
        ASSERT_TRUE(dialog.Seen());
    }
    EXPECT_EQ(Autosave(), Marker);
    EXPECT_EQ(Content().periods.size(), 2u);
    EXPECT_EQ(Content().links.size(), 1u);
    EXPECT_EQ(Content().images.size(), 1u);
    EXPECT_EQ(Content().begin, 18);
    EXPECT_EQ(Content().width, 12);
    EXPECT_EQ(window.GetView()->GetPeriods().size(), 2u);
    EXPECT_EQ(window.windowTitle(), Title("."));
}

TEST_F(FileCommands, SaveWritesExactlyTheChosenNameAndNamesItInTheTitle)
{
    FillDiagram();
    MarkAutosave();
    const QString chosen = folder.Path(S("family"));
    {
        KIN_FileDialogAnswer answer(chosen);
        Trigger("&File/&Save");
        ASSERT_TRUE(answer.Seen());
        EXPECT_EQ(answer.Shown().caption, S("Select a file to save."));
        EXPECT_EQ(answer.Shown().filters, QStringList{S("Kinvora file (*.xml)")});
        EXPECT_EQ(answer.Shown().mode, QFileDialog::AcceptSave);
        EXPECT_EQ(answer.Shown().folder, QDir::currentPath()); // the start place "."
    }
    EXPECT_FALSE(QFile::exists(chosen + S(".xml")));
    const std::string written = folder.Read(S("family"));
    EXPECT_NE(written.find("t=\"Ada\""), std::string::npos);
    EXPECT_NE(written.find("<L i1=\"1\" i2=\"2\" p1=\"1\" p2=\"0\" />"), std::string::npos);
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), KIT_ToBytes(chosen));
    EXPECT_EQ(window.windowTitle(), Title("family"));
    EXPECT_EQ(Autosave(), Marker); // Save writes only the chosen file

    // Cancelled: nothing changes; the dialog starts at the current file.
    {
        KIN_FileDialogAnswer answer{QString()};
        Trigger("&File/&Save");
        ASSERT_TRUE(answer.Seen());
        EXPECT_EQ(answer.Shown().folder, QFileInfo(chosen).absolutePath());
    }
    EXPECT_EQ(window.windowTitle(), Title("family"));

    // The next change rewrites the autosave, not the user's file.
    window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1700, 1750, 0, 2, "Cy"));
    window.RefreshAll();
    EXPECT_NE(Autosave().find("t=\"Cy\""), std::string::npos);
    EXPECT_EQ(folder.Read(S("family")), written);
}

TEST_F(FileCommands, TitleNamesOnlyTheFileAfterBackslashesOrSlashes)
{
    window.GetSession()->SaveFile("D:\\work\\family.xml");
    EXPECT_EQ(window.windowTitle(), Title("family.xml"));
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), "D:\\work\\family.xml");
    ASSERT_TRUE(QDir(folder.Path(QString())).mkpath(S("home/u")));
    const std::string slashed = KIT_ToBytes(folder.Path(S("home/u/family.xml")));
    window.GetSession()->SaveFile(slashed);
    EXPECT_EQ(window.windowTitle(), Title("family.xml"));
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), slashed);
    EXPECT_EQ(folder.Read(S("home/u/family.xml")), g_pEmptyDiagram);
    window.GetSession()->SaveFile(std::string());
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), slashed);
}

TEST_F(FileCommands, LoadShowsTheChosenFileWhateverItsExtension)
{
    ASSERT_TRUE(QDir(folder.Path(QString())).mkpath(S("kept")));
    ASSERT_TRUE(folder.Write(S("kept/family.kin"), g_pTwoPeriods));
    MarkAutosave();
    const QString chosen = folder.Path(S("kept/family.kin"));
    {
        KIN_FileDialogAnswer answer(chosen);
        Trigger("&File/&Load");
        ASSERT_TRUE(answer.Seen());
        EXPECT_EQ(answer.Shown().caption, S("Select a file to load."));
        EXPECT_EQ(answer.Shown().filters, QStringList{S("Kinvora file (*.xml)")});
        EXPECT_EQ(answer.Shown().mode, QFileDialog::AcceptOpen);
        EXPECT_EQ(answer.Shown().folder, QDir::currentPath());
    }
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), KIT_ToBytes(chosen));
    EXPECT_EQ(window.windowTitle(), Title("family.kin"));
    ASSERT_EQ(window.GetView()->GetPeriods().size(), 2u);
    EXPECT_FALSE(window.GetView()->GetLinks().empty());
    EXPECT_EQ(ListTexts(*window.GetPeriodList()),
              QStringList({S("1900, 1950, Ada"), S("1920, 1990, Bo")}));
    EXPECT_EQ(Autosave(), g_pTwoPeriods); // the loaded diagram is autosaved as it is
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);

    // The next Load starts at the current file; a cancelled one changes nothing.
    {
        KIN_FileDialogAnswer answer{QString()};
        Trigger("&File/&Load");
        ASSERT_TRUE(answer.Seen());
        EXPECT_EQ(answer.Shown().folder, folder.Path(S("kept")));
    }
    EXPECT_EQ(window.windowTitle(), Title("family.kin"));
    EXPECT_EQ(window.GetView()->GetPeriods().size(), 2u);
}

TEST_F(FileCommands, ExportWritesAPngOfTheWholeDiagramUnderTheChosenName)
{
    FillDiagram();
    MarkAutosave();
    const QString chosen = folder.Path(S("picture.jpg"));
    {
        KIN_FileDialogAnswer answer(chosen);
        Trigger("&File/Export &image");
        ASSERT_TRUE(answer.Seen());
        EXPECT_EQ(answer.Shown().caption, S("Define an image file to export."));
        EXPECT_EQ(answer.Shown().filters, QStringList{S("Image file (*.png)")});
        EXPECT_EQ(answer.Shown().mode, QFileDialog::AcceptSave);
        EXPECT_EQ(answer.Shown().folder, QDir::currentPath());
    }
    EXPECT_EQ(folder.Read(S("picture.jpg")).substr(0, 8), std::string("\x89PNG\r\n\x1a\n"));
    QImage exported;
    ASSERT_TRUE(exported.load(chosen, "PNG"));
    const QRectF scene = window.GetView()->GetScene()->sceneRect();
    EXPECT_EQ(exported.width(), static_cast<int>(scene.width()) + 202);
    EXPECT_EQ(exported.height(), static_cast<int>(scene.height()) + 100);
    EXPECT_EQ(window.GetView()->GetScene()->sceneRect(), scene);
    EXPECT_EQ(window.windowTitle(), Title("."));
    EXPECT_EQ(Autosave(), Marker);
    {
        KIN_FileDialogAnswer answer{QString()};
        Trigger("&File/Export &image");
        ASSERT_TRUE(answer.Seen());
        EXPECT_EQ(answer.Shown().folder, QDir::currentPath()); // always from "."
    }
    EXPECT_TRUE(window.findChildren<QMessageBox*>().isEmpty());
}

TEST(FileCommandsRestart, ASecondStartShowsTheFirstRunsDiagram)
{
    KIN_TestFolder folder;
    {
        KIN_MainWindow first;
        EXPECT_EQ(first.windowTitle(), S("Kinvora IHM - \".\""));
        for (const char* pTitle : {"Ada", "Bo"})
        {
            KIN_WhenModal<KIN_DlgPeriodLimits> dialog(
                [pTitle](KIN_DlgPeriodLimits& shown)
                {
                    KIN_TitleEditor(shown)->setPlainText(S(pTitle));
                    KIN_TypeInto(KIN_BeginField(shown), S("1900"));
                    KIN_TypeInto(KIN_EndField(shown), S("1950"));
                    KIN_PressOk(shown);
                });
            first.SlotMenu_EditNewPeriod_triggered(false);
            ASSERT_TRUE(dialog.Seen());
        }
        KIN_DataLink link{1, 2, 1, 0};
        first.AddLink(link);
    }
    KIN_MainWindow second;
    EXPECT_EQ(second.windowTitle(), S("Kinvora IHM - \"autosave.xml\""));
    EXPECT_EQ(second.GetSession()->GetCurrentFile(), "./autosave.xml");
    const KIN_DataDiagram& content = *second.GetSession()->GetDocument()->GetData();
    ASSERT_EQ(content.periods.size(), 2u);
    EXPECT_EQ(content.periods[1].title, "Bo");
    EXPECT_EQ(content.periods[1].id, 2);
    EXPECT_EQ(content.links.size(), 1u);
    EXPECT_EQ(ListTexts(*second.GetPeriodList()),
              QStringList({S("1900, 1950, Ada"), S("1900, 1950, Bo")}));
    EXPECT_TRUE(second.findChildren<QMessageBox*>().isEmpty());
}
