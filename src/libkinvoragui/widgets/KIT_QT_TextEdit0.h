#ifndef KIT_QT_TEXTEDIT0_H
#define KIT_QT_TEXTEDIT0_H

#include "KIT_SafeObject.h"

#include <QTextEdit>

// QTextEdit without a parent; adopted later by a layout, dock, scroll area or item.
class KIT_QT_TextEdit0 : public QTextEdit, public KIT_SafeObject
{
public:
    KIT_QT_TextEdit0();
    ~KIT_QT_TextEdit0() override;
};

#endif
