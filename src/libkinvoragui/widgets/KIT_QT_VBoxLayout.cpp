#include "KIT_QT_VBoxLayout.h"

KIT_QT_VBoxLayout::KIT_QT_VBoxLayout(QWidget* pQParent)
    : QVBoxLayout(pQParent), KIT_SafeObject("KIT_QT_VBoxLayout")
{
}

KIT_QT_VBoxLayout::~KIT_QT_VBoxLayout() = default;
