#ifndef KIT_QT_MESSAGEBOX_H
#define KIT_QT_MESSAGEBOX_H

#include "KIT_SafeObject.h"

#include <QMessageBox>

// QMessageBox that carries its class name.
class KIT_QT_MessageBox : public QMessageBox, public KIT_SafeObject
{
public:
    KIT_QT_MessageBox(QMessageBox::Icon icon, const QString& title, const QString& text,
                      QMessageBox::StandardButtons buttons, QWidget* pQParent);
    ~KIT_QT_MessageBox() override;

    // Opens a warning with an Ok button over pQParent without waiting for it; it deletes
    // itself once closed.
    static void OpenWarning(QWidget* pQParent, const QString& title, const QString& text);
};

#endif
