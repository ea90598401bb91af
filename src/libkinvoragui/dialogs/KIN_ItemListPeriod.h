#ifndef KIN_ITEMLISTPERIOD_H
#define KIN_ITEMLISTPERIOD_H

#include "KIT_SafeObject.h"

#include <QListWidgetItem>

class KIN_GraphicPeriod;

// One entry of the period list, standing for a period item of the scene. The list compares
// entries by their texts.
class KIN_ItemListPeriod : public QListWidgetItem, public KIT_SafeObject
{
public:
    KIN_ItemListPeriod();
    ~KIN_ItemListPeriod() override;

    KIN_GraphicPeriod* GetPeriodItem() const { return m_pPeriodItem; }
    void SetPeriodItem(KIN_GraphicPeriod* pPeriodItem) { m_pPeriodItem = pPeriodItem; }

private:
    KIN_GraphicPeriod* m_pPeriodItem = nullptr;
};

#endif
