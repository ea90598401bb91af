#ifndef KIT_QT_PUSHBUTTON_H
#define KIT_QT_PUSHBUTTON_H

#include "KIT_SafeObject.h"

#include <QPushButton>

// QPushButton that carries its class name.
class KIT_QT_PushButton : public QPushButton, public KIT_SafeObject
{
public:
    KIT_QT_PushButton(const QString& text, QWidget* pQParent);
    ~KIT_QT_PushButton() override;
};

#endif
