#include "KIN_RecentFiles.h"

#include <QFileInfo>
#include <QSettings>

namespace
{
QString Key()
{
    return QStringLiteral("recentFiles");
}

QString Absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}
} // namespace

QStringList KIN_RecentFiles::Files() const
{
    return m_settings.value(Key()).toStringList();
}

void KIN_RecentFiles::Add(const QString& path)
{
    if (path.isEmpty())
        return;
    const QString file = Absolute(path);
    QStringList files = Files();
    files.removeAll(file);
    files.prepend(file);
    Write(files);
}

void KIN_RecentFiles::Remove(const QString& path)
{
    QStringList files = Files();
    if (files.removeAll(Absolute(path)) > 0)
        Write(files);
}

bool KIN_RecentFiles::KeepIfPresent(const QString& path)
{
    if (QFileInfo(path).isFile())
        return true;
    Remove(path);
    return false;
}

void KIN_RecentFiles::Write(QStringList files)
{
    // A list another version wrote may be longer: the limit holds from the next change on.
    while (files.size() > kLimit)
        files.removeLast();
    m_settings.setValue(Key(), files);
    m_settings.sync();
}
