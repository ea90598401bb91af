#include "KIN_DlgGedcomChart.h"
#include "KIN_GedcomTexts.h"
#include "KIN_SummaryCases.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

TEST(GedcomChartFrench, TheDialogAndTheSummaryAreInFrench)
{
    const KIN_DlgGedcomChart dialog(nullptr);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral(u"Importer un arbre g\u00E9n\u00E9alogique"));
    const QComboBox* pQKind = dialog.findChild<QComboBox*>(QStringLiteral("kind"));
    ASSERT_NE(pQKind, nullptr);
    QStringList kinds;
    for (int n = 0; n < pQKind->count(); ++n)
        kinds << pQKind->itemText(n);
    EXPECT_EQ(kinds, (QStringList{QStringLiteral("Tout le monde"), QStringLiteral("Ascendants"),
                                  QStringLiteral("Descendants"),
                                  QStringLiteral("Ascendants et descendants"),
                                  QStringLiteral(u"Toute la parent\u00E9")}));
    QStringList labels;
    for (const QLabel* pQLabel : dialog.findChildren<QLabel*>())
        labels << pQLabel->text();
    EXPECT_TRUE(labels.contains(QStringLiteral(u"G\u00E9n\u00E9rations ascendantes")));
    EXPECT_TRUE(labels.contains(QStringLiteral(u"G\u00E9n\u00E9rations descendantes")));
    EXPECT_TRUE(labels.contains(QStringLiteral("Personne :")));
    EXPECT_EQ(dialog.findChild<QCheckBox*>(QStringLiteral("spouses"))->text(),
              QStringLiteral("Avec les conjoints"));
    EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("find"))->placeholderText(),
              QStringLiteral("Chercher une personne"));

    KIN_GedcomResult result;
    result.error = KIN_GedcomError::NoPerson;
    result.detail = "I99";
    EXPECT_EQ(KIN_GedcomTexts::Reason(result, "arbre.ged"), "Aucune personne @I99@ dans arbre.ged");
}

// French takes the singular for none and one.
TEST(GedcomChartFrench, TheSummaryAgreesWithItsCounts)
{
    KIN_ExpectSummaries(
        {{1, 0, 0, 0, 0, "1 personne et 0 famille importées ; 0 avec des dates estimées."},
         {2, 1, 0, 1, 1,
          "2 personnes et 1 famille importées ; 0 avec des dates estimées. 1 avec des dates "
          "douteuses, placée comme inconnue. 1 écartée : ni elle ni ses proches n'ont de date."},
         {30, 12, 0, 2, 3,
          "30 personnes et 12 familles importées ; 0 avec des dates estimées. 2 avec des dates "
          "douteuses, placées comme inconnues. 3 écartées : ni elles ni leurs proches n'ont de "
          "date."},
         {31, 0, 0, 0, 0, "Ascendants de Anna Lind : 31 personnes sur 5 générations.",
          KIN_GedcomChartKind::Ancestors, 5},
         {1, 0, 0, 0, 0, "Ascendants de Anna Lind : 1 personne sur 1 génération.",
          KIN_GedcomChartKind::Ancestors, 1}});
}
