// What a user's files and words go through unchanged: a decimal comma locale, file names
// holding "%1", saves a crash cut short, equal list entries, and a last autosave that failed.
#include "KIN_CommaLocale.h"
#include "KIN_DocumentSession.h"
#include "KIN_ItemListPeriod.h"
#include "KIN_TestMenus.h"
#include "KIN_WidgetFindPeriod.h"
#include "KIN_WindowDriver.h"
#include "KIT_QT_ListWidget0.h"
#include "KIT_QtText.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <algorithm>
#include <numeric>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

namespace
{
const char* const g_pPictureDiagram =
    "<kinvora>\n\t<E b=\"18\" e=\"38\" w=\"10\" />\n"
    "\t<P b=\"1900\" e=\"1950\" w=\"2\" s=\"1\" i=\"1\" t=\"Ada\" d=\"\" cp=\"-1\" cb=\"-1\" "
    "ct=\"-1\" />\n"
    "\t<I x=\"50\" y=\"9000\" s=\"0.5\" f=\"pic.png\" />\n</kinvora>\n";

// The pid of a process that has ended.
pid_t EndedProcess()
{
    const pid_t nChild = ::fork();
    if (nChild == 0)
        ::_exit(0);
    ::waitpid(nChild, nullptr, 0);
    return nChild;
}

int CountOfColour(const QImage& image, QRgb colour)
{
    int nCount = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            nCount += image.pixel(x, y) == colour;
    return nCount;
}

class FileSafety : public KIN_WindowTest
{
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    // Removes the working folder: every autosave from now on fails.
    void BreakAutosave()
    {
        window.GetSession()->WaitForAutosave();
        ASSERT_TRUE(QDir(folder.Path(QString())).removeRecursively());
        window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 1950, 1, 2, "Unsaved"));
        window.ChangePeriod(Content().periods.back());
        window.GetSession()->WaitForAutosave();
        QApplication::processEvents(); // the failure's own warning
        for (QMessageBox* pQBox : Warnings(window))
            pQBox->accept();
        QApplication::processEvents();
    }
};
} // namespace

TEST_F(FileSafety, ADecimalCommaLocaleKeepsPictureScales)
{
    QImage picture(40, 20, QImage::Format_ARGB32);
    picture.fill(Qt::magenta);
    ASSERT_TRUE(picture.save(folder.Path(S("pic.png"))));
    ASSERT_TRUE(folder.Write(S("family.xml"), g_pPictureDiagram));
    QImage pointExport;
    window.LoadFile(KIT_ToBytes(folder.Path(S("family.xml"))));
    window.GetView()->RenderToImage(pointExport);

    const KIN_CommaLocale locale;
    if (!KIN_CommaLocale::Active())
        GTEST_SKIP() << KIN_CommaLocale::SkipReason();
    window.LoadFile(KIT_ToBytes(folder.Path(S("family.xml"))));
    ASSERT_EQ(Content().images.size(), 1u);
    EXPECT_EQ(Content().images[0].scale, 0.5);
    window.GetSession()->SaveFile(KIT_ToBytes(folder.Path(S("saved.xml"))));
    EXPECT_NE(folder.Read(S("saved.xml")).find("s=\"0.5\""), std::string::npos);
    EXPECT_NE(Autosave().find("s=\"0.5\""), std::string::npos);
    QImage commaExport;
    window.GetView()->RenderToImage(commaExport);
    EXPECT_EQ(CountOfColour(commaExport, QColor(Qt::magenta).rgb()), 20 * 10);
    EXPECT_TRUE(commaExport == pointExport);
}

TEST_F(FileSafety, WarningsShowFileNamesHoldingPlaceholdersAsTheyAre)
{
    const QString notGedcom = folder.Path(S("tree%1%2.ged"));
    ASSERT_TRUE(folder.Write(S("tree%1%2.ged"), "just some words\n"));
    EXPECT_FALSE(window.ImportGedcom(KIT_ToBytes(notGedcom)));
    const QList<QMessageBox*> boxes = Warnings(window);
    ASSERT_EQ(boxes.size(), 1);
    const QString text = boxes[0]->text();
    EXPECT_TRUE(text.contains(notGedcom + QLatin1Char('\n'))) << text.toStdString();
    EXPECT_TRUE(text.contains(S("Not a GEDCOM file"))) << text.toStdString();
    EXPECT_TRUE(text.endsWith(S("The diagram shown is unchanged."))) << text.toStdString();
}

TEST_F(FileSafety, SavingRemovesOnlyItsOwnFilesLeftByEndedWriters)
{
    const QString ended = QString::number(EndedProcess());
    const QStringList leftovers = {
        S("family.xml.saving-") + ended + S("-1"), S("family.xml.saving-") + ended + S("-7"),
        S("family.xml.saving-1-1"), // pid 1 always runs
        S("other.xml.saving-") + ended + S("-1"), S("family.xml.saving-x-1")};
    for (const QString& name : leftovers)
        ASSERT_TRUE(folder.Write(name, "half a diagram"));
    window.GetSession()->SaveFile(KIT_ToBytes(folder.Path(S("family.xml"))));
    for (const QString& name : leftovers)
        EXPECT_EQ(QFile::exists(folder.Path(name)), !name.contains(S("family.xml.saving-") + ended))
            << name.toStdString();
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), KIT_ToBytes(folder.Path(S("family.xml"))));
}

TEST_F(FileSafety, EqualEntriesListInTheDocumentsOrderAndEnterPicksTheFirst)
{
    // More than a sort handles by insertion: an unstable sort shows its order there.
    std::vector<std::int32_t> ids(60);
    std::iota(ids.begin(), ids.end(), 1);
    std::shuffle(ids.begin(), ids.end(), std::mt19937(23));
    for (const std::int32_t nId : ids)
    {
        KIN_DataPeriod period = KIN_MakePeriod(1850, 1910, nId % 8, 1, "Anna");
        period.id = nId;
        window.GetSession()->GetDocument()->AddPeriod(period);
    }
    window.RefreshAll();
    std::vector<std::int32_t> listed;
    const KIT_QT_ListWidget0* pList = window.GetPeriodList();
    for (int n = 0; n < pList->count(); ++n)
        if (const auto* pEntry = dynamic_cast<const KIN_ItemListPeriod*>(pList->item(n)))
            listed.push_back(pEntry->GetPeriodItem()->GetRecord().id);
    std::vector<std::int32_t> documentOrder;
    for (const KIN_DataPeriod& period : Content().periods)
        documentOrder.push_back(period.id);
    EXPECT_EQ(listed, documentOrder);

    QTest::keyClicks(window.GetFindPeriod(), S("anna"));
    QTest::keyClick(window.GetFindPeriod(), Qt::Key_Return);
    ASSERT_NE(Current(), nullptr);
    EXPECT_EQ(Current()->GetRecord().id, documentOrder.front());
}

TEST_F(FileSafety, ClosingWaitsForTheAutosaveAndClosesAtOnceWhenItWorked)
{
    AddPeriods({KIN_MakePeriod(1900, 1950, 1, 2, "Ada")});
    window.ChangePeriod(Content().periods[0]);
    const KIN_QuestionAnswer question(QMessageBox::Cancel);
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(question.Seen());
    EXPECT_NE(folder.Read(S("autosave.xml")).find("Ada"), std::string::npos);
}

TEST_F(FileSafety, AFailedLastAutosaveKeepsTheWindowUntilTheUserDecides)
{
    BreakAutosave();
    {
        const KIN_QuestionAnswer back(QMessageBox::Cancel);
        EXPECT_FALSE(window.close());
        ASSERT_TRUE(back.Seen());
        EXPECT_EQ(back.Icon(), QMessageBox::Warning);
        EXPECT_TRUE(back.Text().startsWith(S("The autosave could not be written to:\n")))
            << back.Text().toStdString();
        EXPECT_TRUE(back.Text().contains(S("autosave.xml"))) << back.Text().toStdString();
        EXPECT_TRUE(window.isVisible());
    }
    const QTemporaryDir elsewhere;
    const QString target = elsewhere.filePath(S("rescued.xml"));
    const KIN_QuestionAnswer save(QMessageBox::Save);
    const KIN_FileDialogAnswer file(target);
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(file.Seen());
    QFile rescued(target);
    ASSERT_TRUE(rescued.open(QIODevice::ReadOnly));
    EXPECT_TRUE(rescued.readAll().contains("Unsaved"));
    EXPECT_EQ(window.GetSession()->GetCurrentFile(), KIT_ToBytes(target));
}

TEST_F(FileSafety, AFailedLastAutosaveMayBeGivenUp)
{
    BreakAutosave();
    const KIN_QuestionAnswer drop(QMessageBox::Discard);
    EXPECT_TRUE(window.close());
    EXPECT_TRUE(drop.Seen());
    EXPECT_TRUE(Warnings(window).isEmpty());
}
