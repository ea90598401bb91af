#include "KIT_DurableFile.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace
{
// The kernel's own bound on links followed in one lookup.
constexpr int kMaxLinks = 40;
constexpr int kMaxAttempts = 100;

constexpr KIT_DurableFile::SyncCalls kSystemCalls = {::fdatasync, ::rename, ::fsync};
KIT_DurableFile::SyncCalls g_syncCalls = kSystemCalls;

// Where the name of a path starts: after its last slash.
std::size_t NameStart(const std::string& path)
{
    const std::size_t nSlash = path.rfind('/');
    return nSlash == std::string::npos ? 0 : nSlash + 1;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t nStart = NameStart(path);
    return nStart == 0 ? std::string(".") : path.substr(0, nStart);
}

std::string SiblingPrefix(const std::string& name)
{
    return name + ".saving-";
}

// The pid in "<prefix><pid>-<attempt>", 0 when the name is not one of ours.
pid_t WriterOfSibling(const std::string& name, const std::string& prefix)
{
    if (name.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const char* const pStart = name.c_str() + prefix.size();
    char* pEnd = nullptr;
    const long nPid = std::strtol(pStart, &pEnd, 10);
    if (pEnd == pStart || *pEnd != '-' || nPid <= 0)
        return 0;
    return static_cast<pid_t>(nPid);
}

// The path a chain of links finally names; a relative link counts from its own folder. A
// path that is no link, or names nothing yet, is its own end.
bool ResolveLinks(const std::string& path, std::string& resolved)
{
    resolved = path;
    std::string linked(PATH_MAX, '\0');
    for (int nLink = 0; nLink <= kMaxLinks; ++nLink)
    {
        struct stat status = {};
        if (::lstat(resolved.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return true;
        const ssize_t nLength = ::readlink(resolved.c_str(), linked.data(), linked.size());
        if (nLength < 0)
            return false;
        if (static_cast<std::size_t>(nLength) == linked.size())
        {
            errno = ENAMETOOLONG;
            return false;
        }
        const std::string next(linked.data(), static_cast<std::size_t>(nLength));
        resolved =
            !next.empty() && next[0] == '/' ? next : resolved.substr(0, NameStart(resolved)) + next;
    }
    errno = ELOOP;
    return false;
}

// Whether the file may be replaced; mode gets its permission bits when it exists.
bool MayReplace(const std::string& file, std::optional<mode_t>& mode)
{
    struct stat status = {};
    if (::stat(file.c_str(), &status) != 0)
        return errno == ENOENT;
    if (!S_ISREG(status.st_mode))
    {
        errno = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        return false;
    }
    // access() lets root write anything: a mode without any write bit still means "keep".
    if ((status.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
    {
        errno = EACCES;
        return false;
    }
    if (::access(file.c_str(), W_OK) != 0)
        return false;
    mode = status.st_mode & 07777;
    return true;
}

// A filesystem that offers no sync (EINVAL) cannot do better: that is no failure.
bool Synced(int nResult)
{
    return nResult == 0 || errno == EINVAL;
}

bool SyncFolder(const std::string& folder)
{
    const int nFolder = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (nFolder < 0)
        return false;
    const bool bSynced = Synced(g_syncCalls.pFolderSync(nFolder));
    const int nError = errno;
    ::close(nFolder);
    errno = nError;
    return bSynced;
}

// The file being written beside the target, created exclusively: closed, and removed
// unless it was renamed over the target.
class Sibling
{
public:
    explicit Sibling(const std::string& file)
    {
        const std::string prefix = SiblingPrefix(file) + std::to_string(::getpid()) + '-';
        for (int nAttempt = 0; nAttempt < kMaxAttempts; ++nAttempt)
        {
            m_name = prefix + std::to_string(nAttempt);
            m_nFile = ::open(m_name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
            if (m_nFile >= 0 || errno != EEXIST)
                break;
        }
        m_bCreated = m_nFile >= 0;
    }

    ~Sibling()
    {
        const int nError = errno;
        if (m_nFile >= 0)
            ::close(m_nFile);
        if (m_bCreated && !m_bRenamed)
            ::unlink(m_name.c_str());
        errno = nError;
    }

    Sibling(const Sibling&) = delete;
    Sibling& operator=(const Sibling&) = delete;

    int File() const { return m_nFile; }

    bool Close()
    {
        const int nFile = m_nFile;
        m_nFile = -1;
        return ::close(nFile) == 0;
    }

    bool RenameOver(const std::string& file)
    {
        m_bRenamed = g_syncCalls.pRename(m_name.c_str(), file.c_str()) == 0;
        return m_bRenamed;
    }

private:
    std::string m_name;
    int m_nFile = -1;
    bool m_bCreated = false;
    bool m_bRenamed = false;
};
} // namespace

bool KIT_DurableFile::Replace(const std::string& target, const Producer& produce)
{
    if (target.empty())
    {
        errno = ENOENT;
        return false;
    }
    std::string file;
    std::optional<mode_t> mode;
    if (!ResolveLinks(target, file) || !MayReplace(file, mode))
        return false;
    Sibling sibling(file);
    if (sibling.File() < 0)
        return false;
    const int nFile = sibling.File();
    if ((mode && ::fchmod(nFile, *mode) != 0) || !produce(nFile) ||
        !Synced(g_syncCalls.pDataSync(nFile)) || !sibling.Close() || !sibling.RenameOver(file))
        return false;
    return SyncFolder(FolderOf(file));
}

bool KIT_DurableFile::Replace(const std::string& target, std::string_view bytes)
{
    return Replace(target,
                   [bytes](int nFile) { return WriteAll(nFile, bytes.data(), bytes.size()); });
}

bool KIT_DurableFile::WriteAll(int nFile, const char* pData, std::size_t nSize)
{
    while (nSize > 0)
    {
        const ssize_t nWritten = ::write(nFile, pData, nSize);
        if (nWritten < 0 && errno == EINTR)
            continue;
        if (nWritten < 0)
            return false;
        if (nWritten == 0)
        {
            errno = EIO;
            return false;
        }
        pData += nWritten;
        nSize -= static_cast<std::size_t>(nWritten);
    }
    return true;
}

void KIT_DurableFile::RemoveStaleSiblings(const std::string& target)
{
    std::string file;
    if (!ResolveLinks(target, file))
        return;
    const std::string prefix = SiblingPrefix(file.substr(NameStart(file)));
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(FolderOf(file).c_str()),
                                                        ::closedir);
    if (!directory)
        return;
    while (const dirent* pEntry = ::readdir(directory.get()))
    {
        const pid_t nPid = WriterOfSibling(pEntry->d_name, prefix);
        if (nPid > 0 && nPid != ::getpid() && ::kill(nPid, 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(directory.get()), pEntry->d_name, 0);
    }
}

KIT_DurableFile::SyncCalls KIT_DurableFile::SystemSyncCalls()
{
    return kSystemCalls;
}

KIT_DurableFile::SyncCalls KIT_DurableFile::SetSyncCalls(const SyncCalls& calls)
{
    const SyncCalls previous = g_syncCalls;
    g_syncCalls = calls;
    return previous;
}
