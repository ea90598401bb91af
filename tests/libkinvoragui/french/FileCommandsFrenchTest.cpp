#include "KIN_DlgDiagramLimits.h"
#include "KIN_DocumentSession.h"
#include "KIN_MainWindow.h"
#include "KIN_ModalDriver.h"
#include "KIN_TestFolder.h"
#include "KIN_TestMenus.h"

#include <QAbstractButton>
#include <QDir>
#include <QMessageBox>

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

TEST(FileCommandsFrench, AFailedLastAutosaveAsksInFrench)
{
    KIN_TestFolder folder;
    KIN_MainWindow window;
    window.show();
    ASSERT_TRUE(QDir(folder.Path(QString())).removeRecursively());
    window.GetSession()->AutoSave();
    window.GetSession()->WaitForAutosave();
    QApplication::processEvents(); // the failure's own warning, open without blocking
    for (QMessageBox* pQWarning : window.findChildren<QMessageBox*>())
        pQWarning->close();
    QApplication::processEvents();
    QStringList buttons;
    QString question;
    KIN_WhenModal<QMessageBox> box(
        [&](QMessageBox& shown)
        {
            if (!shown.informativeText().isEmpty())
                question = shown.informativeText();
            for (QAbstractButton* pQButton : shown.buttons())
                buttons << pQButton->text();
            QTest::mouseClick(shown.button(QMessageBox::Discard), Qt::LeftButton);
        });
    EXPECT_TRUE(window.close());
    ASSERT_TRUE(box.Seen());
    EXPECT_TRUE(question.startsWith(S("Les dernières modifications"))) << question.toStdString();
    buttons.sort();
    EXPECT_EQ(buttons, QStringList({S("Enregistrer ailleurs..."), S("Fermer sans enregistrer"),
                                    S("Revenir au diagramme")}));
}
