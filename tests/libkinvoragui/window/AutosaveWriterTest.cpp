// The autosave writer: superseding, waiting, whole files and failure reports on the owner's
// thread.
#include "KIN_AutosaveWriter.h"
#include "KIN_DiagramFileFormat.h"
#include "KIN_TestDiagram.h"
#include "KIN_TestFolder.h"
#include "KIT_DurableFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <condition_variable>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <string>
#include <unistd.h>

namespace
{
const char* const g_pFile = "./autosave.xml";

// A diagram of a generation: the first and last titles and the width change, so a file made
// of two generations matches neither.
KIN_DataDiagram Generation(long nGeneration, std::size_t nPeriods = 2000)
{
    KIN_DataDiagram diagram;
    diagram.width = static_cast<std::int32_t>(10 + nGeneration % 20);
    for (std::size_t n = 0; n < nPeriods; ++n)
    {
        diagram.periods.push_back(KIN_MakePeriod(1900, 1950, 3, 2, "Title & \"quotes\" <here>"));
        diagram.periods.back().id = static_cast<std::int32_t>(n + 1);
    }
    diagram.periods.front().title = "generation " + std::to_string(nGeneration) + " first";
    diagram.periods.back().title = "generation " + std::to_string(nGeneration) + " last";
    diagram.links.push_back(KIN_DataLink{1, 2, 0, 4});
    diagram.images.push_back(KIN_DataImage{5, 6, 0.5, "picture.png", 0});
    return diagram;
}

bool Same(const KIN_DataDiagram& a, const KIN_DataDiagram& b)
{
    return a.periods == b.periods && a.links == b.links && a.images == b.images &&
           a.begin == b.begin && a.end == b.end && a.width == b.width;
}

// The generation the file holds whole, -1 when it holds none whole, 0 when it is missing.
long GenerationOnDisk()
{
    KIN_DataDiagram read;
    if (!KIN_DiagramFileFormat::Load(g_pFile, read))
        return 0;
    const std::string prefix = "generation ";
    const std::string& title = read.periods.empty() ? prefix : read.periods.front().title;
    const long nGeneration = title.compare(0, prefix.size(), prefix) == 0
                                 ? std::atol(title.c_str() + prefix.size())
                                 : -1;
    return Same(read, Generation(nGeneration, read.periods.size())) ? nGeneration : -1;
}

// Holds every save at its data sync until opened, so that posts find the worker busy.
struct SyncGate
{
    std::mutex mutex;
    std::condition_variable changed;
    bool bReached = false;
    bool bOpen = false;
};
SyncGate g_gate;

int GatedDataSync(int nFile)
{
    std::unique_lock<std::mutex> lock(g_gate.mutex);
    g_gate.bReached = true;
    g_gate.changed.notify_all();
    g_gate.changed.wait(lock, [] { return g_gate.bOpen; });
    return ::fdatasync(nFile);
}
} // namespace

TEST(BackgroundAutosave, PostsDuringASaveLeaveOnlyTheNewestToWrite)
{
    KIN_TestFolder folder;
    g_gate.bReached = false;
    g_gate.bOpen = false;
    KIT_DurableFile::SyncCalls gated = KIT_DurableFile::SystemSyncCalls();
    gated.pDataSync = GatedDataSync;
    const KIT_DurableFile::ScopedSyncCalls calls(gated);
    KIN_AutosaveWriter writer(g_pFile);
    writer.Post(Generation(1));
    {
        std::unique_lock<std::mutex> lock(g_gate.mutex);
        g_gate.changed.wait(lock, [] { return g_gate.bReached; });
    }
    for (long n = 2; n <= 30; ++n)
        writer.Post(Generation(n));
    {
        const std::lock_guard<std::mutex> lock(g_gate.mutex);
        g_gate.bOpen = true;
    }
    g_gate.changed.notify_all();
    writer.WaitUntilIdle();

    const KIN_AutosaveWriter::Counts counts = writer.GetCounts();
    EXPECT_EQ(counts.nPosted, 30u);
    EXPECT_EQ(counts.nSaved, 2u);
    EXPECT_EQ(counts.nSuperseded, 28u);
    EXPECT_EQ(counts.nFailed, 0u);
    EXPECT_EQ(GenerationOnDisk(), 30);
}

TEST(BackgroundAutosave, WaitingAndDestructionLeaveTheLastPostOnDisk)
{
    KIN_TestFolder folder;
    {
        KIN_AutosaveWriter writer(g_pFile);
        writer.WaitUntilIdle(); // nothing posted yet
        EXPECT_EQ(GenerationOnDisk(), 0);
        writer.Post(Generation(1));
        writer.WaitUntilIdle();
        EXPECT_EQ(GenerationOnDisk(), 1);
        for (long n = 2; n <= 5; ++n)
            writer.Post(Generation(n));
    }
    EXPECT_EQ(GenerationOnDisk(), 5);
}

// Reads from this thread while the worker saves: each read finds one whole generation, never
// one older than the read before.
TEST(BackgroundAutosave, FilesReadBetweenPostsAreWholeAndNeverGoBack)
{
    KIN_TestFolder folder;
    KIN_AutosaveWriter writer(g_pFile);
    long nLastRead = 0;
    for (long n = 1; n <= 30; ++n)
    {
        writer.Post(Generation(n));
        const long nRead = GenerationOnDisk();
        ASSERT_GE(nRead, nLastRead) << "after post " << n;
        ASSERT_LE(nRead, n);
        nLastRead = nRead;
    }
    writer.WaitUntilIdle();
    EXPECT_EQ(GenerationOnDisk(), 30);
    const KIN_AutosaveWriter::Counts counts = writer.GetCounts();
    EXPECT_EQ(counts.nPosted, counts.nSaved + counts.nSuperseded);
}

TEST(BackgroundAutosave, AFailureStreakIsReportedOnceOnTheOwnersThread)
{
    struct Case
    {
        const char* pName;
        void (*pBreak)();
        void (*pMend)();
    };
    const Case cases[] = {
        {"missing folder", [] { QDir(QStringLiteral("sub")).removeRecursively(); },
         [] { QDir().mkdir(QStringLiteral("sub")); }},
        {"read-only file",
         [] { QFile::setPermissions(QStringLiteral("sub/autosave.xml"), QFile::ReadOwner); },
         []
         {
             QDir().mkdir(QStringLiteral("sub"));
             QFile::setPermissions(QStringLiteral("sub/autosave.xml"),
                                   QFile::ReadOwner | QFile::WriteOwner);
         }},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.pName);
        KIN_TestFolder folder;
        KIN_AutosaveWriter writer("sub/autosave.xml");
        QStringList reported;
        QObject::connect(&writer, &KIN_AutosaveWriter::SaveFailed,
                         [&reported](const QString& fileName)
                         {
                             EXPECT_EQ(QThread::currentThread(),
                                       QCoreApplication::instance()->thread());
                             reported << fileName;
                         });
        // Each save is waited for and what it queued to this thread delivered.
        const auto saveTimes = [&writer](int nTimes)
        {
            for (int n = 0; n < nTimes; ++n)
            {
                writer.Post(Generation(n, 10));
                writer.WaitUntilIdle();
                QCoreApplication::processEvents();
            }
        };
        test.pMend();
        saveTimes(1);
        test.pBreak();
        saveTimes(3);
        EXPECT_EQ(reported, QStringList{QStringLiteral("sub/autosave.xml")});
        test.pMend();
        saveTimes(1);
        EXPECT_EQ(reported.size(), 1);
        test.pBreak();
        saveTimes(2);
        EXPECT_EQ(reported.size(), 2);

        const KIN_AutosaveWriter::Counts counts = writer.GetCounts();
        EXPECT_EQ(counts.nSaved, 2u);
        EXPECT_EQ(counts.nFailed, 5u);
    }
}

// No wait: the owner's event loop alone brings the report (ThreadSanitizer checks the handover).
TEST(BackgroundAutosave, TheEventLoopAloneDeliversAFailure)
{
    KIN_TestFolder folder;
    int nReports = 0;
    for (int nRound = 1; nRound <= 20; ++nRound)
    {
        KIN_AutosaveWriter writer("missing/autosave.xml");
        QObject::connect(&writer, &KIN_AutosaveWriter::SaveFailed, [&nReports] { ++nReports; });
        writer.Post(Generation(nRound, 10));
        ASSERT_TRUE(QTest::qWaitFor([&] { return nReports == nRound; }, 10000));
    }
}
