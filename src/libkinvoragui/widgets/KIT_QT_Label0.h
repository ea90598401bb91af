#ifndef KIT_QT_LABEL0_H
#define KIT_QT_LABEL0_H

#include "KIT_SafeObject.h"

#include <QLabel>

// QLabel without a parent; adopted later by a layout, dock, scroll area or item.
class KIT_QT_Label0 : public QLabel, public KIT_SafeObject
{
public:
    KIT_QT_Label0();
    ~KIT_QT_Label0() override;
};

#endif
