#ifndef KIT_QT_CHECKBOX0_H
#define KIT_QT_CHECKBOX0_H

#include "KIT_SafeObject.h"

#include <QCheckBox>

// QCheckBox without a parent; adopted later by a layout.
class KIT_QT_CheckBox0 : public QCheckBox, public KIT_SafeObject
{
public:
    explicit KIT_QT_CheckBox0(const QString& text);
    ~KIT_QT_CheckBox0() override;
};

#endif
