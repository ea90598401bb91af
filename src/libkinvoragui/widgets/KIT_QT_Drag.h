#ifndef KIT_QT_DRAG_H
#define KIT_QT_DRAG_H

#include "KIT_SafeObject.h"

#include <QDrag>

// QDrag that carries its class name.
class KIT_QT_Drag : public QDrag, public KIT_SafeObject
{
public:
    explicit KIT_QT_Drag(QObject* pQDragSource);
    ~KIT_QT_Drag() override;
};

#endif
