#ifndef KIT_QT_ACTION_H
#define KIT_QT_ACTION_H

#include "KIT_SafeObject.h"

#include <QAction>

// QAction that carries its class name.
class KIT_QT_Action : public QAction, public KIT_SafeObject
{
public:
    KIT_QT_Action(const QString& text, QObject* pQParent);
    ~KIT_QT_Action() override;
};

#endif
