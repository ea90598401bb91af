#ifndef KIT_QT_LINEEDIT0_H
#define KIT_QT_LINEEDIT0_H

#include "KIT_SafeObject.h"

#include <QLineEdit>

// QLineEdit without a parent; adopted later by a layout, dock, scroll area or item.
class KIT_QT_LineEdit0 : public QLineEdit, public KIT_SafeObject
{
public:
    KIT_QT_LineEdit0();
    ~KIT_QT_LineEdit0() override;
};

#endif
