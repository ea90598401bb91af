#include "KIN_ItemListPeriod.h"

KIN_ItemListPeriod::KIN_ItemListPeriod()
    : QListWidgetItem(nullptr, QListWidgetItem::Type), KIT_SafeObject("KIN_ItemListPeriod")
{
}

KIN_ItemListPeriod::~KIN_ItemListPeriod() = default;
