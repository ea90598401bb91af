#include "KIN_DlgValid.h"

#include "KIN_Texts.h"
#include "KIT_QT_GridLayout.h"
#include "KIT_QT_HBoxLayout0.h"
#include "KIT_QT_Label.h"
#include "KIT_QT_PushButton.h"
#include "KIT_QT_VBoxLayout.h"
#include "KIT_QT_Widget0.h"
#include "KIT_QtText.h"
#include "KIT_TextFormat.h"

#include <QLineEdit>

// Each widget and layout made without a parent is handed to a layout of the dialog at once,
// so the dialog owns it from then on.
KIN_DlgValid::KIN_DlgValid(const char* pSafeObjectName, QWidget* pQParent)
    : QDialog(pQParent, Qt::WindowFlags()), KIT_SafeObject(pSafeObjectName)
{
    auto* pLayout = new KIT_QT_VBoxLayout(this);
    m_pContentArea = new KIT_QT_Widget0();
    pLayout->addWidget(m_pContentArea, 0);
    pLayout->addWidget(new KIT_QT_Widget0(), 1);
    auto* pButtonRow = new KIT_QT_HBoxLayout0();
    pLayout->addLayout(pButtonRow, 0);

    pButtonRow->addWidget(new KIT_QT_Widget0(), 1);
    auto* pButtonCancel =
        new KIT_QT_PushButton(KIT_ToQString(KIN_TextOf(KIN_Text::ButtonCancel)), nullptr);
    pButtonRow->addWidget(pButtonCancel, 0);
    pButtonRow->addWidget(new KIT_QT_Widget0(), 1);
    m_pButtonOk = new KIT_QT_PushButton(QStringLiteral("OK"), nullptr);
    pButtonRow->addWidget(m_pButtonOk, 0);
    // Without a default of its own the dialog would make Cancel its default when shown, so
    // Enter in a field would throw away what was typed; OK is the default instead.
    m_pButtonOk->setDefault(true);
    pButtonRow->addWidget(new KIT_QT_Widget0(), 1);

    connect(pButtonCancel, &QPushButton::pressed, this, &QDialog::reject);
    connect(m_pButtonOk, &QPushButton::pressed, this, &QDialog::accept);
}

KIN_DlgValid::~KIN_DlgValid() = default;

QWidget* KIN_DlgValid::ContentArea() const
{
    return m_pContentArea;
}

int KIN_DlgValid::Exec()
{
    m_pButtonOk->setFocus(Qt::OtherFocusReason);
    return exec();
}

void KIN_DlgValid::AddLabel(QGridLayout* pQGrid, KIN_Text text, int nRow, int nColumn,
                            int nColumnSpan)
{
    pQGrid->addWidget(new KIT_QT_Label(KIT_ToQString(KIN_TextOf(text)), nullptr), nRow, nColumn, 1,
                      nColumnSpan, Qt::AlignLeft);
}

void KIN_DlgValid::SetNumber(QLineEdit* pQField, std::int32_t nValue)
{
    pQField->setText(KIT_ToQString(KIT_Int32ToText(nValue)));
}

std::int32_t KIN_DlgValid::NumberOf(const QLineEdit* pQField)
{
    return pQField->text().toInt(nullptr, 10);
}
