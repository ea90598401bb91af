#include "KIN_ItemListPeriod.h"

#include "KIN_GraphicPeriod.h"
#include "KIN_WidgetFindPeriod.h"
#include "KIT_QtText.h"

#include <QVariant>

#include <functional>
#include <typeinfo>

KIN_ItemListPeriod::KIN_ItemListPeriod()
    : QListWidgetItem(nullptr, QListWidgetItem::Type), KIT_SafeObject("KIN_ItemListPeriod")
{
}

KIN_ItemListPeriod::~KIN_ItemListPeriod() = default;

const QString& KIN_ItemListPeriod::SearchKey() const
{
    if (!m_bSearchKeyMade && m_pPeriodItem)
    {
        const KIN_DataPeriod& period = m_pPeriodItem->GetRecord();
        m_searchKey = KIN_WidgetFindPeriod::Folded(KIT_ToQString(period.title) + QLatin1Char('\n') +
                                                   KIT_ToQString(period.details));
        m_bSearchKeyMade = true;
    }
    return m_searchKey;
}

void KIN_ItemListPeriod::setData(int nRole, const QVariant& value)
{
    // A list entry keeps its edit and display texts as one.
    if (nRole == Qt::DisplayRole || nRole == Qt::EditRole)
    {
        m_sortText = value.toString();
        m_bSearchKeyMade = false; // a changed period shows a new text
    }
    QListWidgetItem::setData(nRole, value);
}

bool KIN_ItemListPeriod::operator<(const QListWidgetItem& other) const
{
    // The class is final: comparing types is the cast's test, without its search.
    if (typeid(other) != typeid(KIN_ItemListPeriod))
        return QListWidgetItem::operator<(other);
    const auto& entry = static_cast<const KIN_ItemListPeriod&>(other);
    const int nOrder = QString::compare(m_sortText, entry.m_sortText, Qt::CaseSensitive);
    if (nOrder != 0 || !m_pPeriodItem || !entry.m_pPeriodItem)
        return nOrder < 0;
    // Equal texts keep the document's order, however the list was built: the items' records
    // lie in the document's vector in that order.
    return std::less<const KIN_DataPeriod*>()(&m_pPeriodItem->GetRecord(),
                                              &entry.m_pPeriodItem->GetRecord());
}
