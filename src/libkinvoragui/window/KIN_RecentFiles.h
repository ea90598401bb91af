#ifndef KIN_RECENTFILES_H
#define KIN_RECENTFILES_H

#include <QString>
#include <QStringList>

class QSettings;

// The diagrams and family trees the user loaded, imported or saved last, newest first, kept
// in the user's settings. Every call reads the settings again, so that two running windows
// add to the same list instead of overwriting each other's.
class KIN_RecentFiles
{
public:
    static constexpr int kLimit = 8;

    explicit KIN_RecentFiles(QSettings& settings) : m_settings(settings) {}

    QStringList Files() const;
    // Puts the file first, once, as an absolute path; the oldest beyond the limit go.
    void Add(const QString& path);
    void Remove(const QString& path);
    // Whether the file is still there; one that is gone leaves the list.
    bool KeepIfPresent(const QString& path);

private:
    void Write(QStringList files);

    QSettings& m_settings;
};

#endif
