#include "KIN_ItemListPeriod.h"

#include <QVariant>

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
    if (const auto* pOther = dynamic_cast<const KIN_ItemListPeriod*>(&other))
        return m_sortText < pOther->m_sortText;
    return QListWidgetItem::operator<(other);
}
