#ifndef KIT_QT_DOCKWIDGET_H
#define KIT_QT_DOCKWIDGET_H

#include "KIT_SafeObject.h"

#include <QDockWidget>

// QDockWidget that carries its class name.
class KIT_QT_DockWidget : public QDockWidget, public KIT_SafeObject
{
public:
    KIT_QT_DockWidget(const QString& title, QWidget* pQParent);
    ~KIT_QT_DockWidget() override;
};

#endif
