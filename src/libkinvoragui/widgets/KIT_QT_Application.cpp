#include "KIT_QT_Application.h"

KIT_QT_Application::KIT_QT_Application(int& nArgc, char** pArgv)
    : QApplication(nArgc, pArgv), KIT_SafeObject("KIT_QT_Application")
{
}

KIT_QT_Application::~KIT_QT_Application() = default;
