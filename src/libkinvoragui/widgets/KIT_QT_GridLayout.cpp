#include "KIT_QT_GridLayout.h"

KIT_QT_GridLayout::KIT_QT_GridLayout(QWidget* pQParent)
    : QGridLayout(pQParent), KIT_SafeObject("KIT_QT_GridLayout")
{
}

KIT_QT_GridLayout::~KIT_QT_GridLayout() = default;
