#include "KIN_ComboDates.h"

#include "KIN_DateScale.h"
#include "KIT_QtText.h"

#include <QIcon>
#include <QVariant>

KIN_ComboDates::KIN_ComboDates(QWidget* pQParent)
    : QComboBox(pQParent), KIT_SafeObject("KIN_ComboDates")
{
    setEditable(false);
    for (const std::string& text : KIN_ScaleTexts())
        insertItem(count(), QIcon(), KIT_ToQString(text), QVariant());
}
