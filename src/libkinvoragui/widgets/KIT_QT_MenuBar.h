#ifndef KIT_QT_MENUBAR_H
#define KIT_QT_MENUBAR_H

#include "KIT_SafeObject.h"

#include <QMenuBar>

// QMenuBar that carries its class name.
class KIT_QT_MenuBar : public QMenuBar, public KIT_SafeObject
{
public:
    explicit KIT_QT_MenuBar(QWidget* pQParent);
    ~KIT_QT_MenuBar() override;
};

#endif
