#include "KIT_QT_CheckBox0.h"

KIT_QT_CheckBox0::KIT_QT_CheckBox0(const QString& text)
    : QCheckBox(text), KIT_SafeObject("KIT_QT_CheckBox0")
{
}

KIT_QT_CheckBox0::~KIT_QT_CheckBox0() = default;
