#include "KIN_ItemListPeriod.h"

#include <QVariant>

#include <typeinfo>

KIN_ItemListPeriod::KIN_ItemListPeriod()
    : QListWidgetItem(nullptr, QListWidgetItem::Type), KIT_SafeObject("KIN_ItemListPeriod")
{
}

KIN_ItemListPeriod::~KIN_ItemListPeriod() = default;

void KIN_ItemListPeriod::setData(int nRole, const QVariant& value)
{
    // A list entry keeps its edit and display texts as one.
    if (nRole == Qt::DisplayRole || nRole == Qt::EditRole)
        m_sortText = value.toString();
    QListWidgetItem::setData(nRole, value);
}

bool KIN_ItemListPeriod::operator<(const QListWidgetItem& other) const
{
    // The class is final: comparing types is the cast's test, without its search.
    if (typeid(other) == typeid(KIN_ItemListPeriod))
        return m_sortText < static_cast<const KIN_ItemListPeriod&>(other).m_sortText;
    return QListWidgetItem::operator<(other);
}
