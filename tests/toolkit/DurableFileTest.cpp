#include "KIN_TestFiles.h"
#include "KIT_DurableFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace fs = std::filesystem;

namespace
{
// The sync calls in the order they came, with the paths they acted on; each is done for real
// unless it is the one made to fail.
std::vector<std::string> g_calls;
std::string g_failing;

// A folder given by its path, a file by its folder's path and its own name: either stays
// as the code named it, links included.
std::string Normal(const fs::path& path)
{
    return (fs::weakly_canonical(path.parent_path()) / path.filename()).string();
}

std::string PathOf(int nFile)
{
    return fs::read_symlink("/proc/self/fd/" + std::to_string(nFile)).string();
}

bool Fails(const std::string& step)
{
    if (step != g_failing)
        return false;
    errno = EIO;
    return true;
}

int DataSync(int nFile)
{
    g_calls.push_back("fdatasync " + PathOf(nFile));
    return Fails("fdatasync") ? -1 : ::fdatasync(nFile);
}

int Rename(const char* pFrom, const char* pTo)
{
    g_calls.push_back("rename " + Normal(pFrom) + " " + Normal(pTo));
    return Fails("rename") ? -1 : ::rename(pFrom, pTo);
}

int FolderSync(int nFolder)
{
    g_calls.push_back("fsync " + PathOf(nFolder));
    return Fails("fsync") ? -1 : ::fsync(nFolder);
}

mode_t ModeOf(const std::string& path)
{
    struct stat status = {};
    return ::stat(path.c_str(), &status) == 0 ? status.st_mode & 07777 : 0;
}

// A fresh folder with a folder "sub" in it, whose replaces are watched.
class Scene
{
public:
    Scene()
    {
        g_calls.clear();
        g_failing.clear();
        fs::create_directory(Path("sub"));
    }

    std::string Path(const std::string& name) const { return m_root + "/" + name; }

    std::string Write(const std::string& name, const std::string& bytes, mode_t nMode = 0644) const
    {
        const std::string path = m_folder.Write(name, bytes);
        fs::permissions(path, static_cast<fs::perms>(nMode));
        return path;
    }

    void Link(const std::string& name, const std::string& linked) const
    {
        fs::create_symlink(linked, Path(name));
    }

    std::size_t Siblings() const
    {
        std::size_t nSiblings = 0;
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(m_root))
            nSiblings += entry.path().filename().string().find(".saving-") != std::string::npos;
        return nSiblings;
    }

private:
    TestFolder m_folder;
    const std::string m_root = fs::canonical(m_folder.Root()).string();
    const KIT_DurableFile::ScopedSyncCalls m_calls{{DataSync, Rename, FolderSync}};
};

} // namespace

TEST(DurableFile, FileALinkNamesIsSyncedBeforeTheRenameAndItsFolderAfter)
{
    struct Case
    {
        const char* pTarget;
        std::vector<std::pair<const char*, const char*>> links;
        const char* pFile;
        bool bExists;
    };
    const std::string content = std::string(1 << 20, 'x') + "end";
    const Case cases[] = {
        {"new.xml", {}, "new.xml", false},
        {"old.xml", {}, "old.xml", true},
        {"link.xml", {{"link.xml", "real.xml"}}, "real.xml", true},
        // A leading slash stands for the scene's folder: an absolute link.
        {"link.xml", {{"link.xml", "/sub/real.xml"}}, "sub/real.xml", true},
        {"sub/link.xml", {{"sub/link.xml", "../real.xml"}}, "real.xml", true},
        {"first.xml",
         {{"first.xml", "second.xml"}, {"second.xml", "sub/real.xml"}},
         "sub/real.xml",
         true},
        {"link.xml", {{"link.xml", "sub/created.xml"}}, "sub/created.xml", false},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.pTarget + std::string(" -> ") + test.pFile);
        const Scene scene;
        if (test.bExists)
            scene.Write(test.pFile, "old");
        for (const auto& [pLink, pLinked] : test.links)
            scene.Link(pLink, pLinked[0] == '/' ? scene.Path(pLinked + 1) : pLinked);

        ASSERT_TRUE(KIT_DurableFile::Replace(scene.Path(test.pTarget), content));

        EXPECT_EQ(ReadBytes(scene.Path(test.pFile)), content);
        for (const auto& [pLink, pLinked] : test.links)
            EXPECT_TRUE(fs::is_symlink(scene.Path(pLink))) << pLink;
        const std::string file = scene.Path(test.pFile);
        const std::string sibling = file + ".saving-" + std::to_string(::getpid()) + "-0";
        const std::vector<std::string> expected = {
            "fdatasync " + sibling,
            "rename " + sibling + " " + file,
            "fsync " + fs::path(file).parent_path().string(),
        };
        EXPECT_EQ(g_calls, expected);
        EXPECT_EQ(scene.Siblings(), 0u);
    }
}

TEST(DurableFile, FailedStepKeepsTheOldContentUntilTheRename)
{
    struct Case
    {
        const char* pFailing;
        std::vector<std::string> calls;
        bool bReplaced;
    };
    const Case cases[] = {
        {"write", {}, false},
        {"fdatasync", {"fdatasync"}, false},
        {"rename", {"fdatasync", "rename"}, false},
        {"fsync", {"fdatasync", "rename", "fsync"}, true},
    };
    for (const Case& test : cases)
    {
        SCOPED_TRACE(test.pFailing);
        const Scene scene;
        const std::string path = scene.Write("data.xml", "old", 0640);
        g_failing = test.pFailing;
        const auto produce = [](int nFile)
        {
            if (Fails("write"))
                return false;
            return KIT_DurableFile::WriteAll(nFile, "new", 3);
        };

        EXPECT_FALSE(KIT_DurableFile::Replace(path, produce));
        EXPECT_EQ(errno, EIO);

        std::vector<std::string> steps;
        for (const std::string& call : g_calls)
            steps.push_back(call.substr(0, call.find(' ')));
        EXPECT_EQ(steps, test.calls);
        EXPECT_EQ(ReadBytes(path), test.bReplaced ? "new" : "old");
        EXPECT_EQ(ModeOf(path), 0640u);
        EXPECT_EQ(scene.Siblings(), 0u);
    }
}

TEST(DurableFile, WhatCannotBeReplacedIsLeftAlone)
{
    const Scene scene;
    // Tests may run as root, for whom access() grants every write: the mode alone decides.
    const std::pair<const char*, mode_t> lockedFiles[] = {
        {"0444.xml", 0444}, {"0400.xml", 0400}, {"0555.xml", 0555}, {"0000.xml", 0000}};
    for (const auto& [pName, nMode] : lockedFiles)
        scene.Write(pName, "old", nMode);
    scene.Link("locked-link.xml", "0444.xml");
    scene.Link("loop.xml", "back.xml");
    scene.Link("back.xml", "loop.xml");
    const std::pair<std::string, int> cases[] = {
        {scene.Path("0444.xml"), EACCES},
        {scene.Path("0400.xml"), EACCES},
        {scene.Path("0555.xml"), EACCES},
        {scene.Path("0000.xml"), EACCES},
        {scene.Path("locked-link.xml"), EACCES},
        {scene.Path("loop.xml"), ELOOP},
        {scene.Path("sub"), EISDIR},
        {scene.Path("missing/out.xml"), ENOENT},
        {"", ENOENT},
    };
    for (const auto& [target, nError] : cases)
    {
        SCOPED_TRACE(target);
        EXPECT_FALSE(KIT_DurableFile::Replace(target, "new"));
        EXPECT_EQ(errno, nError);
    }
    for (const auto& [pName, nMode] : lockedFiles)
    {
        EXPECT_EQ(ModeOf(scene.Path(pName)), nMode) << pName;
        fs::permissions(scene.Path(pName), fs::perms::owner_read, fs::perm_options::add);
        EXPECT_EQ(ReadBytes(scene.Path(pName)), "old") << pName;
    }
    EXPECT_TRUE(fs::is_symlink(scene.Path("locked-link.xml")));
    EXPECT_TRUE(fs::is_directory(scene.Path("sub")));
    EXPECT_TRUE(g_calls.empty());
    EXPECT_EQ(scene.Siblings(), 0u);
}

TEST(DurableFile, ReplacedFileKeepsItsModeAndNewFileFollowsTheUmask)
{
    for (const mode_t nMode : {0640, 0600, 0755, 0200, 02664})
    {
        SCOPED_TRACE(std::to_string(nMode));
        const Scene scene;
        const std::string path = scene.Write("data.xml", "old", nMode);
        ASSERT_TRUE(KIT_DurableFile::Replace(path, "new"));
        EXPECT_EQ(ModeOf(path), nMode);
        fs::permissions(path, fs::perms::owner_read, fs::perm_options::add);
        EXPECT_EQ(ReadBytes(path), "new");
    }
    for (const auto& [nMask, nMode] : {std::pair<mode_t, mode_t>{022, 0644}, {027, 0640}})
    {
        const Scene scene;
        const mode_t nPrevious = ::umask(nMask);
        const bool bReplaced = KIT_DurableFile::Replace(scene.Path("new.xml"), "new");
        ::umask(nPrevious);
        ASSERT_TRUE(bReplaced);
        EXPECT_EQ(ModeOf(scene.Path("new.xml")), nMode);
    }
}

TEST(DurableFile, StaleSiblingsAreFoundBesideTheFileALinkNames)
{
    const Scene scene;
    scene.Write("sub/real.xml", "old");
    scene.Link("link.xml", "sub/real.xml");
    // The highest possible pid is never in use here; the parent process is.
    const std::string dead = scene.Write("sub/real.xml.saving-2147483646-0", "partial");
    const std::string alive =
        scene.Write("sub/real.xml.saving-" + std::to_string(::getppid()) + "-0", "partial");
    KIT_DurableFile::RemoveStaleSiblings(scene.Path("link.xml"));
    EXPECT_FALSE(fs::exists(dead));
    EXPECT_TRUE(fs::exists(alive));
}
