#ifndef KIN_DLGVALID_H
#define KIN_DLGVALID_H

#include "KIT_SafeObject.h"

#include <QDialog>

#include <cstdint>

enum class KIN_Text : int;
class QGridLayout;
class QLineEdit;
class KIT_QT_PushButton;
class KIT_QT_Widget0;

// Base of every editing dialog: a content area on top, "Cancel" and "OK" centred below.
// The buttons act as soon as they are pressed down; OK holds the focus when the dialog
// opens, so Enter confirms right away.
class KIN_DlgValid : public QDialog, public KIT_SafeObject
{
    Q_OBJECT

public:
    KIN_DlgValid(const char* pSafeObjectName, QWidget* pQParent);
    ~KIN_DlgValid() override;

protected:
    // The widget the subclass fills; it puts its own grid layout on it.
    QWidget* ContentArea() const;
    // Runs the dialog modally with the focus on OK; non-zero when it was accepted.
    int Exec();

    // Puts a left-aligned label with the build's text into a cell of a subclass's grid.
    static void AddLabel(QGridLayout* pQGrid, KIN_Text text, int nRow, int nColumn,
                         int nColumnSpan = 1);
    // A number field shows its value in decimal and reads back 0 when it holds no number.
    static void SetNumber(QLineEdit* pQField, std::int32_t nValue);
    static std::int32_t NumberOf(const QLineEdit* pQField);

private:
    KIT_QT_Widget0* m_pContentArea = nullptr;
    KIT_QT_PushButton* m_pButtonOk = nullptr;
};

#endif
