#ifndef KIN_APPCONTEXT_H
#define KIN_APPCONTEXT_H

class KIN_MainWindow;
class QAction;
class QWidget;

// References the main window publishes for the scene items to call back and to enable or
// disable its actions. A window clears what it published when it is destroyed, so nothing
// points at a dead window (tests build many windows in one process).
struct KIN_AppContext
{
    KIN_MainWindow* pMainWindow = nullptr;
    QAction* pQActionChangePeriod = nullptr;
    QAction* pQActionRemovePeriod = nullptr;
    QAction* pQActionRemoveLink = nullptr;
    QWidget* pQDetails = nullptr;

    static KIN_AppContext& Get();
};

#endif
