#ifndef KIT_QT_GRIDLAYOUT_H
#define KIT_QT_GRIDLAYOUT_H

#include "KIT_SafeObject.h"

#include <QGridLayout>

// QGridLayout that carries its class name.
class KIT_QT_GridLayout : public QGridLayout, public KIT_SafeObject
{
public:
    explicit KIT_QT_GridLayout(QWidget* pQParent);
    ~KIT_QT_GridLayout() override;
};

#endif
