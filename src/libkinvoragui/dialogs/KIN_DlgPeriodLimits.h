#ifndef KIN_DLGPERIODLIMITS_H
#define KIN_DLGPERIODLIMITS_H

#include "KIN_DlgValid.h"

#include <string>

struct KIN_DataPeriod;
class KIN_ComboColors;
class KIT_QT_CheckBox0;
class KIT_QT_LineEdit0;
class KIT_QT_TextEdit0;

// Edits one period: its dates, column and width, the title written on the diagram, the
// details that are not, its three colours and whether each date is uncertain. The record's id is
// left alone.
class KIN_DlgPeriodLimits : public KIN_DlgValid
{
public:
    explicit KIN_DlgPeriodLimits(QWidget* pQParent);
    ~KIN_DlgPeriodLimits() override;

    // Shows the record under the title; on OK writes every field back into it and returns
    // true. A colour outside the table is shown, and comes back, as its role's default.
    // Cancelled, the record stays exactly as it was.
    bool Run(const std::string& title, KIN_DataPeriod& period);

private:
    void Fill(const KIN_DataPeriod& period);
    void WriteBack(KIN_DataPeriod& period) const;

    KIT_QT_LineEdit0* m_pBegin = nullptr;
    KIT_QT_LineEdit0* m_pEnd = nullptr;
    KIT_QT_CheckBox0* m_pUncertainBegin = nullptr;
    KIT_QT_CheckBox0* m_pUncertainEnd = nullptr;
    KIT_QT_LineEdit0* m_pColumn = nullptr;
    KIT_QT_LineEdit0* m_pWidth = nullptr;
    KIT_QT_TextEdit0* m_pTitle = nullptr;
    KIT_QT_TextEdit0* m_pDetails = nullptr;
    KIN_ComboColors* m_pColorBorder = nullptr;
    KIN_ComboColors* m_pColorBackground = nullptr;
    KIN_ComboColors* m_pColorText = nullptr;
};

#endif
