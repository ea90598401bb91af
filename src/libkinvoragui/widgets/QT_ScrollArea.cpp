#include "QT_ScrollArea.h"

#include "KIT_QT_HBoxLayout0.h"
#include "KIT_QT_VBoxLayout0.h"
#include "KIT_QT_Widget.h"
#include "KIT_QT_Widget0.h"

QT_ScrollArea::QT_ScrollArea(QWidget* pQContent, QWidget* pQParent)
    : QScrollArea(pQParent), KIT_SafeObject("QT_ScrollArea")
{
    Initialize(nullptr, pQContent);
}

QT_ScrollArea::~QT_ScrollArea() = default;

void QT_ScrollArea::Initialize(QLayout* pQLayout, QWidget* pQContent)
{
    auto* pQInner = new KIT_QT_Widget(this);
    setWidget(pQInner);
    setWidgetResizable(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // The layouts are adopted by the inner widget below; the stretch widgets by the layouts.
    auto* pQRow = new KIT_QT_HBoxLayout0();
    auto* pQColumn = new KIT_QT_VBoxLayout0();
    if (pQLayout)
        pQRow->addLayout(pQLayout, 0);
    else if (pQContent)
        pQRow->addWidget(pQContent, 0);
    else
        Q_ASSERT_X(false, "QT_ScrollArea::_Initialize( NULL, NULL )", "forbidden usage");
    pQRow->addWidget(new KIT_QT_Widget0(), 1);
    pQColumn->addLayout(pQRow);
    pQColumn->addWidget(new KIT_QT_Widget0(), 1);
    pQInner->setLayout(pQColumn);
}
