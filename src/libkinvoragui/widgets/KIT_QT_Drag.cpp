#include "KIT_QT_Drag.h"

KIT_QT_Drag::KIT_QT_Drag(QObject* pQDragSource) : QDrag(pQDragSource), KIT_SafeObject("KIT_QT_Drag")
{
}

KIT_QT_Drag::~KIT_QT_Drag() = default;
