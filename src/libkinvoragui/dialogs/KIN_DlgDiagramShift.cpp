#include "KIN_DlgDiagramShift.h"

#include "KIN_Texts.h"
#include "KIT_QT_GridLayout.h"
#include "KIT_QT_LineEdit0.h"
#include "KIT_QtText.h"

KIN_DlgDiagramShift::KIN_DlgDiagramShift(QWidget* pQParent)
    : KIN_DlgValid("KIN_DlgDiagramShift", pQParent)
{
    auto* pGrid = new KIT_QT_GridLayout(ContentArea());
    AddLabel(pGrid, KIN_Text::LabelFromColumn, 0, 0);
    m_pFirstColumn = new KIT_QT_LineEdit0();
    pGrid->addWidget(m_pFirstColumn, 0, 1);
    AddLabel(pGrid, KIN_Text::LabelToColumn, 1, 0);
    m_pLastColumn = new KIT_QT_LineEdit0();
    pGrid->addWidget(m_pLastColumn, 1, 1);
    AddLabel(pGrid, KIN_Text::LabelShift, 2, 0);
    m_pShift = new KIT_QT_LineEdit0();
    pGrid->addWidget(m_pShift, 2, 1);
    AddLabel(pGrid, KIN_Text::UnitColumns, 2, 2);
    setWindowTitle(KIT_ToQString(KIN_TextOf(KIN_Text::Shift)));
}

KIN_DlgDiagramShift::~KIN_DlgDiagramShift() = default;

bool KIN_DlgDiagramShift::Run(std::int32_t& nFirstColumn, std::int32_t& nLastColumn,
                              std::int32_t& nShift)
{
    SetNumber(m_pFirstColumn, nFirstColumn);
    SetNumber(m_pLastColumn, nLastColumn);
    SetNumber(m_pShift, nShift);
    if (Exec() == 0)
        return false;
    nFirstColumn = NumberOf(m_pFirstColumn);
    nLastColumn = NumberOf(m_pLastColumn);
    nShift = NumberOf(m_pShift);
    return true;
}
