#include "KIN_DataPeriod.h"
#include "KIN_DlgDiagramShift.h"
#include "KIN_DlgPeriodLimits.h"
#include "KIN_DlgValid.h"
#include "KIN_WidgetDetails.h"
#include "KIT_QT_Label0.h"

#include <QCheckBox>

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

TEST(DialogsFrench, UncertainYearsSayIncertainAndVers)
{
    KIN_DlgPeriodLimits dialog(nullptr);
    QStringList boxes;
    for (const QCheckBox* pQBox : dialog.findChildren<QCheckBox*>())
        boxes << pQBox->text();
    EXPECT_EQ(boxes, (QStringList{QStringLiteral("Incertain"), QStringLiteral("Incertain")}));

    KIN_WidgetDetails details;
    KIN_DataPeriod period;
    period.begin = 1850;
    period.end = 1920;
    period.uncertainBegin = true;
    details.ShowPeriod(period);
    EXPECT_EQ(details.GetBeginLabel()->text(), QStringLiteral("vers 1850"));
    EXPECT_EQ(details.GetEndLabel()->text(), QStringLiteral("1920"));
}
