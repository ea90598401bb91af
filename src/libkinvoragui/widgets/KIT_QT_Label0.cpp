#include "KIT_QT_Label0.h"

KIT_QT_Label0::KIT_QT_Label0() : QLabel(nullptr, Qt::WindowFlags()), KIT_SafeObject("KIT_QT_Label0")
{
}

KIT_QT_Label0::~KIT_QT_Label0() = default;
