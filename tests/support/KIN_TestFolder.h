#ifndef KIN_TESTFOLDER_H
#define KIN_TESTFOLDER_H

#include "KIN_QtPrint.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <string>

// A fresh working folder for one test: the window reads and writes "./autosave.xml" there.
class KIN_TestFolder
{
public:
    KIN_TestFolder() : m_previous(QDir::currentPath()) { QDir::setCurrent(m_folder.path()); }
    ~KIN_TestFolder() { QDir::setCurrent(m_previous); }
    KIN_TestFolder(const KIN_TestFolder&) = delete;
    KIN_TestFolder& operator=(const KIN_TestFolder&) = delete;

    QString Path(const QString& name) const { return m_folder.filePath(name); }

    // Writes a file in the folder, replacing it.
    bool Write(const QString& name, const std::string& content) const
    {
        QFile file(Path(name));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        return file.write(content.data(), static_cast<qint64>(content.size())) ==
               static_cast<qint64>(content.size());
    }

    std::string Read(const QString& name) const
    {
        QFile file(Path(name));
        if (!file.open(QIODevice::ReadOnly))
            return std::string();
        return file.readAll().toStdString();
    }

private:
    QString m_previous;
    QTemporaryDir m_folder;
};

#endif
