// The command line: the file to open, --desktop, --help and --version, and the folder the
// program works in.
#include "KIN_StartOptions.h"
#include "KIN_TestFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <optional>

namespace
{
using Action = KIN_StartOptions::Action;

struct ParseCase
{
    QStringList arguments;
    Action action;
    bool bDesktop;
    QString file;    // relative to the working folder
    QString message; // a part of the message
};

TEST(StartOptions, ReadsTheCommandLine)
{
    KIN_TestFolder folder;
    KIN_StartOptions::NameApplication(QStringLiteral("1.2"));
    const QString program = QStringLiteral("kinvora");
    const ParseCase cases[] = {
        {{program}, Action::Run, false, {}, {}},
        {{program, QStringLiteral("family.xml")},
         Action::Run,
         false,
         QStringLiteral("family.xml"),
         {}},
        {{program, QStringLiteral("--desktop")}, Action::Run, true, {}, {}},
        {{program, QStringLiteral("--desktop"), QStringLiteral("sub/tree.ged")},
         Action::Run,
         true,
         QStringLiteral("sub/tree.ged"),
         {}},
        {{program, QStringLiteral("--"), QStringLiteral("--odd.xml")},
         Action::Run,
         false,
         QStringLiteral("--odd.xml"),
         {}},
        {{program, QStringLiteral("--help")},
         Action::PrintAndExit,
         false,
         {},
         QStringLiteral("--desktop")},
        {{program, QStringLiteral("--version")},
         Action::PrintAndExit,
         false,
         {},
         QStringLiteral("kinvora 1.2\n")},
        {{program, QStringLiteral("--nonsense")},
         Action::FailAndExit,
         false,
         {},
         QStringLiteral("nonsense")},
        {{program, QStringLiteral("a.xml"), QStringLiteral("b.xml")},
         Action::FailAndExit,
         false,
         {},
         QStringLiteral("Only one file")},
    };
    for (const ParseCase& parse : cases)
    {
        const QString shown = parse.arguments.join(QLatin1Char(' '));
        KIN_StartOptions options;
        ASSERT_EQ(options.Parse(parse.arguments), parse.action) << shown.toStdString();
        EXPECT_TRUE(options.Message().contains(parse.message)) << shown.toStdString();
        if (parse.action != Action::Run)
            continue;
        EXPECT_EQ(options.IsDesktop(), parse.bDesktop) << shown.toStdString();
        EXPECT_EQ(options.File(),
                  parse.file.isEmpty() ? QString() : QDir::current().absoluteFilePath(parse.file))
            << shown.toStdString();
    }
}

// XDG_DATA_HOME and HOME point into a test folder for one test. A variable that was unset is
// unset again: set empty, it would send the font set-up of later tests astray.
class DataHome
{
public:
    explicit DataHome(const QString& folder)
    {
        qputenv("HOME", QFile::encodeName(folder + QStringLiteral("/home")));
        qputenv("XDG_DATA_HOME", QFile::encodeName(folder + QStringLiteral("/data")));
    }
    ~DataHome()
    {
        Restore("XDG_DATA_HOME", m_data);
        Restore("HOME", m_home);
    }
    DataHome(const DataHome&) = delete;
    DataHome& operator=(const DataHome&) = delete;

private:
    static std::optional<QByteArray> Saved(const char* pName)
    {
        return qEnvironmentVariableIsSet(pName) ? std::optional(qgetenv(pName)) : std::nullopt;
    }
    static void Restore(const char* pName, const std::optional<QByteArray>& value)
    {
        if (value)
            qputenv(pName, *value);
        else
            qunsetenv(pName);
    }

    const std::optional<QByteArray> m_data = Saved("XDG_DATA_HOME");
    const std::optional<QByteArray> m_home = Saved("HOME");
};

TEST(StartOptions, WorksInTheFilesFolderOrTheDesktopDataFolder)
{
    KIN_TestFolder folder;
    const DataHome home(QDir::currentPath());
    KIN_StartOptions::NameApplication(QStringLiteral("1.2"));
    ASSERT_TRUE(QDir().mkpath(QStringLiteral("trees/old")));
    const QString data = QDir::current().absoluteFilePath(QStringLiteral("data/kinvora"));
    const QString trees = QDir::current().absoluteFilePath(QStringLiteral("trees/old"));
    struct FolderCase
    {
        QStringList arguments;
        QString folder;
    };
    const QString program = QStringLiteral("kinvora");
    const QString desktop = QStringLiteral("--desktop");
    const FolderCase cases[] = {
        {{program}, {}},
        {{program, QStringLiteral("trees/old/family.ged")}, trees},
        {{program, desktop, QStringLiteral("trees/old/family.ged")}, trees},
        {{program, desktop}, data},
        // A file in a folder that does not exist: the usual start, where it gets its warning.
        {{program, QStringLiteral("gone/family.xml")}, {}},
        {{program, desktop, QStringLiteral("gone/family.xml")}, data},
    };
    for (const FolderCase& start : cases)
    {
        const QString shown = start.arguments.join(QLatin1Char(' '));
        KIN_StartOptions options;
        ASSERT_EQ(options.Parse(start.arguments), Action::Run) << shown.toStdString();
        EXPECT_EQ(options.WorkingFolder(), start.folder) << shown.toStdString();
        EXPECT_EQ(QFileInfo(start.folder).isDir(), !start.folder.isEmpty()) << shown.toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("home/.local")));
}

TEST(StartOptions, DesktopFolderThatCannotBeMadeLeavesTheStartFolder)
{
    KIN_TestFolder folder;
    const DataHome home(QDir::currentPath());
    KIN_StartOptions::NameApplication(QStringLiteral("1.2"));
    ASSERT_TRUE(folder.Write(QStringLiteral("data"), "a file where the folder should be"));
    KIN_StartOptions options;
    ASSERT_EQ(options.Parse({QStringLiteral("kinvora"), QStringLiteral("--desktop")}), Action::Run);
    EXPECT_EQ(options.WorkingFolder(), QString());
}
} // namespace
