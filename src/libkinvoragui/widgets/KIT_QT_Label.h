#ifndef KIT_QT_LABEL_H
#define KIT_QT_LABEL_H

#include "KIT_SafeObject.h"

#include <QLabel>

// QLabel that carries its class name.
class KIT_QT_Label : public QLabel, public KIT_SafeObject
{
public:
    KIT_QT_Label(const QString& text, QWidget* pQParent);
    ~KIT_QT_Label() override;
};

#endif
