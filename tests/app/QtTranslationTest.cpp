// Qt's own buttons speak the build's language: the same test runs in both builds.
#include "KIN_QtTranslation.h"
#include "KIN_Texts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include <gtest/gtest.h>

#include <cstring>

TEST(QtTranslation, StandardButtonsSpeakTheBuildsLanguage)
{
    struct Case
    {
        const char* pLanguage;
        bool bInstalled;
        QStringList buttons; // Yes, No, Cancel
    };
    const Case cases[] = {
        {"en", false, {QStringLiteral("&Yes"), QStringLiteral("&No"), QStringLiteral("Cancel")}},
        {"fr", true, {QStringLiteral("&Oui"), QStringLiteral("&Non"), QStringLiteral("Annuler")}},
    };
    const Case* pCase = nullptr;
    for (const Case& c : cases)
        if (std::strcmp(c.pLanguage, KIN_LanguageCode()) == 0)
            pCase = &c;
    ASSERT_NE(pCase, nullptr) << KIN_LanguageCode();

    EXPECT_EQ(KIN_InstallQtTranslation(*qApp), pCase->bInstalled)
        << "Qt's translations: install the qt6-translations-l10n package";
    QMessageBox box(QMessageBox::Question, QString(), QString(),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    const QStringList shown = {box.button(QMessageBox::Yes)->text(),
                               box.button(QMessageBox::No)->text(),
                               box.button(QMessageBox::Cancel)->text()};
    EXPECT_EQ(shown, pCase->buttons);
}
