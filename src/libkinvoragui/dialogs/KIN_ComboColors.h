#ifndef KIN_COMBOCOLORS_H
#define KIN_COMBOCOLORS_H

#include "KIT_SafeObject.h"

#include <QComboBox>

// Offers the 19 colours of the colour table, each with its swatch; the current index is
// the colour index.
class KIN_ComboColors : public QComboBox, public KIT_SafeObject
{
    Q_OBJECT

public:
    explicit KIN_ComboColors(QWidget* pQParent = nullptr);
    ~KIN_ComboColors() override = default;
};

#endif
