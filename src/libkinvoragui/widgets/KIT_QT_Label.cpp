#include "KIT_QT_Label.h"

KIT_QT_Label::KIT_QT_Label(const QString& text, QWidget* pQParent)
    : QLabel(text, pQParent, Qt::WindowFlags()), KIT_SafeObject("KIT_QT_Label")
{
}

KIT_QT_Label::~KIT_QT_Label() = default;
