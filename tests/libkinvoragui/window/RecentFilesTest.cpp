// The list of recent files: newest first, each once, at most eight, and a file that is gone
// leaves it. It lives in the user's settings, shared by every window.
#include "KIN_RecentFiles.h"
#include "KIN_TestFolder.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace
{
class RecentFilesTest : public ::testing::Test
{
protected:
    QStringList Paths(std::initializer_list<const char*> names) const
    {
        QStringList paths;
        for (const char* pName : names)
            paths.append(folder.Path(QString::fromUtf8(pName)));
        return paths;
    }

    KIN_TestFolder folder;
    QSettings settings{folder.Path(QStringLiteral("settings.ini")), QSettings::IniFormat};
};

TEST_F(RecentFilesTest, NewestFirstEachOnceAtMostEight)
{
    struct Step
    {
        const char* pAdded;
        QStringList expected;
    };
    KIN_RecentFiles recent(settings);
    EXPECT_TRUE(recent.Files().isEmpty());
    const Step steps[] = {
        {"a.xml", Paths({"a.xml"})},
        {"b.ged", Paths({"b.ged", "a.xml"})},
        {"a.xml", Paths({"a.xml", "b.ged"})},
        {"c.xml", Paths({"c.xml", "a.xml", "b.ged"})},
        {"d", Paths({"d", "c.xml", "a.xml", "b.ged"})},
        {"e", Paths({"e", "d", "c.xml", "a.xml", "b.ged"})},
        {"f", Paths({"f", "e", "d", "c.xml", "a.xml", "b.ged"})},
        {"g", Paths({"g", "f", "e", "d", "c.xml", "a.xml", "b.ged"})},
        {"h", Paths({"h", "g", "f", "e", "d", "c.xml", "a.xml", "b.ged"})},
        {"i", Paths({"i", "h", "g", "f", "e", "d", "c.xml", "a.xml"})},
        {"b.ged", Paths({"b.ged", "i", "h", "g", "f", "e", "d", "c.xml"})},
        {"d", Paths({"d", "b.ged", "i", "h", "g", "f", "e", "c.xml"})},
    };
    for (const Step& step : steps)
    {
        recent.Add(folder.Path(QString::fromUtf8(step.pAdded)));
        EXPECT_EQ(recent.Files(), step.expected) << step.pAdded;
    }
}

TEST_F(RecentFilesTest, KeepsAbsolutePathsAcrossInstances)
{
    // Relative to the working folder, as a file given on the command line.
    KIN_RecentFiles(settings).Add(QStringLiteral("family.xml"));
    KIN_RecentFiles(settings).Add(QStringLiteral("sub/../tree.ged"));
    QSettings reread(folder.Path(QStringLiteral("settings.ini")), QSettings::IniFormat);
    EXPECT_EQ(KIN_RecentFiles(reread).Files(), Paths({"tree.ged", "family.xml"}));
    KIN_RecentFiles(reread).Add(QString());
    EXPECT_EQ(KIN_RecentFiles(reread).Files().size(), 2);
}

TEST_F(RecentFilesTest, AFileThatIsGoneLeavesTheList)
{
    ASSERT_TRUE(folder.Write(QStringLiteral("kept.xml"), "<kinvora/>"));
    ASSERT_TRUE(folder.Write(QStringLiteral("gone.ged"), "0 HEAD\n"));
    KIN_RecentFiles recent(settings);
    for (const QString& path : Paths({"kept.xml", "gone.ged", "never.xml"}))
        recent.Add(path);
    ASSERT_TRUE(QFile::remove(folder.Path(QStringLiteral("gone.ged"))));
    EXPECT_TRUE(recent.KeepIfPresent(folder.Path(QStringLiteral("kept.xml"))));
    EXPECT_FALSE(recent.KeepIfPresent(folder.Path(QStringLiteral("gone.ged"))));
    EXPECT_EQ(recent.Files(), Paths({"never.xml", "kept.xml"}));
    // A folder by that name is no file to open either.
    ASSERT_TRUE(QDir(folder.Path(QString())).mkdir(QStringLiteral("never.xml")));
    EXPECT_FALSE(recent.KeepIfPresent(folder.Path(QStringLiteral("never.xml"))));
    EXPECT_EQ(recent.Files(), Paths({"kept.xml"}));
}

TEST_F(RecentFilesTest, ALongerListFromElsewhereIsCutAtTheNextChange)
{
    QStringList many;
    for (int n = 0; n < 12; ++n)
        many.append(folder.Path(QString::number(n)));
    settings.setValue(QStringLiteral("recentFiles"), many);
    KIN_RecentFiles recent(settings);
    recent.Add(folder.Path(QStringLiteral("new.xml")));
    EXPECT_EQ(recent.Files().size(), KIN_RecentFiles::kLimit);
    EXPECT_EQ(recent.Files().first(), folder.Path(QStringLiteral("new.xml")));
}
} // namespace
