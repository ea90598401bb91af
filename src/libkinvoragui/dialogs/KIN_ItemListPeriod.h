#ifndef KIN_ITEMLISTPERIOD_H
#define KIN_ITEMLISTPERIOD_H

#include "KIT_SafeObject.h"

#include <QListWidgetItem>
#include <QString>

class KIN_GraphicPeriod;

// One entry of the period list, standing for a period item of the scene. The list compares
// entries by their texts, case-sensitively, as plain list entries compare, and equal texts by
// their periods' order in the document, so that every way of building the list agrees.
class KIN_ItemListPeriod final : public QListWidgetItem, public KIT_SafeObject
{
public:
    KIN_ItemListPeriod();
    ~KIN_ItemListPeriod() override;

    KIN_GraphicPeriod* GetPeriodItem() const { return m_pPeriodItem; }
    void SetPeriodItem(KIN_GraphicPeriod* pPeriodItem) { m_pPeriodItem = pPeriodItem; }

    // The period's title and details folded for searching, made on first use.
    const QString& SearchKey() const;

    void setData(int nRole, const QVariant& value) override;
    bool operator<(const QListWidgetItem& other) const override;

private:
    KIN_GraphicPeriod* m_pPeriodItem = nullptr;
    // The shown text, kept beside the item's data: sorting a large list through its
    // variants costs a tenth of a refresh.
    QString m_sortText;
    mutable QString m_searchKey;
    mutable bool m_bSearchKeyMade = false;
};

#endif
