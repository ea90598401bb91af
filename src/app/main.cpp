// Entry point: the command line is ignored; the program always runs as "Kinvora.exe".
#include "KIN_MainWindow.h"
#include "KIT_QT_Application.h"

#include <QScreen>

#include <memory>

int main(int, char**)
{
    char programName[] = "Kinvora.exe";
    char* arguments[] = {programName, nullptr};
    int nArgc = 1;

    auto application = std::make_unique<KIT_QT_Application>(nArgc, arguments);
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
