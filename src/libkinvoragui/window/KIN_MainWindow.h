#ifndef KIN_MAINWINDOW_H
#define KIN_MAINWINDOW_H

#include "KIN_Texts.h"
#include "KIN_WindowViews.h"
#include "KIT_SafeObject.h"

#include <QMainWindow>

#include <string>

class KIN_DlgDiagramLimits;
class KIN_DlgDiagramShift;
class KIN_DlgGedcomChart;
class KIN_DlgPeriodLimits;
class KIN_DocumentSession;
class KIN_ExportCommands;
class KIN_ViewPeriods;
class KIN_ViewYears;
class KIN_WidgetDetails;
class KIN_WidgetFindPeriod;
class KIT_QT_ListWidget0;
struct KIN_DataImage;
struct KIN_DataLink;
struct KIN_DataPeriod;
class QAction;
class QCloseEvent;
class QDockWidget;
class QListWidgetItem;
class QMenu;

// The one top-level window: builds the menus, the docks and the views, and turns each menu
// entry into a dialog and one call of its document session, which owns the document, its
// file, undo history and autosave, and refreshes the views after every change.
class KIN_MainWindow : public QMainWindow, public KIT_SafeObject
{
    Q_OBJECT

public:
    KIN_MainWindow();
    ~KIN_MainWindow() override;

    KIN_DocumentSession* GetSession() const { return m_pSession; }

    // The commands the scene items call; each forwards to the session.
    void RefreshAll();
    void ChangePeriod(const KIN_DataPeriod& period, KIN_Text stepText = KIN_Text::ChangePeriod);
    void AddLink(const KIN_DataLink& link);
    void AddImage(const KIN_DataImage& image);
    void ChangeImage(const KIN_DataImage& image);
    void UpdateRuler();
    bool EditDiagramLimits(const std::string& title, bool bNewDiagram);
    void LoadFile(const std::string& path);
    // Imports with a progress dialog; false when refused.
    bool ImportGedcom(const std::string& path);
    // Loads a diagram or imports a GEDCOM file, told apart by their content.
    void OpenFile(const std::string& path);
    // The size, place and dock layout of the last run; false when there is none.
    bool RestoreLayout();
    // The About box's four lines: software, build date, build time, author.
    static QString AboutText();

    double GetZoomFactor() const { return m_zoomFactor; }
    QAction* GetZoomLabel() const { return m_pQZoomLabel; }
    QAction* GetActionChangePeriod() const { return m_pQActionChangePeriod; }
    QAction* GetActionRemovePeriod() const { return m_pQActionRemovePeriod; }
    QAction* GetActionRemoveLink() const { return m_pQActionRemoveLink; }
    KIT_QT_ListWidget0* GetPeriodList() const { return m_pQPeriodList; }
    KIN_WidgetFindPeriod* GetFindPeriod() const { return m_pFindPeriod; }
    KIN_WidgetDetails* GetDetails() const { return m_pDetails; }
    KIN_ViewPeriods* GetView() const { return m_pView; }
    KIN_ViewYears* GetRuler() const { return m_pRuler; }

public slots:
    void SlotMenu_FileNew_triggered(bool bIsChecked);
    void SlotMenu_FileLoad_triggered(bool bIsChecked);
    void SlotMenu_FileImportGedcom_triggered(bool bIsChecked);
    void SlotMenu_FileSave_triggered(bool bIsChecked);
    void SlotMenu_FileExport_triggered(bool bIsChecked);
    void SlotMenu_FileExportPdf_triggered(bool bIsChecked);
    void SlotMenu_FileExportSvg_triggered(bool bIsChecked);
    void SlotMenu_FilePrint_triggered(bool bIsChecked);
    void SlotMenu_FileExit_triggered(bool bIsChecked);
    void SlotMenu_FileRecent_triggered(bool bIsChecked);
    void SlotMenu_RecentFiles_aboutToShow();
    void SlotMenu_EditLimitDiagr_triggered(bool bIsChecked);
    void SlotMenu_EditNewPeriod_triggered(bool bIsChecked);
    void SlotMenu_EditChangePeriod_triggered(bool bIsChecked);
    void SlotMenu_EditRemovePeriod_triggered(bool bIsChecked);
    void SlotMenu_EditRemoveLink_triggered(bool bIsChecked);
    void SlotMenu_EditRemoveImage_triggered(bool bIsChecked);
    void SlotMenu_EditShift_triggered(bool bIsChecked);
    void SlotMenu_EditFind_triggered(bool bIsChecked);
    void SlotMenu_HelpAbout_triggered(bool bIsChecked);
    void SlotMenu_ZoomValue_triggered(bool bIsChecked);
    void SlotMenu_ZoomIn_triggered(bool bIsChecked);
    void SlotMenu_ZoomOut_triggered(bool bIsChecked);
    void SlotSession_Warn_Warning(const QString& message);
    void SlotSession_Title_CurrentFileChanged();
    void SlotList_PeriodChanged(QListWidgetItem* pQItem);
    void SlotList_PeriodChanged2(QListWidgetItem* pQItemCurrent, QListWidgetItem* pQItemPrevious);

protected:
    // Waits for the autosave's last write; when it failed, closing goes on only once the
    // diagram is saved elsewhere or the user gives it up.
    void closeEvent(QCloseEvent* pQEvent) override;

private:
    void CreateMenus();
    void CreateDocks();
    void PublishReferences();
    QAction* AddMenuAction(QMenu* pQMenu, const QString& text, void (KIN_MainWindow::*pSlot)(bool));
    void ApplyZoom(double factor);
    void RecordRecentFile(const std::string& path);
    void SaveLayout();

    KIN_ViewPeriods* m_pView = nullptr;
    KIN_ViewYears* m_pRuler = nullptr;
    KIN_WidgetDetails* m_pDetails = nullptr;
    KIT_QT_ListWidget0* m_pQPeriodList = nullptr;
    KIN_WidgetFindPeriod* m_pFindPeriod = nullptr;
    KIN_WindowViews m_views; // given its parts once the widgets exist
    KIN_DocumentSession* m_pSession = nullptr;
    KIN_DlgDiagramLimits* m_pDlgLimits = nullptr;
    KIN_DlgDiagramShift* m_pDlgShift = nullptr;
    KIN_DlgPeriodLimits* m_pDlgPeriod = nullptr;
    KIN_DlgGedcomChart* m_pDlgChart = nullptr;
    KIN_ExportCommands* m_pExports = nullptr;
    double m_zoomFactor = 1.0;

    QMenu* m_pQMenuDisplay = nullptr;
    QMenu* m_pQMenuRecent = nullptr;
    QAction* m_pQZoomLabel = nullptr;
    QAction* m_pQActionChangePeriod = nullptr;
    QAction* m_pQActionRemovePeriod = nullptr;
    QAction* m_pQActionRemoveLink = nullptr;
    QDockWidget* m_pQListDock = nullptr;
};

#endif
