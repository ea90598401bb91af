#ifndef KIT_QT_VBOXLAYOUT0_H
#define KIT_QT_VBOXLAYOUT0_H

#include "KIT_SafeObject.h"

#include <QVBoxLayout>

// QVBoxLayout without a parent; adopted later by a layout, dock, scroll area or item.
class KIT_QT_VBoxLayout0 : public QVBoxLayout, public KIT_SafeObject
{
public:
    KIT_QT_VBoxLayout0();
    ~KIT_QT_VBoxLayout0() override;
};

#endif
