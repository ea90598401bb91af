#include "KIN_DlgPeriodLimits.h"

#include "KIN_ColorTable.h"
#include "KIN_ComboColors.h"
#include "KIN_DataPeriod.h"
#include "KIN_DateScale.h"
#include "KIN_Texts.h"
#include "KIT_QT_CheckBox0.h"
#include "KIT_QT_GridLayout.h"
#include "KIT_QT_LineEdit0.h"
#include "KIT_QT_TextEdit0.h"
#include "KIT_QtText.h"

namespace
{
// A date field left as it was shown keeps the stored year: the shown text has six
// significant digits, so reading it back could move the year (-123456789 shows -123.457M).
std::int64_t DateOf(const QLineEdit* pQField, std::int64_t nShownYear)
{
    const std::string text = KIT_ToBytes(pQField->text());
    if (text == KIN_DateToText(nShownYear))
        return nShownYear;
    return KIN_TextToDate(text);
}
} // namespace

KIN_DlgPeriodLimits::KIN_DlgPeriodLimits(QWidget* pQParent)
    : KIN_DlgValid("KIN_DlgPeriodLimits", pQParent)
{
    auto* pGrid = new KIT_QT_GridLayout(ContentArea());
    const auto addField = [pGrid](KIN_Text label, int nRow, KIN_Text unit)
    {
        AddLabel(pGrid, label, nRow, 0);
        auto* pField = new KIT_QT_LineEdit0();
        pGrid->addWidget(pField, nRow, 1);
        AddLabel(pGrid, unit, nRow, 2);
        return pField;
    };
    m_pBegin = addField(KIN_Text::LabelBirth, 0, KIN_Text::UnitYears);
    m_pEnd = addField(KIN_Text::LabelDeath, 1, KIN_Text::UnitYears);
    // Beside each date: whether that year is only estimated.
    const auto addUncertain = [pGrid](int nRow)
    {
        auto* pCheckBox = new KIT_QT_CheckBox0(KIT_ToQString(KIN_TextOf(KIN_Text::LabelUncertain)));
        pGrid->addWidget(pCheckBox, nRow, 3);
        return pCheckBox;
    };
    m_pUncertainBegin = addUncertain(0);
    m_pUncertainEnd = addUncertain(1);
    m_pColumn = addField(KIN_Text::LabelShift, 2, KIN_Text::UnitColumns);
    m_pWidth = addField(KIN_Text::LabelWidth, 3, KIN_Text::UnitColumns);

    const auto addEditor = [pGrid](KIN_Text label, int nRow)
    {
        AddLabel(pGrid, label, nRow, 0, 2);
        auto* pEditor = new KIT_QT_TextEdit0();
        pGrid->addWidget(pEditor, nRow + 1, 0, 1, 3);
        // A line only breaks where the user typed a line break.
        pEditor->setLineWrapMode(QTextEdit::NoWrap);
        return pEditor;
    };
    m_pTitle = addEditor(KIN_Text::LabelTitle, 4);
    m_pDetails = addEditor(KIN_Text::LabelDetails, 6);

    AddLabel(pGrid, KIN_Text::LabelColors, 8, 0);
    const auto addChooser = [pGrid](KIN_Text label, int nRow)
    {
        AddLabel(pGrid, label, nRow, 0);
        auto* pChooser = new KIN_ComboColors(nullptr);
        pGrid->addWidget(pChooser, nRow, 1);
        return pChooser;
    };
    m_pColorBorder = addChooser(KIN_Text::LabelBorder, 9);
    m_pColorBackground = addChooser(KIN_Text::LabelBackground, 10);
    m_pColorText = addChooser(KIN_Text::LabelTextColor, 11);
}

KIN_DlgPeriodLimits::~KIN_DlgPeriodLimits() = default;

bool KIN_DlgPeriodLimits::Run(const std::string& title, KIN_DataPeriod& period)
{
    setWindowTitle(KIT_ToQString(title));
    Fill(period);
    if (Exec() == 0)
        return false;
    WriteBack(period);
    return true;
}

void KIN_DlgPeriodLimits::Fill(const KIN_DataPeriod& period)
{
    m_pBegin->setText(KIT_ToQString(KIN_DateToText(period.begin)));
    m_pEnd->setText(KIT_ToQString(KIN_DateToText(period.end)));
    m_pUncertainBegin->setChecked(period.uncertainBegin);
    m_pUncertainEnd->setChecked(period.uncertainEnd);
    SetNumber(m_pColumn, period.column);
    SetNumber(m_pWidth, period.width);
    m_pTitle->setPlainText(KIT_ToQString(period.title));
    m_pDetails->setPlainText(KIT_ToQString(period.details));
    m_pColorBackground->setCurrentIndex(
        KIN_ColorIndexOrDefault(period.colorBackground, KIN_ColorRole::Background));
    m_pColorBorder->setCurrentIndex(
        KIN_ColorIndexOrDefault(period.colorBorder, KIN_ColorRole::Border));
    m_pColorText->setCurrentIndex(KIN_ColorIndexOrDefault(period.colorText, KIN_ColorRole::Text));
}

void KIN_DlgPeriodLimits::WriteBack(KIN_DataPeriod& period) const
{
    period.begin = DateOf(m_pBegin, period.begin);
    period.end = DateOf(m_pEnd, period.end);
    period.uncertainBegin = m_pUncertainBegin->isChecked();
    period.uncertainEnd = m_pUncertainEnd->isChecked();
    period.column = NumberOf(m_pColumn);
    period.width = NumberOf(m_pWidth);
    period.title = KIT_ToBytes(m_pTitle->toPlainText());
    period.details = KIT_ToBytes(m_pDetails->toPlainText());
    period.colorBackground = m_pColorBackground->currentIndex();
    period.colorBorder = m_pColorBorder->currentIndex();
    period.colorText = m_pColorText->currentIndex();
}
