#include "KIN_WidgetDetails.h"

#include "KIN_DataPeriod.h"
#include "KIN_DateScale.h"
#include "KIN_Texts.h"
#include "KIT_QT_HBoxLayout.h"
#include "KIT_QT_Label0.h"
#include "KIT_QT_VBoxLayout0.h"
#include "KIT_QT_Widget0.h"
#include "KIT_QtText.h"

namespace
{
// The year as the panel shows it: "about" before an uncertain one.
QString YearText(std::int64_t nYear, bool bUncertain)
{
    const QString year = KIT_ToQString(KIN_DateToText(nYear));
    return bUncertain ? KIT_ToQString(KIN_TextOf(KIN_Text::DetailsUncertainYear)).arg(year) : year;
}
} // namespace

KIN_WidgetDetails::KIN_WidgetDetails()
    : QWidget(nullptr, Qt::WindowFlags()), KIT_SafeObject("KIN_WidgetDetails"),
      m_pQBegin(new KIT_QT_Label0()), m_pQEnd(new KIT_QT_Label0()), m_pQTitle(new KIT_QT_Label0()),
      m_pQDetails(new KIT_QT_Label0())
{
    auto* pQRow = new KIT_QT_HBoxLayout(this);
    auto* pQDates = new KIT_QT_VBoxLayout0();
    const Qt::Alignment topLeft = Qt::AlignLeft | Qt::AlignTop;
    pQDates->addWidget(m_pQBegin, 0, topLeft);
    pQDates->addWidget(m_pQEnd, 0, topLeft);
    pQDates->addWidget(new KIT_QT_Widget0(), 1);
    pQRow->addLayout(pQDates, 0);
    pQRow->addWidget(m_pQTitle, 0, topLeft);
    pQRow->addWidget(m_pQDetails, 0, topLeft);
    pQRow->addWidget(new KIT_QT_Widget0(), 1);

    for (KIT_QT_Label0* pQLabel : {m_pQBegin, m_pQEnd, m_pQTitle, m_pQDetails})
        pQLabel->hide();
    QFont bold;
    bold.setWeight(QFont::Bold);
    m_pQTitle->setFont(bold);
    m_pQTitle->setFrameShape(QFrame::Panel);
}

KIN_WidgetDetails::~KIN_WidgetDetails() = default;

void KIN_WidgetDetails::ShowPeriod(const KIN_DataPeriod& period)
{
    m_pQBegin->setText(YearText(period.begin, period.uncertainBegin));
    m_pQEnd->setText(YearText(period.end, period.uncertainEnd));
    m_pQTitle->setText(KIT_ToQString(period.title));
    m_pQDetails->setText(KIT_ToQString(period.details));
    for (KIT_QT_Label0* pQLabel : {m_pQBegin, m_pQEnd, m_pQTitle, m_pQDetails})
        pQLabel->show();
}

void KIN_WidgetDetails::Clear()
{
    for (KIT_QT_Label0* pQLabel : {m_pQBegin, m_pQEnd, m_pQTitle, m_pQDetails})
        pQLabel->hide();
}
