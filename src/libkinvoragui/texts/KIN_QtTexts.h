#ifndef KIN_QTTEXTS_H
#define KIN_QTTEXTS_H

#include "KIN_Texts.h"
#include "KIT_QtText.h"

#include <QString>

// A text of the table, for the widgets.
inline QString KIN_QText(KIN_Text text)
{
    return KIT_ToQString(KIN_TextOf(text));
}

#endif
