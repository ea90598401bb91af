#include "KIT_QT_Widget.h"

KIT_QT_Widget::KIT_QT_Widget(QWidget* pQParent)
    : QWidget(pQParent, Qt::WindowFlags()), KIT_SafeObject("KIT_QT_Widget")
{
}

KIT_QT_Widget::~KIT_QT_Widget() = default;
