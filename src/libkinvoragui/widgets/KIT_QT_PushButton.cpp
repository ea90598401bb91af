#include "KIT_QT_PushButton.h"

KIT_QT_PushButton::KIT_QT_PushButton(const QString& text, QWidget* pQParent)
    : QPushButton(text, pQParent), KIT_SafeObject("KIT_QT_PushButton")
{
}

KIT_QT_PushButton::~KIT_QT_PushButton() = default;
