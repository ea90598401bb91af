#include "KIN_DocumentSession.h"

#include "KIN_AutosaveWriter.h"
#include "KIN_DataDiagram.h"
#include "KIN_DiagramFileFormat.h"
#include "KIN_GedcomChart.h"
#include "KIN_GedcomTexts.h"
#include "KIN_IDataFile.h"
#include "KIN_ISessionViews.h"
#include "KIN_QtTexts.h"
#include "KIN_UndoHistory.h"
#include "KIT_QtText.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace
{
// A name beside the unreadable file that no earlier copy has.
QString FreeRescueName(const QString& path)
{
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = path + QStringLiteral(".unreadable-") + stamp;
    QString candidate = base;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = base + QLatin1Char('-') + QString::number(n);
    return candidate;
}

// Columns as scene x (100 units a column), within 32 bits: a typed column can be any int.
std::int32_t ColumnsToSceneX(std::int32_t nColumns, std::int32_t nOffset)
{
    const std::int64_t x = static_cast<std::int64_t>(nColumns) * 100 + nOffset;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        x, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}
} // namespace

KIN_DocumentSession::KIN_DocumentSession(KIN_ISessionViews& views, QObject* pQParent)
    : QObject(pQParent), KIT_SafeObject("KIN_DocumentSession"), m_views(views),
      m_pDocument(CreateDataFile())
{
    m_pDocumentPlain = &*m_pDocument;
    m_pHistory = new KIN_UndoHistory(this, [this](const KIN_UndoStep::Record& record, bool bUndo)
                                     { ApplyStep(record, bUndo); });
    // A name of its own for the worker: the working folder is the start's.
    m_pAutosave = std::make_unique<KIN_AutosaveWriter>(
        KIT_ToBytes(QDir::current().absoluteFilePath(KIT_ToQString(AutosaveFile()))));
    connect(m_pAutosave.get(), &KIN_AutosaveWriter::SaveFailed, this,
            [this](const QString& fileName)
            { Warn(KIN_Text::WarningAutosaveFailed, QDir::cleanPath(fileName)); });
}

KIN_DocumentSession::~KIN_DocumentSession() = default;

const KIN_DataDiagram& KIN_DocumentSession::GetContent() const
{
    return *m_pDocumentPlain->GetData();
}

bool KIN_DocumentSession::RunChange(KIN_Text stepText, const std::function<bool()>& change,
                                    const std::function<void()>& finish)
{
    KIN_UndoStep::Record step;
    step.fileBefore = m_currentFile;
    m_pDocumentPlain->Record(&step.changes);
    const bool bChanged = change();
    m_pDocumentPlain->Record(nullptr);
    if (!bChanged)
        return false;
    step.nPeriodId = m_nPendingSelection;
    RefreshChanged(step.changes, false);
    if (finish)
        finish();
    step.fileAfter = m_currentFile;
    if (!step.changes.IsEmpty() || step.fileBefore != step.fileAfter)
        m_pHistory->Push(KIN_QText(stepText).remove(QLatin1Char('&')), std::move(step));
    return true;
}

void KIN_DocumentSession::RefreshAll()
{
    m_views.RebuildViews();
    AutoSave();
    SelectPendingPeriod();
}

void KIN_DocumentSession::RefreshChanged(const KIN_DocumentChanges& changes, bool bUndo)
{
    if (!m_bIncrementalRefresh || !m_views.UpdateViews(changes, bUndo))
    {
        RefreshAll();
        return;
    }
    AutoSave();
    SelectPendingPeriod();
}

void KIN_DocumentSession::ApplyStep(const KIN_UndoStep::Record& record, bool bUndo)
{
    if (bUndo)
        m_pDocumentPlain->Undo(record.changes);
    else
        m_pDocumentPlain->Redo(record.changes);
    // Only New, Load and Import change the current file; a Save in between is kept.
    if (record.fileBefore != record.fileAfter)
        SetCurrentFile(bUndo ? record.fileBefore : record.fileAfter);
    m_nPendingSelection = record.nPeriodId;
    RefreshChanged(record.changes, bUndo);
}

void KIN_DocumentSession::SelectPendingPeriod()
{
    m_nLastSelection = m_nPendingSelection;
    if (m_nPendingSelection >= 0)
        m_views.SelectPeriod(m_nPendingSelection);
    m_nPendingSelection = -1;
}

void KIN_DocumentSession::SetCurrentFile(const std::string& path)
{
    m_currentFile = path;
    emit CurrentFileChanged();
}

void KIN_DocumentSession::Warn(KIN_Text text, const QString& argument, const QString& second)
{
    // One pass: a file name holding "%1" stays as it is.
    QString message = KIN_QText(text);
    if (!second.isEmpty())
        message = message.arg(argument, second);
    else if (!argument.isEmpty())
        message = message.arg(argument);
    emit Warning(message);
}

void KIN_DocumentSession::AddPeriod(const KIN_DataPeriod& period)
{
    RunChange(KIN_Text::NewPeriod,
              [&]
              {
                  m_pDocumentPlain->AddPeriod(period);
                  m_nPendingSelection = GetContent().periods.back().id;
                  return true;
              });
}

void KIN_DocumentSession::ChangePeriod(const KIN_DataPeriod& period, KIN_Text stepText)
{
    RunChange(stepText,
              [&]
              {
                  m_nPendingSelection = period.id;
                  m_pDocumentPlain->ChangePeriod(period);
                  return true;
              });
}

void KIN_DocumentSession::RemovePeriod(const KIN_DataPeriod& period)
{
    RunChange(KIN_Text::RemovePeriod,
              [&]
              {
                  // Undoing the removal brings the period back selected.
                  m_nPendingSelection = period.id;
                  m_pDocumentPlain->RemovePeriod(period);
                  return true;
              });
}

void KIN_DocumentSession::AddLink(const KIN_DataLink& link, std::int32_t nSelectedId)
{
    RunChange(KIN_Text::StepNewLink,
              [&]
              {
                  m_nPendingSelection = nSelectedId;
                  m_pDocumentPlain->AddLink(link);
                  return true;
              });
}

void KIN_DocumentSession::RemoveLink(const KIN_DataLink& link)
{
    RunChange(KIN_Text::RemoveLink,
              [&]
              {
                  m_pDocumentPlain->RemoveLink(link);
                  return true;
              });
}

void KIN_DocumentSession::AddImage(const KIN_DataImage& image)
{
    RunChange(KIN_Text::NewImage,
              [&]
              {
                  m_pDocumentPlain->AddImage(image);
                  return true;
              });
}

void KIN_DocumentSession::ChangeImage(const KIN_DataImage& image)
{
    const std::vector<KIN_DataImage>& images = GetContent().images;
    const bool bResized = image.index >= 0 &&
                          static_cast<std::size_t>(image.index) < images.size() &&
                          images[static_cast<std::size_t>(image.index)].scale != image.scale;
    RunChange(bResized ? KIN_Text::StepResizeImage : KIN_Text::StepMoveImage,
              [&]
              {
                  m_pDocumentPlain->ChangeImage(image);
                  return true;
              });
}

void KIN_DocumentSession::RemoveImage(const KIN_DataImage& image)
{
    RunChange(KIN_Text::RemoveImage,
              [&]
              {
                  m_pDocumentPlain->RemoveImage(image);
                  return true;
              });
}

void KIN_DocumentSession::ShiftColumns(std::int32_t nFrom, std::int32_t nTo, std::int32_t nShift)
{
    RunChange(KIN_Text::Shift,
              [&]
              {
                  m_pDocumentPlain->ShiftColumns(nFrom, nTo, nShift, ColumnsToSceneX(nFrom, 5),
                                                 ColumnsToSceneX(nTo, 5),
                                                 ColumnsToSceneX(nShift, 0));
                  return true;
              });
}

bool KIN_DocumentSession::SetLimits(std::int32_t nBegin, std::int32_t nEnd, std::int32_t nWidth,
                                    bool bNewDiagram)
{
    return RunChange(
        bNewDiagram ? KIN_Text::MenuFileNew : KIN_Text::DiagramSettings,
        [&]
        {
            m_pDocumentPlain->SetLimits(nBegin, nEnd, nWidth, bNewDiagram);
            return true;
        },
        [&]
        {
            if (bNewDiagram)
                StartNewDiagramFile();
        });
}

void KIN_DocumentSession::StartNewDiagramFile()
{
    if (!m_bAutosaveSuspended)
    {
        SaveFile(AutosaveFile());
        return;
    }
    // The autosave file holds what could not be kept elsewhere: the new diagram has no file
    // until the user saves it.
    SetCurrentFile(".");
}

void KIN_DocumentSession::LoadAtStart()
{
    // Only a crash leaves unfinished saves behind, so a start is the time to clear them.
    KIN_DiagramFileFormat::RemoveStaleSiblings(AutosaveFile());
    if (m_pDocumentPlain->Load(AutosaveFile()))
        m_currentFile = AutosaveFile();
    else // the refresh rewrites the autosave: keep an unreadable one first
        KeepUnreadableAutosave(AutosaveFile());
    RefreshAll();
    emit CurrentFileChanged();
}

bool KIN_DocumentSession::LoadFile(const std::string& path)
{
    if (path.empty())
        return false;
    const bool bLoaded = RunChange(KIN_Text::MenuFileLoad,
                                   [&]
                                   {
                                       if (!m_pDocumentPlain->Load(path))
                                           return false;
                                       SetCurrentFile(path);
                                       return true;
                                   });
    if (!bLoaded)
        Warn(KIN_Text::WarningLoadFailed, KIT_ToQString(path));
    return bLoaded;
}

bool KIN_DocumentSession::SaveFile(const std::string& path)
{
    if (path.empty())
        return false;
    // The path may name the autosave file: the worker's saves come first.
    WaitForAutosave();
    if (!m_pDocumentPlain->Save(path))
    {
        Warn(KIN_Text::WarningSaveFailed, KIT_ToQString(path));
        return false;
    }
    // An earlier save of this file that a crash cut short left its unfinished copy.
    KIN_DiagramFileFormat::RemoveStaleSiblings(path);
    SetCurrentFile(path);
    return true;
}

KIN_GedcomOptions KIN_DocumentSession::ImportOptions(const Progress& progress)
{
    KIN_GedcomOptions options = KIN_GedcomTexts::Options();
    options.progress = progress;
    return options;
}

// Tells why the import of the file at path failed; false when it did not.
bool KIN_DocumentSession::Refused(const KIN_GedcomResult& result, const std::string& path)
{
    if (result.error == KIN_GedcomError::None)
        return false;
    Warn(KIN_Text::WarningImportFailed, KIT_ToQString(path),
         KIT_ToQString(KIN_GedcomTexts::Reason(result, path)));
    return true;
}

bool KIN_DocumentSession::ReadGedcom(const std::string& path, KIN_GedcomReadTree& read,
                                     const Progress& progress)
{
    return !Refused(KIN_GedcomImport::ReadFile(path, ImportOptions(progress), read), path);
}

bool KIN_DocumentSession::DrawGedcom(const std::string& path, const KIN_GedcomReadTree& read,
                                     const KIN_GedcomChartSpec& chart, const Progress& progress)
{
    KIN_GedcomOptions options = ImportOptions(progress);
    options.chart = chart;
    KIN_GedcomResult result = KIN_GedcomImport::Draw(read, options);
    if (Refused(result, path))
        return false;
    // Saved beside the tree, one file a chart: charts of one tree do not overwrite each other.
    const QFileInfo file(KIT_ToQString(path));
    QString name = file.completeBaseName();
    if (!chart.IsEveryone())
        name += QLatin1Char('-') + KIT_ToQString(KIN_GedcomChart::Bare(chart.root));
    const std::string diagramFile = KIT_ToBytes(file.dir().filePath(name + QStringLiteral(".xml")));
    RunChange(KIN_Text::StepImportGedcom,
              [&]
              {
                  m_pDocumentPlain->Replace(std::move(result.diagram));
                  m_nPendingSelection = result.nShownId; // people in view, not an empty corner
                  SetCurrentFile(diagramFile);
                  return true;
              });
    emit Status(KIT_ToQString(KIN_GedcomTexts::Summary(result, chart.kind)));
    return true;
}

void KIN_DocumentSession::AutoSave()
{
    // The copy of the records is the snapshot; the worker writes it.
    if (!m_bAutosaveSuspended)
        m_pAutosave->Post(GetContent());
}

void KIN_DocumentSession::WaitForAutosave() const
{
    m_pAutosave->WaitUntilIdle();
}

bool KIN_DocumentSession::LastAutosaveFailed() const
{
    return m_pAutosave->LastSaveFailed();
}

const std::string& KIN_DocumentSession::GetAutosavePath() const
{
    return m_pAutosave->GetFileName();
}

void KIN_DocumentSession::KeepUnreadableAutosave(const std::string& path)
{
    const QString source = KIT_ToQString(path);
    if (!QFileInfo::exists(source))
        return;
    const QString rescue = FreeRescueName(source);
    if (QFile::rename(source, rescue) || QFile::copy(source, rescue))
    {
        Warn(KIN_Text::WarningAutosaveKept,
             QDir::cleanPath(QDir::current().absoluteFilePath(rescue)));
        return;
    }
    m_bAutosaveSuspended = true;
    Warn(KIN_Text::WarningAutosaveNotKept);
}
