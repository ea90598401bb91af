#ifndef KIN_MAINWINDOW_H
#define KIN_MAINWINDOW_H

#include "KIN_Texts.h"
#include "KIN_UndoStep.h"
#include "KIT_SafeObject.h"
#include "sp.h"

#include <QMainWindow>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class KIN_DlgDiagramLimits;
class KIN_DlgDiagramShift;
class KIN_DlgPeriodLimits;
class KIN_AutosaveWriter;
class KIN_DocumentChanges;
class KIN_IDataFile;
class KIN_UndoHistory;
class KIN_ViewPeriods;
class KIN_ViewYears;
class KIN_WidgetDetails;
class KIN_WidgetFindPeriod;
class KIT_QT_ListWidget0;
struct KIN_DataDiagram;
struct KIN_DataImage;
struct KIN_DataLink;
struct KIN_DataPeriod;
class QAction;
class QCloseEvent;
class QDockWidget;
class QListWidgetItem;
class QMenu;

// The one top-level window: owns the document and every view of it, builds the menus and
// runs the commands. After every change it rebuilds all views from the document.
class KIN_MainWindow : public QMainWindow, public KIT_SafeObject
{
    Q_OBJECT

public:
    KIN_MainWindow();
    ~KIN_MainWindow() override;

    // Rebuilds every view from the document, writes the autosave file and reselects the
    // period whose id the last command remembered.
    void RefreshAll();
    // The same after changes the document recorded: only what they touched is redrawn when
    // they are few, and everything is rebuilt otherwise.
    void RefreshChanged(const KIN_DocumentChanges& changes, bool bUndo);
    // For comparisons: false makes every refresh a rebuild.
    void SetIncrementalRefresh(bool bIncremental) { m_bIncrementalRefresh = bIncremental; }
    // Rebuilds everything and selects what the last refresh selected: what RefreshChanged
    // must have shown.
    void RebuildAsLastRefresh();
    // stepText names the undo step: a period dragged sideways is moved, not changed.
    void ChangePeriod(const KIN_DataPeriod& period, KIN_Text stepText = KIN_Text::ChangePeriod);
    void AddLink(const KIN_DataLink& link);
    void AddImage(const KIN_DataImage& image);
    void ChangeImage(const KIN_DataImage& image);
    void UpdateRuler();

    // The autosave file, relative to the working folder.
    static const char* AutosaveFile() { return "./autosave.xml"; }
    bool EditDiagramLimits(const std::string& title, bool bNewDiagram);
    void LoadFile(const std::string& path);
    // Replaces the diagram by the tree of a GEDCOM file, as one step; false when refused.
    bool ImportGedcom(const std::string& path);
    void SaveFile(const std::string& path);
    // Loads a diagram or imports a GEDCOM file, told apart by their content.
    void OpenFile(const std::string& path);
    // The size, place and dock layout of the last run; false when there is none.
    bool RestoreLayout();
    void AutoSave();
    // Returns once the autosave file holds the last change.
    void WaitForAutosave() const;
    void UpdateTitle();
    // The About box's four lines: software, build date, build time, author.
    static QString AboutText();
    double GetZoomFactor() const { return m_zoomFactor; }
    const std::string& GetCurrentFile() const { return m_currentFile; }

    // Menu-bar actions, for the tests and the scene items.
    QAction* GetZoomLabel() const { return m_pQZoomLabel; }
    QAction* GetActionChangePeriod() const { return m_pQActionChangePeriod; }
    QAction* GetActionRemovePeriod() const { return m_pQActionRemovePeriod; }
    QAction* GetActionRemoveLink() const { return m_pQActionRemoveLink; }
    KIT_QT_ListWidget0* GetPeriodList() const { return m_pQPeriodList; }
    KIN_WidgetFindPeriod* GetFindPeriod() const { return m_pFindPeriod; }
    KIN_WidgetDetails* GetDetails() const { return m_pDetails; }
    KIN_ViewPeriods* GetView() const { return m_pView; }
    KIN_ViewYears* GetRuler() const { return m_pRuler; }
    KIN_IDataFile* GetDocument() const { return m_pDocumentPlain; }
    KIN_DlgDiagramLimits* GetLimitsDialog() const { return m_pDlgLimits; }
    KIN_DlgDiagramShift* GetShiftDialog() const { return m_pDlgShift; }
    KIN_DlgPeriodLimits* GetPeriodDialog() const { return m_pDlgPeriod; }
    KIN_UndoHistory* GetHistory() const { return m_pHistory; }

public slots:
    void SlotMenu_FileNew_triggered(bool bIsChecked);
    void SlotMenu_FileLoad_triggered(bool bIsChecked);
    void SlotMenu_FileImportGedcom_triggered(bool bIsChecked);
    void SlotMenu_FileSave_triggered(bool bIsChecked);
    void SlotMenu_FileExport_triggered(bool bIsChecked);
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
    void SlotMenu_HelpAbout_triggered(bool bIsChecked);
    void SlotMenu_ZoomValue_triggered(bool bIsChecked);
    void SlotMenu_ZoomIn_triggered(bool bIsChecked);
    void SlotMenu_ZoomOut_triggered(bool bIsChecked);
    void SlotMenu_EditFind_triggered(bool bIsChecked);
    void SlotAutosave_Warn_SaveFailed(const QString& fileName);
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
    bool ConfirmRemoval(KIN_Text title, KIN_Text question);
    // A non-blocking warning naming what went wrong.
    void ShowWarning(KIN_Text text, const QString& argument = QString(),
                     const QString& second = QString());
    // Runs one change of the document as an undo step named stepText: change returns false
    // when it did nothing (no refresh, no step); finish runs after the refresh. A change the
    // document did not record (a link it already had) refreshes but adds no step.
    bool RunChange(const QString& stepText, const std::function<bool()>& change,
                   const std::function<void()>& finish = {});
    // Takes a step back or makes it again, then refreshes like any change.
    void ApplyStep(const KIN_UndoStep::Record& record, bool bUndo);
    void SelectPendingPeriod();
    void LoadAtStart(const std::string& path);
    // The file chosen in an open-file dialog starting at the current file; empty if none.
    std::string AskFileToOpen(KIN_Text caption, KIN_Text filter);
    // Makes the autosave file a new diagram's current file, unless autosave is off.
    void StartNewDiagramFile();
    // Whether the window may close: the diagram is in the autosave, saved elsewhere, or given
    // up by the user.
    bool MayClose();
    // Keeps an unreadable autosave under a new name before it is overwritten.
    void KeepUnreadableAutosave(const std::string& path);
    void RecordRecentFile(const std::string& path);
    void SaveLayout();

    sp<KIN_IDataFile> m_pDocument;
    KIN_IDataFile* m_pDocumentPlain = nullptr;
    std::string m_currentFile = ".";
    const KIN_DataDiagram* m_pContent = nullptr;
    KIN_ViewPeriods* m_pView = nullptr;
    KIN_ViewYears* m_pRuler = nullptr;
    KIN_DlgDiagramLimits* m_pDlgLimits = nullptr;
    KIN_DlgDiagramShift* m_pDlgShift = nullptr;
    KIN_DlgPeriodLimits* m_pDlgPeriod = nullptr;
    KIN_UndoHistory* m_pHistory = nullptr;
    // Declared after the document: destroyed first, it writes its last save before the
    // window's other parts go.
    std::unique_ptr<KIN_AutosaveWriter> m_pAutosave;
    double m_zoomFactor = 1.0;
    bool m_bFirstLoad = true;
    bool m_bAutosaveSuspended = false;

    QMenu* m_pQMenuDisplay = nullptr;
    QMenu* m_pQMenuRecent = nullptr;
    QAction* m_pQZoomLabel = nullptr;
    QAction* m_pQActionChangePeriod = nullptr;
    QAction* m_pQActionRemovePeriod = nullptr;
    QAction* m_pQActionRemoveLink = nullptr;
    KIN_WidgetDetails* m_pDetails = nullptr;
    KIT_QT_ListWidget0* m_pQPeriodList = nullptr;
    KIN_WidgetFindPeriod* m_pFindPeriod = nullptr;
    QDockWidget* m_pQListDock = nullptr;
    std::int32_t m_nPendingSelection = -1;
    std::int32_t m_nLastSelection = -1;
    bool m_bIncrementalRefresh = true;
};

#endif
