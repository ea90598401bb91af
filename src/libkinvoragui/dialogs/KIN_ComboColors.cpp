#include "KIN_ComboColors.h"

#include "KIN_ColorTable.h"
#include "KIT_QtText.h"

#include <QVariant>

KIN_ComboColors::KIN_ComboColors(QWidget* pQParent)
    : QComboBox(pQParent), KIT_SafeObject("KIN_ComboColors")
{
    const std::vector<std::string>& names = KIN_ColorNames();
    const std::vector<QIcon>& icons = KIN_ColorIcons();
    if (names.empty() || names.size() != icons.size())
        return;
    for (std::size_t i = 0; i < names.size(); ++i)
        insertItem(count(), icons[i], KIT_ToQString(names[i]), QVariant());
}
