#include "KIN_DlgDiagramLimits.h"

#include "KIN_ComboDates.h"
#include "KIN_Texts.h"
#include "KIT_QT_GridLayout.h"
#include "KIT_QT_LineEdit0.h"
#include "KIT_QtText.h"

KIN_DlgDiagramLimits::KIN_DlgDiagramLimits(QWidget* pQParent)
    : KIN_DlgValid("KIN_DlgDiagramLimits", pQParent)
{
    auto* pGrid = new KIT_QT_GridLayout(ContentArea());
    AddLabel(pGrid, KIN_Text::LabelDateBegin, 0, 0);
    m_pBegin = new KIN_ComboDates(nullptr);
    pGrid->addWidget(m_pBegin, 0, 1);
    AddLabel(pGrid, KIN_Text::LabelDateEnd, 1, 0);
    m_pEnd = new KIN_ComboDates(nullptr);
    pGrid->addWidget(m_pEnd, 1, 1);
    AddLabel(pGrid, KIN_Text::LabelWidth, 2, 0);
    m_pWidth = new KIT_QT_LineEdit0();
    pGrid->addWidget(m_pWidth, 2, 1);
    AddLabel(pGrid, KIN_Text::UnitColumns, 2, 2);
}

KIN_DlgDiagramLimits::~KIN_DlgDiagramLimits() = default;

bool KIN_DlgDiagramLimits::Run(const std::string& title, std::int32_t& nBegin, std::int32_t& nEnd,
                               std::int32_t& nWidth)
{
    setWindowTitle(KIT_ToQString(title));
    m_pBegin->setCurrentIndex(nBegin);
    m_pEnd->setCurrentIndex(nEnd);
    SetNumber(m_pWidth, nWidth);
    if (Exec() == 0)
        return false;
    nBegin = m_pBegin->currentIndex();
    nEnd = m_pEnd->currentIndex();
    nWidth = NumberOf(m_pWidth);
    return true;
}
