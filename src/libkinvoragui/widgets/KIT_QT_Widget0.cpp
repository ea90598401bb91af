#include "KIT_QT_Widget0.h"

KIT_QT_Widget0::KIT_QT_Widget0()
    : QWidget(nullptr, Qt::WindowFlags()), KIT_SafeObject("KIT_QT_Widget0")
{
}

KIT_QT_Widget0::~KIT_QT_Widget0() = default;
