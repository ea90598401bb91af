#ifndef KIT_QT_LISTWIDGET0_H
#define KIT_QT_LISTWIDGET0_H

#include "KIT_SafeObject.h"

#include <QListWidget>

// QListWidget without a parent; adopted later by a layout, dock, scroll area or item.
class KIT_QT_ListWidget0 : public QListWidget, public KIT_SafeObject
{
public:
    KIT_QT_ListWidget0();
    ~KIT_QT_ListWidget0() override;
};

#endif
