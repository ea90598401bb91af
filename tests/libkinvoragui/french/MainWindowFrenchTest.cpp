#include "KIN_DataDiagram.h"
#include "KIN_DocumentSession.h"
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_TestFolder.h"
#include "KIN_TestMenus.h"
#include "KIN_Texts.h"

#include <gtest/gtest.h>

namespace
{
QString S(const char* pText)
{
    return QString::fromUtf8(pText);
}
} // namespace

TEST(MainWindowFrench, MenusAndEntriesInOrder)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    const QStringList expected = {
        S("&Fichier"),
        S("&Fichier/&Nouveau"),
        S("&Fichier/&Charger"),
        S("&Fichier/Importer GEDCOM..."),
        S("&Fichier/&Fichiers récents"),
        S("&Fichier/&Sauvegarder"),
        S("&Fichier/Exporter &image"),
        S("&Fichier/Exporter en PDF..."),
        S("&Fichier/Exporter en SVG..."),
        S("&Fichier/Imprimer..."),
        S("&Fichier/-"),
        S("&Fichier/&Quitter"),
        S("&Edition"),
        S("&Edition/Annuler"),
        S("&Edition/Rétablir"),
        S("&Edition/-"),
        S("&Edition/Configuration diagramme"),
        S("&Edition/Nouvelle periode"),
        S("&Edition/Changer periode"),
        S("&Edition/Supprimer periode"),
        S("&Edition/Supprimer lien"),
        S("&Edition/-"),
        S("&Edition/Décaler"),
        S("&Affichage"),
        S("&Affichage/Zoom +   \t(Ctrl + '+' )"),
        S("&Affichage/Zoom -   \t(Ctrl + '-' )"),
        S("&Affichage/Zoom normal"),
        S("&Affichage/Liste toutes les periodes"),
        S("&Affichage/Details de la periode selectionnee"),
        S("&?"),
        S("&?/A &propos"),
        S("[Zoom +]"),
        S("[Zoom -]"),
        S("[Zoom x 1]"),
    };
    EXPECT_EQ(KIN_MenuTexts(window), expected);
    EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \".\""));
}

TEST(MainWindowFrench, AccentedTextsKeepTheirLetters)
{
    const QString shift = QString::fromUtf8(KIN_TextOf(KIN_Text::Shift));
    const QString toColumn = QString::fromUtf8(KIN_TextOf(KIN_Text::LabelToColumn));
    EXPECT_EQ(shift.size(), 7);
    EXPECT_EQ(shift.at(1), QChar(0x00E9));
    EXPECT_EQ(toColumn, QStringLiteral(u"Jusqu'\u00E0 colonne:"));
}

TEST(MainWindowFrench, AboutTextIsShared)
{
    EXPECT_TRUE(KIN_MainWindow::AboutText().startsWith(S("Software:\tKinvora\nDate:    \t")));
}

TEST(MainWindowFrench, UndoEntriesNameTheStepInFrench)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    QAction* pQUndo = KIN_FindMenuAction(window, S("&Edition/Annuler"));
    QAction* pQRedo = KIN_FindMenuAction(window, S("&Edition/Rétablir"));
    ASSERT_NE(pQUndo, nullptr);
    ASSERT_NE(pQRedo, nullptr);
    EXPECT_FALSE(pQUndo->isEnabled());
    EXPECT_FALSE(pQRedo->isEnabled());

    KIN_DataPeriod period;
    period.begin = 1900;
    period.end = 1950;
    window.ChangePeriod(period); // no period with that id: nothing to undo
    EXPECT_FALSE(pQUndo->isEnabled());
    window.GetSession()->GetDocument()->AddPeriod(period);
    window.RefreshAll();
    period.id = 1;
    period.column = 3;
    window.ChangePeriod(period, KIN_Text::StepMovePeriod);
    EXPECT_TRUE(pQUndo->isEnabled());
    EXPECT_EQ(pQUndo->text(), S("Annuler Déplacer période"));
    pQUndo->trigger();
    EXPECT_EQ(window.GetSession()->GetDocument()->GetData()->periods[0].column, 0);
    EXPECT_FALSE(pQUndo->isEnabled());
    EXPECT_EQ(pQRedo->text(), S("Rétablir Déplacer période"));
}
