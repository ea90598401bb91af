// Entry point of the widget and scene tests: offscreen platform, one QApplication, and a
// fresh working folder so that "./autosave.xml" never touches the source tree, and settings
// kept there instead of the user's.
#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);

    QTemporaryDir workingFolder;
    if (!workingFolder.isValid() || !QDir::setCurrent(workingFolder.path()))
        return EXIT_FAILURE;
    for (const QSettings::Format format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope,
                           workingFolder.filePath(QStringLiteral("config")));
    return RUN_ALL_TESTS();
}
