#ifndef KIN_COMBODATES_H
#define KIN_COMBODATES_H

#include "KIT_SafeObject.h"

#include <QComboBox>

// Offers the 41 steps of the date scale; the current index is the step. Not editable.
class KIN_ComboDates : public QComboBox, public KIT_SafeObject
{
    Q_OBJECT

public:
    explicit KIN_ComboDates(QWidget* pQParent = nullptr);
    ~KIN_ComboDates() override = default;
};

#endif
