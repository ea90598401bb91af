#include "KIN_AutosaveWriter.h"

#include "KIN_DiagramFileFormat.h"
#include "KIT_QtText.h"

#include <exception>
#include <utility>

KIN_AutosaveWriter::KIN_AutosaveWriter(std::string fileName, QObject* pQParent)
    : QObject(pQParent), KIT_SafeObject("KIN_AutosaveWriter"), m_fileName(std::move(fileName))
{
    connect(this, &KIN_AutosaveWriter::FailureFound, this,
            &KIN_AutosaveWriter::SlotWorker_Report_FailureFound, Qt::QueuedConnection);
    m_worker = std::thread(&KIN_AutosaveWriter::RunWorker, this);
}

KIN_AutosaveWriter::~KIN_AutosaveWriter()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_bStopping = true;
    }
    m_work.notify_one();
    m_worker.join();
}

void KIN_AutosaveWriter::Post(KIN_DataDiagram snapshot)
{
    auto pSnapshot = std::make_unique<KIN_DataDiagram>(std::move(snapshot));
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        ++m_counts.nPosted;
        if (m_pPending)
            ++m_counts.nSuperseded;
        m_pPending.swap(pSnapshot);
    }
    m_work.notify_one();
    // pSnapshot now holds the superseded snapshot, if any: it is freed outside the lock.
}

void KIN_AutosaveWriter::WaitUntilIdle()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_idle.wait(lock, [this] { return !m_pPending && !m_bWriting; });
}

KIN_AutosaveWriter::Counts KIN_AutosaveWriter::GetCounts() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_counts;
}

bool KIN_AutosaveWriter::LastSaveFailed() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_bLastFailed;
}

void KIN_AutosaveWriter::RunWorker()
{
    while (std::unique_ptr<KIN_DataDiagram> pSnapshot = TakeNext())
    {
        bool bSaved = false;
        try
        {
            bSaved = KIN_DiagramFileFormat::Save(*pSnapshot, m_fileName);
        }
        catch (const std::exception&) // out of memory: a failed save, not a dead program
        {
        }
        pSnapshot.reset(); // freed before the writer counts as idle
        Finish(bSaved);
    }
}

std::unique_ptr<KIN_DataDiagram> KIN_AutosaveWriter::TakeNext()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_work.wait(lock, [this] { return m_pPending || m_bStopping; });
    m_bWriting = m_pPending != nullptr;
    return std::move(m_pPending);
}

void KIN_AutosaveWriter::Finish(bool bSaved)
{
    const bool bNewFailure = !bSaved && !m_bFailing;
    m_bFailing = !bSaved;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        ++(bSaved ? m_counts.nSaved : m_counts.nFailed);
        m_bLastFailed = !bSaved;
        // Queued under the lock: before the writer counts as idle, so a wait that returns
        // finds the report queued; and before the slot can take the lock, which orders Qt's
        // event between the threads even for a checker that cannot see inside Qt.
        if (bNewFailure)
        {
            m_bFailureUnreported = true;
            emit FailureFound(QPrivateSignal());
        }
        m_bWriting = false;
    }
    m_idle.notify_all();
}

void KIN_AutosaveWriter::SlotWorker_Report_FailureFound()
{
    bool bFailed = false;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        std::swap(bFailed, m_bFailureUnreported);
    }
    if (bFailed)
        emit SaveFailed(KIT_ToQString(m_fileName));
}
