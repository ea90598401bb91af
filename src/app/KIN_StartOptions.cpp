#include "KIN_StartOptions.h"

#include "KIN_Texts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace
{
QString Text(KIN_Text text)
{
    return QString::fromUtf8(KIN_TextOf(text));
}

// Before the toolkit starts the parser cannot name the program: the first argument does.
QString HelpText(const QCommandLineParser& parser, const QStringList& arguments)
{
    QString help = parser.helpText();
    if (!arguments.isEmpty())
        help.replace(QStringLiteral("<executable_name>"), QFileInfo(arguments.first()).fileName());
    return help;
}
} // namespace

void KIN_StartOptions::NameApplication(const QString& version)
{
    // No organisation name: the data folder is ~/.local/share/kinvora itself, and the
    // settings go under the domain.
    QCoreApplication::setOrganizationDomain(QStringLiteral("kinvora.github.io"));
    QCoreApplication::setApplicationName(QStringLiteral("kinvora"));
    QCoreApplication::setApplicationVersion(version);
}

KIN_StartOptions::Action KIN_StartOptions::Parse(const QStringList& arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(Text(KIN_Text::StartDescription));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption desktop(QStringLiteral("desktop"), Text(KIN_Text::StartOptionDesktop));
    parser.addOption(desktop);
    parser.addPositionalArgument(QStringLiteral("file"), Text(KIN_Text::StartArgumentFile),
                                 QStringLiteral("[file]"));
    m_message.clear();
    m_file.clear();
    if (!parser.parse(arguments))
    {
        m_message = parser.errorText() + QLatin1Char('\n') + HelpText(parser, arguments);
        return Action::FailAndExit;
    }
    if (parser.isSet(help))
    {
        m_message = HelpText(parser, arguments);
        return Action::PrintAndExit;
    }
    if (parser.isSet(version))
    {
        m_message = QCoreApplication::applicationName() + QLatin1Char(' ') +
                    QCoreApplication::applicationVersion() + QLatin1Char('\n');
        return Action::PrintAndExit;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1)
    {
        m_message = Text(KIN_Text::StartOneFile) + QLatin1Char('\n') + HelpText(parser, arguments);
        return Action::FailAndExit;
    }
    m_bDesktop = parser.isSet(desktop);
    // Absolute now: the program leaves the folder it was started in.
    if (!files.isEmpty() && !files.first().isEmpty())
        m_file = QFileInfo(files.first()).absoluteFilePath();
    return Action::Run;
}

QString KIN_StartOptions::WorkingFolder() const
{
    if (!m_file.isEmpty())
    {
        const QFileInfo folder(QFileInfo(m_file).absolutePath());
        if (folder.isDir())
            return folder.absoluteFilePath();
    }
    return m_bDesktop ? DesktopFolder() : QString();
}

QString KIN_StartOptions::DesktopFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (folder.isEmpty() || !QDir().mkpath(folder))
        return QString();
    return folder;
}
