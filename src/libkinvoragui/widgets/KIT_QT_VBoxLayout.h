#ifndef KIT_QT_VBOXLAYOUT_H
#define KIT_QT_VBOXLAYOUT_H

#include "KIT_SafeObject.h"

#include <QVBoxLayout>

// QVBoxLayout that carries its class name.
class KIT_QT_VBoxLayout : public QVBoxLayout, public KIT_SafeObject
{
public:
    explicit KIT_QT_VBoxLayout(QWidget* pQParent);
    ~KIT_QT_VBoxLayout() override;
};

#endif
