#ifndef KIT_QT_WIDGET_H
#define KIT_QT_WIDGET_H

#include "KIT_SafeObject.h"

#include <QWidget>

// QWidget that carries its class name.
class KIT_QT_Widget : public QWidget, public KIT_SafeObject
{
public:
    explicit KIT_QT_Widget(QWidget* pQParent);
    ~KIT_QT_Widget() override;
};

#endif
