// Entry point: the command line is ignored; the program always runs as "Kinvora.exe".
#include "KIN_MainWindow.h"
#include "KIT_QT_Application.h"

#include <QDir>
#include <QIcon>
#include <QScreen>

#include <memory>

int main(int, char**)
{
    char programName[] = "Kinvora.exe";
    char* arguments[] = {programName, nullptr};
    int nArgc = 1;

    auto application = std::make_unique<KIT_QT_Application>(nArgc, arguments);
    // Desktops match the windows to the installed menu entry through this name.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.kinvora.Kinvora"));
    QIcon icon;
    const QDir icons(QStringLiteral(":/icons"));
    for (const QString& fileName : icons.entryList(QDir::Files))
        icon.addFile(icons.filePath(fileName));
    QApplication::setWindowIcon(icon);
    auto window = std::make_unique<KIN_MainWindow>();
    // Without a window manager (a bare X server) maximising does nothing: start screen-sized.
    if (const QScreen* pQScreen = window->screen())
        window->setGeometry(pQScreen->availableGeometry());
    window->showMaximized();
    const int nResult = application->exec();
    window.reset();
    application.reset();
    return nResult;
}
