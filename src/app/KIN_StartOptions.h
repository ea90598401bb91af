#ifndef KIN_STARTOPTIONS_H
#define KIN_STARTOPTIONS_H

#include <QString>
#include <QStringList>

// The command line of the programs: at most one file to open, --desktop when the menu entry
// starts them, --help and --version. It also decides the folder the program works in, which
// holds the autosave file and the pictures a diagram names.
class KIN_StartOptions
{
public:
    enum class Action
    {
        Run,
        PrintAndExit, // help or version: Message() goes to the standard output
        FailAndExit   // a wrong command line: Message() goes to the standard error
    };

    // The names settings and data folders are kept under; both languages share them.
    static void NameApplication(const QString& version);

    // Reads the arguments, the program's name first.
    Action Parse(const QStringList& arguments);
    const QString& Message() const { return m_message; }
    bool IsDesktop() const { return m_bDesktop; }
    // The file to open, absolute; empty when none was given.
    const QString& File() const { return m_file; }

    // The file's folder when it exists; otherwise under --desktop the user's data folder,
    // created when missing; otherwise empty: the folder the program was started in.
    QString WorkingFolder() const;
    static QString DesktopFolder();

private:
    QString m_message;
    QString m_file;
    bool m_bDesktop = false;
};

#endif
