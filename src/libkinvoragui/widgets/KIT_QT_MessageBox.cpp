#include "KIT_QT_MessageBox.h"

KIT_QT_MessageBox::KIT_QT_MessageBox(QMessageBox::Icon icon, const QString& title,
                                     const QString& text, QMessageBox::StandardButtons buttons,
                                     QWidget* pQParent)
    : QMessageBox(icon, title, text, buttons, pQParent,
                  Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      KIT_SafeObject("KIT_QT_MessageBox")
{
}

KIT_QT_MessageBox::~KIT_QT_MessageBox() = default;

void KIT_QT_MessageBox::OpenWarning(QWidget* pQParent, const QString& title, const QString& text)
{
    auto* pQBox =
        new KIT_QT_MessageBox(QMessageBox::Warning, title, text, QMessageBox::Ok, pQParent);
    pQBox->setAttribute(Qt::WA_DeleteOnClose);
    pQBox->open();
}
