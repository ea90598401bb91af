#ifndef KIT_QT_HBOXLAYOUT0_H
#define KIT_QT_HBOXLAYOUT0_H

#include "KIT_SafeObject.h"

#include <QHBoxLayout>

// QHBoxLayout without a parent; adopted later by a layout, dock, scroll area or item.
class KIT_QT_HBoxLayout0 : public QHBoxLayout, public KIT_SafeObject
{
public:
    KIT_QT_HBoxLayout0();
    ~KIT_QT_HBoxLayout0() override;
};

#endif
