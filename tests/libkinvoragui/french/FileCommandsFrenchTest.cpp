#include "KIN_DlgDiagramLimits.h"
#include "KIN_MainWindow.h"
#include "KIN_ModalDriver.h"
#include "KIN_TestFolder.h"
#include "KIN_TestMenus.h"

#include <gtest/gtest.h>

namespace
{
QString S(const char* pText)
{
    return QString::fromUtf8(pText);
}
} // namespace

TEST(FileCommandsFrench, FileDialogsAndLimitsDialogSpeakFrench)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    const auto shownBy = [&window](const char* pEntry)
    {
        KIN_FileDialogAnswer answer{QString()};
        QAction* pQAction = KIN_FindMenuAction(window, S(pEntry));
        EXPECT_NE(pQAction, nullptr) << pEntry;
        if (pQAction)
            pQAction->trigger();
        EXPECT_TRUE(answer.Seen()) << pEntry;
        return answer.Shown();
    };
    const KIN_FileDialogSeen load = shownBy("&Fichier/&Charger");
    EXPECT_EQ(load.caption, S("Selectionner un fichier a charger."));
    EXPECT_EQ(load.filters, QStringList{S("Fichier kinvora (*.xml)")});
    const KIN_FileDialogSeen save = shownBy("&Fichier/&Sauvegarder");
    EXPECT_EQ(save.caption, S("Selectionner un fichier a sauvegarder."));
    EXPECT_EQ(save.filters, QStringList{S("Fichier kinvora (*.xml)")});
    const KIN_FileDialogSeen exported = shownBy("&Fichier/Exporter &image");
    EXPECT_EQ(exported.caption, S("Definir un fichier image pour exporter."));
    EXPECT_EQ(exported.filters, QStringList{S("Fichier image (*.png)")});

    QStringList titles;
    for (const char* pEntry : {"&Fichier/&Nouveau", "&Edition/Configuration diagramme"})
    {
        KIN_WhenModal<KIN_DlgDiagramLimits> dialog(
            [&titles](KIN_DlgDiagramLimits& shown)
            {
                titles << shown.windowTitle();
                shown.reject();
            });
        KIN_FindMenuAction(window, S(pEntry))->trigger();
        EXPECT_TRUE(dialog.Seen()) << pEntry;
    }
    EXPECT_EQ(titles, QStringList({S("Creer un nouveau diagramme"),
                                   S("Changer la configuration du diagramme")}));
    EXPECT_EQ(window.windowTitle(), S("Kinvora IHM - \".\""));
}
