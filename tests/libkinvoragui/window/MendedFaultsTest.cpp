// Start-up with an unreadable autosave, failed file commands, atomic autosaves and exports.
#include "KIN_DocumentSession.h"
#include "KIN_TestMenus.h"
#include "KIN_WindowDriver.h"
#include "KIT_QtText.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{
const char* const g_pEmptyDiagram = "<kinvora>\n\t<E b=\"0\" e=\"40\" w=\"10\" />\n</kinvora>\n";
const char* const g_pBroken = "<kinvora>\n\t<E b=\"18\" e=\"38\" w=\"12\" />\n\t<P b=\"19";
const char* const g_pWriterVariable = "KINVORA_TEST_AUTOSAVE_WRITER";
constexpr std::size_t g_nWriterPeriods = 4000;

QStringList RescuedCopies()
{
    return QDir::current().entryList({S("autosave.xml.unreadable-*")}, QDir::Files, QDir::Name);
}

class FailedFileCommands : public KIN_WindowTest
{
protected:
    void SetUp() override
    {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        window.GetSession()->GetDocument()->SetLimits(18, 38, 12, false);
        window.GetSession()->GetDocument()->AddPeriod(KIN_MakePeriod(1900, 1950, 1, 2, "Ada"));
        window.RefreshAll();
        m_saved = KIT_ToBytes(folder.Path(S("family.xml")));
        window.GetSession()->SaveFile(m_saved);
        ASSERT_EQ(window.windowTitle(), S("Kinvora IHM - \"family.xml\""));
        ASSERT_TRUE(Warnings(window).isEmpty());
    }

    // The window as the failed command must leave it: same document, views, file and title.
    void ExpectUnchanged(const KIN_GraphicPeriod* pItemBefore) const
    {
        EXPECT_EQ(window.GetSession()->GetCurrentFile(), m_saved);
        EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \"family.xml\""));
        ASSERT_EQ(Content().periods.size(), 1u);
        EXPECT_EQ(Content().periods[0].title, "Ada");
        EXPECT_EQ(Content().begin, 18);
        EXPECT_EQ(Content().end, 38);
        EXPECT_EQ(Content().width, 12);
        EXPECT_EQ(ItemOf(1), pItemBefore);
    }

    // One warning box, open without blocking, whose text names the file.
    void ExpectWarningNaming(const QString& path) const
    {
        const QList<QMessageBox*> boxes = Warnings(window);
        ASSERT_EQ(boxes.size(), 1);
        EXPECT_EQ(boxes[0]->windowTitle(), S("Warning"));
        EXPECT_TRUE(boxes[0]->text().contains(path)) << boxes[0]->text().toStdString();
        boxes[0]->accept();
        QApplication::processEvents();
        EXPECT_TRUE(Warnings(window).isEmpty());
    }

    std::string m_saved;
};
} // namespace

TEST(UnreadableAutosave, IsMovedAsideReportedAndReplacedByTheEmptyDiagram)
{
    KIN_TestFolder folder;
    ASSERT_TRUE(folder.Write(S("autosave.xml"), g_pBroken));
    KIN_MainWindow window;
    const QStringList copies = RescuedCopies();
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(QRegularExpression(S("^autosave\\.xml\\.unreadable-\\d{8}-\\d{6}$"))
                    .match(copies[0])
                    .hasMatch())
        << copies[0].toStdString();
    EXPECT_EQ(folder.Read(copies[0]), g_pBroken);
    window.GetSession()->WaitForAutosave();
    EXPECT_EQ(folder.Read(S("autosave.xml")), g_pEmptyDiagram);
    EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \".\""));
    EXPECT_TRUE(window.GetView()->GetPeriods().empty());

    const QList<QMessageBox*> boxes = Warnings(window);
    ASSERT_EQ(boxes.size(), 1);
    const QString where = QFileInfo(folder.Path(copies[0])).absoluteFilePath();
    EXPECT_TRUE(boxes[0]->text().contains(where)) << boxes[0]->text().toStdString();
    EXPECT_FALSE(boxes[0]->text().contains(S("/./")));
    EXPECT_NE(boxes[0]->windowModality(), Qt::ApplicationModal);
}

TEST(UnreadableAutosave, NeverOverwritesAnEarlierCopy)
{
    KIN_TestFolder folder;
    // Earlier copies under every name this start could take in the next seconds.
    const QDateTime now = QDateTime::currentDateTime();
    QStringList earlier;
    for (int nSecond = 0; nSecond < 3; ++nSecond)
    {
        const QString name =
            S("autosave.xml.unreadable-") + now.addSecs(nSecond).toString(S("yyyyMMdd-HHmmss"));
        earlier << name << name + S("-2");
    }
    for (const QString& name : earlier)
        ASSERT_TRUE(folder.Write(name, "earlier copy " + name.toStdString()));
    ASSERT_TRUE(folder.Write(S("autosave.xml"), "not a diagram"));
    KIN_MainWindow window;

    QStringList added = RescuedCopies();
    for (const QString& name : earlier)
    {
        EXPECT_EQ(folder.Read(name), "earlier copy " + name.toStdString());
        added.removeOne(name);
    }
    ASSERT_EQ(added.size(), 1);
    EXPECT_TRUE(added[0].endsWith(S("-3"))) << added[0].toStdString();
    EXPECT_EQ(folder.Read(added[0]), "not a diagram");
    ASSERT_EQ(Warnings(window).size(), 1);
    EXPECT_TRUE(Warnings(window)[0]->text().contains(added[0]));
}

TEST(UnreadableAutosave, AMissingOrValidAutosaveIsLeftWhereItIs)
{
    {
        KIN_TestFolder folder;
        KIN_MainWindow window;
        EXPECT_TRUE(RescuedCopies().isEmpty());
        EXPECT_TRUE(Warnings(window).isEmpty());
    }
    KIN_TestFolder folder;
    ASSERT_TRUE(folder.Write(S("autosave.xml"), g_pEmptyDiagram));
    KIN_MainWindow window;
    EXPECT_TRUE(RescuedCopies().isEmpty());
    EXPECT_TRUE(Warnings(window).isEmpty());
    EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \"autosave.xml\""));
}

TEST_F(FailedFileCommands, SaveNamesTheFileAndKeepsTheCurrentOne)
{
    const KIN_GraphicPeriod* pItem = ItemOf(1);
    const QString target = folder.Path(S("missing/other.xml"));
    window.GetSession()->SaveFile(KIT_ToBytes(target));
    ExpectUnchanged(pItem);
    ExpectWarningNaming(target);
    EXPECT_FALSE(QFile::exists(target));

    KIN_FileDialogAnswer answer(target);
    QAction* pQSave = KIN_FindMenuAction(window, S("&File/&Save"));
    pQSave->trigger();
    ASSERT_TRUE(answer.Seen());
    ExpectUnchanged(pItem);
    ExpectWarningNaming(target);
}

TEST_F(FailedFileCommands, LoadAfterStartUpNamesTheFileAndChangesNothing)
{
    const KIN_GraphicPeriod* pItem = ItemOf(1);
    MarkAutosave();
    const QString missing = folder.Path(S("missing.xml"));
    window.LoadFile(KIT_ToBytes(missing));
    ExpectUnchanged(pItem);
    ExpectWarningNaming(missing);

    ASSERT_TRUE(folder.Write(S("broken.xml"), g_pBroken));
    const QString broken = folder.Path(S("broken.xml"));
    KIN_FileDialogAnswer answer(broken);
    KIN_FindMenuAction(window, S("&File/&Load"))->trigger();
    ASSERT_TRUE(answer.Seen());
    ExpectUnchanged(pItem);
    ExpectWarningNaming(broken);
    EXPECT_EQ(Autosave(), Marker);
    EXPECT_EQ(folder.Read(S("broken.xml")), g_pBroken); // never moved aside after start-up
    EXPECT_TRUE(RescuedCopies().isEmpty());
}

TEST_F(FailedFileCommands, ExportNamesTheFile)
{
    const KIN_GraphicPeriod* pItem = ItemOf(1);
    const QString target = folder.Path(S("missing/picture.png"));
    KIN_FileDialogAnswer answer(target);
    KIN_FindMenuAction(window, S("&File/Export &image"))->trigger();
    ASSERT_TRUE(answer.Seen());
    ExpectUnchanged(pItem);
    ExpectWarningNaming(target);
}

TEST(ExportImage, IsOpaqueWhiteWhereNothingIsDrawn)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    const QString target = folder.Path(S("empty.png"));
    {
        KIN_FileDialogAnswer answer(target);
        window.SlotMenu_FileExport_triggered(false);
        ASSERT_TRUE(answer.Seen());
    }
    QImage exported;
    ASSERT_TRUE(exported.load(target, "PNG"));
    ASSERT_FALSE(exported.isNull());
    exported = exported.convertToFormat(QImage::Format_ARGB32);
    int nTransparent = 0;
    for (int y = 0; y < exported.height(); ++y)
        for (int x = 0; x < exported.width(); ++x)
            nTransparent += qAlpha(exported.pixel(x, y)) != 255;
    EXPECT_EQ(nTransparent, 0);
    // Left of the frame, above the first label: background only.
    EXPECT_EQ(exported.pixel(2, 2), qRgba(255, 255, 255, 255));
    EXPECT_EQ(exported.pixel(exported.width() - 1, exported.height() - 1),
              qRgba(255, 255, 255, 255));
}

TEST(ExportImage, IsTheSameAtEveryZoomAndScrollPosition)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    window.resize(900, 700);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    KIN_IDataFile* pDocument = window.GetSession()->GetDocument();
    pDocument->SetLimits(18, 38, 12, false);
    pDocument->AddPeriod(KIN_MakePeriod(1900, 1950, 1, 2, "Ada\nLovelace"));
    pDocument->AddPeriod(KIN_MakePeriod(1960, 1999, 4, 3, "Bo"));
    pDocument->AddLink(KIN_DataLink{1, 2, 1, 0});
    window.RefreshAll();
    const auto exportTo = [&](const char* pName)
    {
        KIN_FileDialogAnswer answer(folder.Path(S(pName)));
        window.SlotMenu_FileExport_triggered(false);
        EXPECT_TRUE(answer.Seen());
        QImage image;
        EXPECT_TRUE(image.load(folder.Path(S(pName)), "PNG"));
        return image;
    };
    const QImage atOne = exportTo("one.png");
    window.SlotMenu_ZoomIn_triggered(false);
    window.SlotMenu_ZoomIn_triggered(false);
    ASSERT_EQ(window.GetZoomFactor(), 4.0);
    window.GetView()->centerOn(900, 9700);
    const QImage atFour = exportTo("four.png");
    ASSERT_FALSE(atOne.isNull());
    EXPECT_EQ(atFour.size(), atOne.size());
    EXPECT_TRUE(atFour == atOne);
    EXPECT_EQ(folder.Read(S("four.png")), folder.Read(S("one.png")));
    for (int n = 0; n < 7; ++n)
        window.SlotMenu_ZoomOut_triggered(false);
    ASSERT_EQ(window.GetZoomFactor(), 0.03125);
    EXPECT_TRUE(exportTo("tiny.png") == atOne);
}

namespace
{
// The writer's diagram of a generation: the limits and the first and last titles change,
// so a file made of two generations cannot pass for one.
std::string GenerationTitle(long nGeneration, const char* pWhere)
{
    return "generation " + std::to_string(nGeneration) + ' ' + pWhere;
}

std::int32_t GenerationWidth(long nGeneration)
{
    return static_cast<std::int32_t>(10 + nGeneration % 20);
}

void SetGeneration(KIN_IDataFile& document, long nGeneration)
{
    KIN_DataPeriod first = document.GetData()->periods.front();
    KIN_DataPeriod last = document.GetData()->periods.back();
    first.title = GenerationTitle(nGeneration, "first");
    last.title = GenerationTitle(nGeneration, "last");
    document.ChangePeriod(first);
    document.ChangePeriod(last);
    document.SetLimits(18, 38, GenerationWidth(nGeneration), false);
}

// The generation the file holds (0 before the first), -1 when it is not one whole one.
long GenerationOf(const KIN_DataDiagram& diagram)
{
    if (diagram.periods.empty())
        return 0;
    if (diagram.periods.size() != g_nWriterPeriods)
        return -1;
    const std::string& title = diagram.periods.front().title;
    const std::size_t nPrefix = std::strlen("generation ");
    const long nGeneration = title.size() > nPrefix ? std::atol(title.c_str() + nPrefix) : -1;
    const bool bWhole = title == GenerationTitle(nGeneration, "first") &&
                        diagram.periods.back().title == GenerationTitle(nGeneration, "last") &&
                        diagram.width == GenerationWidth(nGeneration);
    return bWhole ? nGeneration : -1;
}

// The last generation the writer reported saved in its output, or the given one.
long LastSavedGeneration(const QByteArray& output, long nPrevious)
{
    const qsizetype nAt = output.lastIndexOf("saved ");
    if (nAt < 0)
        return nPrevious;
    const qsizetype nEnd = output.indexOf('\n', nAt);
    return nEnd < 0 ? nPrevious : output.mid(nAt + 6, nEnd - nAt - 6).toLong();
}

} // namespace

// Run as a child process by AtomicAutosave: from what the start-up loaded, autosaves one
// generation after the other until it is killed.
TEST(AutosaveWriter, SavesUntilKilled)
{
    const QByteArray folder = qgetenv(g_pWriterVariable);
    if (folder.isEmpty())
        GTEST_SKIP() << "runs only as the child of AtomicAutosave";
    ASSERT_TRUE(QDir::setCurrent(QString::fromLocal8Bit(folder)));
    KIN_MainWindow window;
    KIN_IDataFile* pDocument = window.GetSession()->GetDocument();
    long nGeneration = GenerationOf(*pDocument->GetData());
    ASSERT_GE(nGeneration, 0);
    if (nGeneration == 0)
    {
        while (pDocument->GetData()->periods.size() < g_nWriterPeriods)
            pDocument->AddPeriod(KIN_MakePeriod(1900, 1950, 3, 2,
                                                "A title long enough to make the file large; "
                                                "with \"quotes\" & <signs> to escape"));
    }
    std::puts("ready");
    std::fflush(stdout);
    QElapsedTimer clock;
    clock.start();
    while (!clock.hasExpired(60000))
    {
        SetGeneration(*pDocument, ++nGeneration);
        window.GetSession()->AutoSave();
        window.GetSession()->WaitForAutosave();
        std::printf("saved %ld\n", nGeneration);
        std::fflush(stdout);
    }
}

namespace
{
// Sanitized builds run the same check less often and give each writer longer before the
// kill: each start and each flushed save is slow there.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int g_nKillRounds = 30;
constexpr unsigned g_nMaxKillDelayUs = 200000;
#else
constexpr int g_nKillRounds = 300;
constexpr unsigned g_nMaxKillDelayUs = 40000;
#endif
} // namespace

TEST(AtomicAutosave, KillingTheProgramWhileItSavesLeavesTheOldOrTheNewDiagram)
{
    KIN_TestFolder folder;
    ASSERT_TRUE(QDir(folder.Path(QString())).mkpath(S("tmp")));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(S(g_pWriterVariable), folder.Path(QString()));
    environment.insert(S("QT_QPA_PLATFORM"), S("offscreen"));
    environment.insert(S("TMPDIR"), folder.Path(S("tmp"))); // the child's own working folder
    long nSaved = 0; // the generation the autosave must hold, or the one after it
    int nKilledWhileSaving = 0;
    for (int nRound = 0; nRound < g_nKillRounds; ++nRound)
    {
        QProcess writer;
        writer.setProcessEnvironment(environment);
        writer.start(QCoreApplication::applicationFilePath(),
                     {S("--gtest_filter=AutosaveWriter.SavesUntilKilled")});
        ASSERT_TRUE(writer.waitForStarted(10000));
        QByteArray output;
        while (!output.contains("ready") && writer.waitForReadyRead(20000))
            output += writer.readAllStandardOutput();
        ASSERT_TRUE(output.contains("ready")) << output.toStdString();
        // Every tenth writer saves once before its kill, however slow a loaded machine is.
        while (nRound % 10 == 0 && !output.contains("saved ") && writer.waitForReadyRead(20000))
            output += writer.readAllStandardOutput();
        QThread::usleep(QRandomGenerator::global()->bounded(0u, g_nMaxKillDelayUs));
        writer.kill();
        ASSERT_TRUE(writer.waitForFinished(10000));
        output += writer.readAllStandardOutput();
        nSaved = LastSavedGeneration(output, nSaved);
        // A save cut short leaves its unfinished file beside the autosave.
        nKilledWhileSaving +=
            !QDir::current().entryList({S("autosave.xml.saving-*")}, QDir::Files).isEmpty();

        const sp<KIN_IDataFile> check = CreateDataFile();
        ASSERT_TRUE(check->Load("./autosave.xml")) << "round " << nRound;
        const long nHeld = GenerationOf(*check->GetData());
        ASSERT_TRUE(nHeld == nSaved || nHeld == nSaved + 1)
            << "round " << nRound << ": holds " << nHeld << ", saved " << nSaved;
        nSaved = nHeld;
    }
    std::printf("%d kills, %d of them during a save, %ld generations saved\n", g_nKillRounds,
                nKilledWhileSaving, nSaved);
    // The kills landed both between saves and during them; the saves went on meanwhile, each
    // writer from what the one before it left.
    EXPECT_GE(nSaved, g_nKillRounds / 10);
    EXPECT_GT(nKilledWhileSaving, 0);
    // Each start clears what the killed writers left beside the file.
    EXPECT_LE(QDir::current().entryList({S("autosave.xml.saving-*")}, QDir::Files).size(), 1);
    KIN_MainWindow window;
    EXPECT_EQ(GenerationOf(*window.GetSession()->GetDocument()->GetData()), nSaved);
}
