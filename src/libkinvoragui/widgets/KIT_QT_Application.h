#ifndef KIT_QT_APPLICATION_H
#define KIT_QT_APPLICATION_H

#include "KIT_SafeObject.h"

#include <QApplication>

// QApplication that carries its class name.
class KIT_QT_Application : public QApplication, public KIT_SafeObject
{
public:
    KIT_QT_Application(int& nArgc, char** pArgv);
    ~KIT_QT_Application() override;
};

#endif
