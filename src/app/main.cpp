// Entry point: reads the command line, chooses the working folder, then runs the window.
#include "KIN_MainWindow.h"
#include "KIN_QtTranslation.h"
#include "KIN_StartOptions.h"
#include "KIT_QT_Application.h"
#include "KIT_QtText.h"

#include <QDir>
#include <QIcon>
#include <QScreen>

#include <cstdio>
#include <memory>

namespace
{
void SetWindowIcon()
{
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& fileName : icons.entryList(QDir::Files))
        icon.addFile(icons.filePath(fileName));
    QApplication::setWindowIcon(icon);
}

// Prints the message of a command line that does not run the window; the exit code.
int Finish(const KIN_StartOptions& options, KIN_StartOptions::Action action)
{
    const bool bFailed = action == KIN_StartOptions::Action::FailAndExit;
    std::fputs(options.Message().toLocal8Bit().constData(), bFailed ? stderr : stdout);
    return bFailed ? 2 : 0;
}

// Help and version need no display: they are answered before the toolkit starts. Anything
// else waits for it, which takes its own options (-platform, -style) out of the arguments.
bool AnswersAlone(int nArgc, char** pArguments, int& nResult)
{
    QStringList arguments;
    for (int n = 0; n < nArgc; ++n)
        arguments.append(QString::fromLocal8Bit(pArguments[n]));
    KIN_StartOptions options;
    const KIN_StartOptions::Action action = options.Parse(arguments);
    if (action != KIN_StartOptions::Action::PrintAndExit)
        return false;
    nResult = Finish(options, action);
    return true;
}
} // namespace

int main(int nArgc, char** pArguments)
{
    KIN_StartOptions::NameApplication(QStringLiteral(KINVORA_VERSION));
    int nResult = 0;
    if (AnswersAlone(nArgc, pArguments, nResult))
        return nResult;
    auto application = std::make_unique<KIT_QT_Application>(nArgc, pArguments);
    KIN_InstallQtTranslation(*application);
    KIN_StartOptions options;
    const KIN_StartOptions::Action action = options.Parse(QCoreApplication::arguments());
    if (action != KIN_StartOptions::Action::Run)
        return Finish(options, action);
    // The autosave file and the pictures a diagram names are the working folder's.
    const QString folder = options.WorkingFolder();
    if (!folder.isEmpty())
        QDir::setCurrent(folder);

    // Desktops match the windows to the installed menu entry through this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kinvora.Kinvora"));
    SetWindowIcon();
    auto window = std::make_unique<KIN_MainWindow>();
    if (window->RestoreLayout())
        window->show();
    else
    {
        // Without a window manager (a bare X server) maximising does nothing: start
        // screen-sized.
        if (const QScreen* pQScreen = window->screen())
            window->setGeometry(pQScreen->availableGeometry());
        window->showMaximized();
    }
    // Over the window, so that a warning about the file has a place to show.
    if (!options.File().isEmpty())
        window->OpenFile(KIT_ToBytes(options.File()));
    nResult = application->exec();
    window.reset();
    application.reset();
    return nResult;
}
