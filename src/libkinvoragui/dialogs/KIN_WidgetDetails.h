#ifndef KIN_WIDGETDETAILS_H
#define KIN_WIDGETDETAILS_H

#include "KIT_SafeObject.h"

#include <QWidget>

class KIT_QT_Label0;
struct KIN_DataPeriod;

// Shows the dates, title and details of the selected period; blank when none is selected.
class KIN_WidgetDetails : public QWidget, public KIT_SafeObject
{
public:
    KIN_WidgetDetails();
    ~KIN_WidgetDetails() override;

    void ShowPeriod(const KIN_DataPeriod& period);
    void Clear();

    const KIT_QT_Label0* GetBeginLabel() const { return m_pQBegin; }
    const KIT_QT_Label0* GetEndLabel() const { return m_pQEnd; }
    const KIT_QT_Label0* GetTitleLabel() const { return m_pQTitle; }
    const KIT_QT_Label0* GetDetailsLabel() const { return m_pQDetails; }

private:
    KIT_QT_Label0* m_pQBegin;
    KIT_QT_Label0* m_pQEnd;
    KIT_QT_Label0* m_pQTitle;
    KIT_QT_Label0* m_pQDetails;
};

#endif
