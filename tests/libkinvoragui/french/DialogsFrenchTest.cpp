#include "KIN_DlgDiagramShift.h"
#include "KIN_DlgValid.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace
{
QString LabelAt(const QDialog& dialog, int nRow, int nColumn)
{
    const QGridLayout* pQGrid = dialog.findChild<QGridLayout*>();
    if (!pQGrid || !pQGrid->itemAtPosition(nRow, nColumn))
        return QString();
    const auto* pQLabel = qobject_cast<QLabel*>(pQGrid->itemAtPosition(nRow, nColumn)->widget());
    return pQLabel ? pQLabel->text() : QString();
}
} // namespace

TEST(DialogsFrench, ShiftDialogKeepsItsAccentedLetters)
{
    KIN_DlgDiagramShift dialog(nullptr);
    EXPECT_EQ(LabelAt(dialog, 0, 0), QStringLiteral("Depuis colonne:"));
    EXPECT_EQ(LabelAt(dialog, 1, 0), QStringLiteral(u"Jusqu'\u00E0 colonne:"));
    EXPECT_EQ(LabelAt(dialog, 1, 0).size(), 16);
    EXPECT_EQ(LabelAt(dialog, 2, 0), QStringLiteral("Decalage:"));
    EXPECT_EQ(LabelAt(dialog, 2, 2), QStringLiteral("colonnes"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(u"D\u00E9caler"));
}

TEST(DialogsFrench, ButtonsSayAnnulerAndOk)
{
    KIN_DlgDiagramShift dialog(nullptr);
    QStringList texts;
    for (const QPushButton* pQButton : dialog.findChildren<QPushButton*>())
        texts << pQButton->text();
    texts.sort();
    EXPECT_EQ(texts, (QStringList{QStringLiteral("Annuler"), QStringLiteral("OK")}));
}
