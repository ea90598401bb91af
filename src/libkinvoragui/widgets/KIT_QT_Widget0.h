#ifndef KIT_QT_WIDGET0_H
#define KIT_QT_WIDGET0_H

#include "KIT_SafeObject.h"

#include <QWidget>

// QWidget without a parent; adopted later by a layout, dock, scroll area or item.
class KIT_QT_Widget0 : public QWidget, public KIT_SafeObject
{
public:
    KIT_QT_Widget0();
    ~KIT_QT_Widget0() override;
};

#endif
