#include "KIN_PeriodFilterModel.h"

#include "KIN_ItemListPeriod.h"

#include <QListWidget>

#include <typeinfo>

KIN_PeriodFilterModel::KIN_PeriodFilterModel(const QListWidget* pQList, QObject* pQParent)
    : QSortFilterProxyModel(pQParent), KIT_SafeObject("KIN_PeriodFilterModel"), m_pQList(pQList)
{
    setDynamicSortFilter(false);
}

void KIN_PeriodFilterModel::SetNeedle(const QString& needle)
{
    if (needle == m_needle)
        return;
    m_needle = needle;
    if (sourceModel())
        invalidateFilter();
}

QListWidgetItem* KIN_PeriodFilterModel::EntryAt(const QModelIndex& index) const
{
    return index.isValid() ? m_pQList->itemFromIndex(mapToSource(index)) : nullptr;
}

bool KIN_PeriodFilterModel::filterAcceptsRow(int nSourceRow, const QModelIndex& sourceParent) const
{
    const QListWidgetItem* pQItem =
        m_pQList->itemFromIndex(sourceModel()->index(nSourceRow, 0, sourceParent));
    // The entry class is final: comparing types is the cast's test, without its search.
    if (m_needle.isEmpty() || !pQItem || typeid(*pQItem) != typeid(KIN_ItemListPeriod))
        return true;
    return static_cast<const KIN_ItemListPeriod*>(pQItem)->SearchKey().contains(m_needle);
}
