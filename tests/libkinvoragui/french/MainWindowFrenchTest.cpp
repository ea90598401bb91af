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
        S("&Fichier/&Sauvegarder"),
        S("&Fichier/Exporter &image"),
        S("&Fichier/-"),
        S("&Fichier/&Quitter"),
        S("&Edition"),
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
