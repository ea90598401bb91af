#include "KIT_QT_DockWidget.h"

KIT_QT_DockWidget::KIT_QT_DockWidget(const QString& title, QWidget* pQParent)
    : QDockWidget(title, pQParent, Qt::WindowFlags()), KIT_SafeObject("KIT_QT_DockWidget")
{
}

KIT_QT_DockWidget::~KIT_QT_DockWidget() = default;
