#ifndef KIT_DURABLEFILE_H
#define KIT_DURABLEFILE_H

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

// Replaces a file so that a crash or a power cut leaves either all of its old content or all
// of the new one. The bytes go to a sibling "<file>.saving-<pid>-<n>" created beside the
// file, reach the disk, and the sibling is renamed over the file; the folder is flushed
// last so that the rename reaches the disk too.
//
// A link is followed to the file it finally names, which is replaced while the link stays a
// link; a dangling link creates the file it names. An existing file keeps its permission
// bits; one the user may not write, or whose mode has no write bit at all, is left alone.
//
// A failure returns false with errno telling why and removes the sibling. Until the rename
// the file is untouched; a failure to flush the folder afterwards means the new content is
// in place but may not survive a power cut.
class KIT_DurableFile
{
public:
    // Writes the new content to the open sibling; false when a write fails.
    using Producer = std::function<bool(int nFile)>;

    static bool Replace(const std::string& target, const Producer& produce);
    static bool Replace(const std::string& target, std::string_view bytes);

    // Writes every byte, going on after interrupted and partial writes.
    static bool WriteAll(int nFile, const char* pData, std::size_t nSize);

    // A replace killed half-way leaves its sibling behind: removes those of processes that
    // no longer run (a running one may still be writing).
    static void RemoveStaleSiblings(const std::string& target);

    // Test seam: the calls that bring a replace to the disk, swapped by tests to watch their
    // order or make them fail, and by benchmarks to measure what they cost.
    struct SyncCalls
    {
        int (*pDataSync)(int nFile);
        int (*pRename)(const char* pFrom, const char* pTo);
        int (*pFolderSync)(int nFolder);
    };
    static SyncCalls SystemSyncCalls();
    // Installs calls and returns those they replace. Not while a replace runs.
    static SyncCalls SetSyncCalls(const SyncCalls& calls);

    // Installs calls for its own lifetime.
    class ScopedSyncCalls
    {
    public:
        explicit ScopedSyncCalls(const SyncCalls& calls) : m_previous(SetSyncCalls(calls)) {}
        ~ScopedSyncCalls() { SetSyncCalls(m_previous); }
        ScopedSyncCalls(const ScopedSyncCalls&) = delete;
        ScopedSyncCalls& operator=(const ScopedSyncCalls&) = delete;

    private:
        SyncCalls m_previous;
    };
};

#endif
