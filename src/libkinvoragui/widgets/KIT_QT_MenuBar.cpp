#include "KIT_QT_MenuBar.h"

KIT_QT_MenuBar::KIT_QT_MenuBar(QWidget* pQParent)
    : QMenuBar(pQParent), KIT_SafeObject("KIT_QT_MenuBar")
{
}

KIT_QT_MenuBar::~KIT_QT_MenuBar() = default;
