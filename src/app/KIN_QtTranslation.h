#ifndef KIN_QTTRANSLATION_H
#define KIN_QTTRANSLATION_H

class QCoreApplication;

// Puts Qt's own texts (the standard buttons, the file dialogs) in the build's language, from
// the translations installed with Qt. The English build needs none. Without the translation
// file these texts stay in English. True when a translation was installed.
bool KIN_InstallQtTranslation(QCoreApplication& application);

#endif
