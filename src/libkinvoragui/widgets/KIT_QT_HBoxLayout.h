#ifndef KIT_QT_HBOXLAYOUT_H
#define KIT_QT_HBOXLAYOUT_H

#include "KIT_SafeObject.h"

#include <QHBoxLayout>

// QHBoxLayout that carries its class name.
class KIT_QT_HBoxLayout : public QHBoxLayout, public KIT_SafeObject
{
public:
    explicit KIT_QT_HBoxLayout(QWidget* pQParent);
    ~KIT_QT_HBoxLayout() override;
};

#endif
