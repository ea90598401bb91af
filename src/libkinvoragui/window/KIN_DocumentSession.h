#ifndef KIN_DOCUMENTSESSION_H
#define KIN_DOCUMENTSESSION_H

#include "KIN_Texts.h"
#include "KIN_UndoStep.h"
#include "KIT_SafeObject.h"
#include "sp.h"

#include <QObject>
#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class KIN_AutosaveWriter;
class KIN_DocumentChanges;
class KIN_IDataFile;
class KIN_ISessionViews;
class KIN_UndoHistory;
struct KIN_DataDiagram;
struct KIN_DataImage;
struct KIN_DataLink;
struct KIN_DataPeriod;
struct KIN_GedcomChartSpec;
struct KIN_GedcomOptions;
struct KIN_GedcomResult;
struct KIN_GedcomReadTree;

// The life of one open diagram: the document, its current file, its undo history and its
// autosave, and the one rule every change follows: make it, record it, refresh the views
// (only what it touched when that is possible), write the autosave, reselect, push the step.
// It knows the views only through what a refresh needs of them; it tells of warnings, the
// current file and status lines through signals, and shows nothing itself.
class KIN_DocumentSession : public QObject, public KIT_SafeObject
{
    Q_OBJECT

public:
    // Reports an import's progress; false cancels it.
    using Progress = std::function<bool(std::size_t nDone, std::size_t nTotal)>;

    // The views must outlive the session. The autosave goes to AutosaveFile() in the working
    // folder of the start.
    explicit KIN_DocumentSession(KIN_ISessionViews& views, QObject* pQParent = nullptr);
    ~KIN_DocumentSession() override;

    // The autosave file, relative to the working folder.
    static const char* AutosaveFile() { return "./autosave.xml"; }

    KIN_IDataFile* GetDocument() const { return m_pDocumentPlain; }
    const KIN_DataDiagram& GetContent() const;
    const std::string& GetCurrentFile() const { return m_currentFile; }
    KIN_UndoHistory* GetHistory() const { return m_pHistory; }

    // Runs one change of the document as an undo step named stepText: change returns false
    // when it did nothing (no refresh, no step); finish runs after the refresh. A change the
    // document did not record (a link it already had) refreshes but adds no step.
    bool RunChange(KIN_Text stepText, const std::function<bool()>& change,
                   const std::function<void()>& finish = {});
    // Rebuilds every view from the document, writes the autosave file and reselects the
    // period the last change chose.
    void RefreshAll();

    // The edit commands, each one step.
    void AddPeriod(const KIN_DataPeriod& period);
    // stepText names the undo step: a period dragged sideways is moved, not changed.
    void ChangePeriod(const KIN_DataPeriod& period, KIN_Text stepText = KIN_Text::ChangePeriod);
    void RemovePeriod(const KIN_DataPeriod& period);
    // nSelectedId: the period selected while the link was drawn, selected again afterwards.
    void AddLink(const KIN_DataLink& link, std::int32_t nSelectedId);
    void RemoveLink(const KIN_DataLink& link);
    void AddImage(const KIN_DataImage& image);
    void ChangeImage(const KIN_DataImage& image);
    void RemoveImage(const KIN_DataImage& image);
    void ShiftColumns(std::int32_t nFrom, std::int32_t nTo, std::int32_t nShift);
    // bNewDiagram starts an empty diagram, saved to the autosave file as its current file.
    bool SetLimits(std::int32_t nBegin, std::int32_t nEnd, std::int32_t nWidth, bool bNewDiagram);

    // The file commands. Each failure is told through Warning and changes nothing.
    // The diagram the last run left, read once at start: no step to take back.
    void LoadAtStart();
    bool LoadFile(const std::string& path);
    bool SaveFile(const std::string& path);
    // The two halves of an import: reading the tree of the file at path, then drawing the
    // chart of it as one step that selects the chart's person and names the current file
    // after the chart (family.xml for everyone, family-I12.xml for the chart of @I12@).
    bool ReadGedcom(const std::string& path, KIN_GedcomReadTree& read,
                    const Progress& progress = {});
    bool DrawGedcom(const std::string& path, const KIN_GedcomReadTree& read,
                    const KIN_GedcomChartSpec& chart, const Progress& progress = {});

    void AutoSave();
    // Returns once the autosave file holds the last change.
    void WaitForAutosave() const;
    // Whether the autosave's last write failed: the file is older than the diagram.
    bool LastAutosaveFailed() const;
    const std::string& GetAutosavePath() const;

signals:
    void CurrentFileChanged();
    // A message for a warning box, filled in.
    void Warning(const QString& message);
    // A line for the status bar.
    void Status(const QString& message);

private:
    friend class KIN_SessionTestAccess;

    void RefreshChanged(const KIN_DocumentChanges& changes, bool bUndo);
    // Takes a step back or makes it again, then refreshes like any change.
    void ApplyStep(const KIN_UndoStep::Record& record, bool bUndo);
    void SelectPendingPeriod();
    void SetCurrentFile(const std::string& path);
    // Makes the autosave file a new diagram's current file, unless autosave is off.
    void StartNewDiagramFile();
    // Keeps an unreadable autosave under a new name before it is overwritten.
    void KeepUnreadableAutosave(const std::string& path);
    void Warn(KIN_Text text, const QString& argument = QString(),
              const QString& second = QString());
    static KIN_GedcomOptions ImportOptions(const Progress& progress);
    bool Refused(const KIN_GedcomResult& result, const std::string& path);

    KIN_ISessionViews& m_views;
    sp<KIN_IDataFile> m_pDocument;
    KIN_IDataFile* m_pDocumentPlain = nullptr;
    std::string m_currentFile = ".";
    KIN_UndoHistory* m_pHistory = nullptr;
    // Declared after the document: destroyed first, it writes its last save while the
    // document still exists.
    std::unique_ptr<KIN_AutosaveWriter> m_pAutosave;
    bool m_bAutosaveSuspended = false;
    bool m_bIncrementalRefresh = true;
    std::int32_t m_nPendingSelection = -1;
    std::int32_t m_nLastSelection = -1;
};

#endif
