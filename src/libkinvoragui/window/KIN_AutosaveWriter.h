#ifndef KIN_AUTOSAVEWRITER_H
#define KIN_AUTOSAVEWRITER_H

#include "KIN_DataDiagram.h"
#include "KIT_SafeObject.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// Writes snapshots of the diagram to one file on a thread of its own, so that a large
// diagram's save never holds up the window. Each save goes through
// KIN_DiagramFileFormat::Save: the file is always whole and durable. A newer snapshot
// replaces one whose save has not started; a save in progress finishes first.
//
// Each writer has one worker, so its saves never overlap; two writers must not share a
// file. A relative file name is taken against the working folder of each save.
//
// A plain std::thread runs the saves: the worker needs no event loop, only a queue of one.
// It tells of a failure through a private signal queued to this object, so SaveFailed is
// always emitted on the thread that owns the writer, however its receivers connect.
class KIN_AutosaveWriter : public QObject, public KIT_SafeObject
{
    Q_OBJECT

public:
    // What the writer did so far; posted = saved + failed + superseded + still to write.
    struct Counts
    {
        std::uint64_t nPosted = 0;
        std::uint64_t nSaved = 0;
        std::uint64_t nFailed = 0;
        std::uint64_t nSuperseded = 0;
    };

    explicit KIN_AutosaveWriter(std::string fileName, QObject* pQParent = nullptr);
    // Writes what is still posted, then stops the worker.
    ~KIN_AutosaveWriter() override;
    KIN_AutosaveWriter(const KIN_AutosaveWriter&) = delete;
    KIN_AutosaveWriter& operator=(const KIN_AutosaveWriter&) = delete;

    // Queues a save of the snapshot, taking it over; only swaps a pointer under the lock.
    void Post(KIN_DataDiagram snapshot);
    // Returns once every posted snapshot is written or superseded. Failures found meanwhile
    // are already queued to the owner's thread.
    void WaitUntilIdle();
    Counts GetCounts() const;
    // Whether the last save written failed: what the file holds is older than the diagram.
    bool LastSaveFailed() const;
    const std::string& GetFileName() const { return m_fileName; }

signals:
    // The first failed save after a success (or after the start); the failures that follow
    // it stay silent until a save works again. Streaks that begin before the owner's thread
    // has heard of the last one are told once.
    void SaveFailed(const QString& fileName);
    // From the worker, under the lock, to this object only (queued): a failure waits to be
    // told.
    void FailureFound(QPrivateSignal);

private slots:
    void SlotWorker_Report_FailureFound();

private:
    void RunWorker();
    // The next snapshot to write, null once stopped with nothing left.
    std::unique_ptr<KIN_DataDiagram> TakeNext();
    void Finish(bool bSaved);

    const std::string m_fileName;

    // Guarded by m_mutex: the queue of one, the worker's state and what the owner is told.
    mutable std::mutex m_mutex;
    std::condition_variable m_work;
    std::condition_variable m_idle;
    std::unique_ptr<KIN_DataDiagram> m_pPending;
    Counts m_counts;
    bool m_bWriting = false;
    bool m_bStopping = false;
    bool m_bFailureUnreported = false;
    bool m_bLastFailed = false;

    // The worker's own: whether its last save failed.
    bool m_bFailing = false;

    std::thread m_worker;
};

#endif
