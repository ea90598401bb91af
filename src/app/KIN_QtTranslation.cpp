#include "KIN_QtTranslation.h"

#include "KIN_Texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <cstring>
#include <memory>

bool KIN_InstallQtTranslation(QCoreApplication& application)
{
    const char* pLanguage = KIN_LanguageCode();
    if (std::strcmp(pLanguage, "en") == 0)
        return false;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_") + QLatin1String(pLanguage),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return false;
    translator->setParent(&application); // the application keeps it as long as it runs
    return QCoreApplication::installTranslator(translator.release());
}
