#include "KIT_QT_HBoxLayout.h"

KIT_QT_HBoxLayout::KIT_QT_HBoxLayout(QWidget* pQParent)
    : QHBoxLayout(pQParent), KIT_SafeObject("KIT_QT_HBoxLayout")
{
}

KIT_QT_HBoxLayout::~KIT_QT_HBoxLayout() = default;
