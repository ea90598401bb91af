// Opening files from outside the File dialogs (the command line, the recent files), and what
// the window keeps between runs in the user's settings.
#include "KIN_MainWindow.h"

#include "KIN_GedcomProbe.h"
#include "KIN_QtTexts.h"
#include "KIN_RecentFiles.h"
#include "KIN_Texts.h"
#include "KIT_QtText.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSettings>

namespace
{
QString GeometryKey()
{
    return QStringLiteral("window/geometry");
}

QString StateKey()
{
    return QStringLiteral("window/state");
}
} // namespace

void KIN_MainWindow::OpenFile(const std::string& path)
{
    if (KIN_GedcomProbe::IsGedcomFile(path))
        ImportGedcom(path);
    else
        LoadFile(path);
}

void KIN_MainWindow::RecordRecentFile(const std::string& path)
{
    QSettings settings;
    KIN_RecentFiles(settings).Add(KIT_ToQString(path));
}

void KIN_MainWindow::SlotMenu_RecentFiles_aboutToShow()
{
    // Read each time: another window may have added to the list.
    m_pQMenuRecent->clear();
    QSettings settings;
    const QStringList files = KIN_RecentFiles(settings).Files();
    for (int n = 0; n < files.size(); ++n)
    {
        QString shown = QDir::toNativeSeparators(files[n]);
        shown.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* pQAction =
            m_pQMenuRecent->addAction(QStringLiteral("&%1 %2").arg(QString::number(n + 1), shown));
        pQAction->setData(files[n]);
        connect(pQAction, &QAction::triggered, this,
                &KIN_MainWindow::SlotMenu_FileRecent_triggered);
    }
}

void KIN_MainWindow::SlotMenu_FileRecent_triggered(bool)
{
    const auto* pQAction = qobject_cast<const QAction*>(sender());
    if (!pQAction)
        return;
    const QString file = pQAction->data().toString();
    QSettings settings;
    if (KIN_RecentFiles(settings).KeepIfPresent(file))
        OpenFile(KIT_ToBytes(file));
    else
        SlotSession_Warn_Warning(
            KIN_QText(KIN_Text::WarningRecentFileGone).arg(QDir::toNativeSeparators(file)));
}

void KIN_MainWindow::SaveLayout()
{
    QSettings settings;
    settings.setValue(GeometryKey(), saveGeometry());
    settings.setValue(StateKey(), saveState());
}

bool KIN_MainWindow::RestoreLayout()
{
    const QSettings settings;
    if (!restoreGeometry(settings.value(GeometryKey()).toByteArray()))
        return false;
    restoreState(settings.value(StateKey()).toByteArray());
    return true;
}
