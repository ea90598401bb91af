#include "KIT_QT_Action.h"

KIT_QT_Action::KIT_QT_Action(const QString& text, QObject* pQParent)
    : QAction(text, pQParent), KIT_SafeObject("KIT_QT_Action")
{
}

KIT_QT_Action::~KIT_QT_Action() = default;
