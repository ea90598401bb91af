// RefreshAll of a main window on the offscreen platform against building the same number of
// plain rectangle items with five ellipse children, and the heap each takes per period.
#include "KIN_AutosaveWriter.h"
#include "KIN_DiagramFileFormat.h"
#include "KIN_DocumentSession.h"
#include "KIN_GedcomTreeGenerator.h"
#include "KIN_GraphicConnection.h"
#include "KIN_GraphicPeriod.h"
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_ScenePeriods.h"
#include "KIN_SessionTestAccess.h"
#include "KIN_UndoHistory.h"
#include "KIN_ViewPeriods.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QGraphicsView>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace
{
constexpr int g_nImages = 200;

// Written as a file and loaded, as a user's diagram arrives (adding records one by one
// renumbers and normalises the whole list each time).
void FillDocument(KIN_IDataFile& document, int nPeriods)
{
    std::mt19937 random(42);
    std::ofstream file("generated.xml");
    file << "<kinvora>\n\t<E b=\"18\" e=\"38\" w=\"200\" />\n";
    for (int n = 1; n <= nPeriods; ++n)
    {
        const int nBegin = 1 + static_cast<int>(random() % 1900);
        file << "\t<P b=\"" << nBegin << "\" e=\"" << nBegin + 1 + random() % 90 << "\" w=\""
             << 2 + random() % 3 << "\" s=\"" << random() % 190 << "\" i=\"" << n
             << "\" t=\"Period " << n << "__endl__second line\" d=\"\" cp=\"-1\" cb=\"-1\" "
             << "ct=\"-1\" />\n";
    }
    for (int n = 1; n < nPeriods; ++n)
        file << "\t<L i1=\"" << n << "\" i2=\"" << n + 1 << "\" p1=\"" << random() % 5 << "\" p2=\""
             << random() % 5 << "\" />\n";
    for (int n = 0; n < g_nImages; ++n)
        file << "\t<I x=\"" << 100 * (n % 100) << "\" y=\"" << 50 * n
             << "\" s=\"0.5\" f=\"picture__tag46__png\" />\n";
    file << "</kinvora>\n";
    file.close();
    document.Load("generated.xml");
}

// Heap bytes in use: small blocks plus blocks mapped on their own. Unlike the resident size it
// does not count memory freed by an earlier benchmark, so each figure stands alone.
double HeapKiB()
{
    const struct mallinfo2 info = mallinfo2();
    return static_cast<double>(info.uordblks + info.hblkhd) / 1024.0;
}

// Peak resident set size of the process so far, in KiB.
double PeakResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key)
    {
        long value = 0;
        if (key == "VmHWM:" && status >> value)
            return static_cast<double>(value);
    }
    return 0;
}

// Heap per period of the plain baseline, by size, for the window run of the same size.
std::map<int, double>& PlainKiBPerPeriod()
{
    static std::map<int, double> figures;
    return figures;
}

void BuildPlainItems(QGraphicsScene& scene, int nItems)
{
    for (int n = 0; n < nItems; ++n)
    {
        auto* pRect = new QGraphicsRectItem(0, 0, 190, 300);
        pRect->setPos(100 * (n % 190), 5 * (n % 2000));
        for (int k = 0; k < 5; ++k)
            new QGraphicsEllipseItem(-5, -5, 10, 10, pRect);
        scene.addItem(pRect);
    }
}

struct Workspace
{
    Workspace()
    {
        QDir::setCurrent(folder.path());
        QImage picture(64, 48, QImage::Format_ARGB32);
        picture.fill(Qt::darkCyan);
        picture.save(QStringLiteral("picture.png"));
    }
    QTemporaryDir folder;
};

void BM_RefreshAll(benchmark::State& state)
{
    const int nPeriods = static_cast<int>(state.range(0));
    Workspace workspace;
    KIN_MainWindow window;
    FillDocument(*window.GetSession()->GetDocument(), nPeriods);
    const double before = HeapKiB();
    window.RefreshAll();
    QCoreApplication::processEvents();
    const double perPeriod = (HeapKiB() - before) / nPeriods;
    for (auto _ : state)
    {
        window.RefreshAll();
        // Back in the event loop Qt polishes and indexes the new items.
        QCoreApplication::processEvents();
    }
    state.counters["periods"] = nPeriods;
    state.counters["heap_KiB_per_period"] = perPeriod;
    const auto plain = PlainKiBPerPeriod().find(nPeriods);
    if (plain != PlainKiBPerPeriod().end())
        state.counters["over_plain_KiB_per_period"] = perPeriod - plain->second;
    state.counters["peak_RSS_MiB"] = PeakResidentKiB() / 1024.0;
}

// A link drag offers every point of the diagram, so its start makes the points that no link or
// selection has needed yet. Each round rebuilds first, untimed, so every start makes them.
void BM_LinkDragStartAndEnd(benchmark::State& state)
{
    const int nPeriods = static_cast<int>(state.range(0));
    Workspace workspace;
    KIN_MainWindow window;
    window.resize(1200, 900);
    FillDocument(*window.GetSession()->GetDocument(), nPeriods);
    for (auto _ : state)
    {
        state.PauseTiming();
        window.RefreshAll();
        // Filed in the scene's index, as the first paint after a rebuild leaves them.
        window.GetView()->GetScene()->items(QRectF(0, 0, 1, 1));
        KIN_GraphicConnection* pSource = window.GetView()->GetPeriods().front()->GetPoint(2);
        state.ResumeTiming();
        pSource->BeginLinkDrag();
        KIN_GraphicConnection::EndLinkDrag(); // no target: nothing is added
    }
    state.counters["periods"] = nPeriods;
}

// The same baseline with a fixed scene rectangle, as the window's scene has: the scene then
// skips growing its rectangle over every item's bounds after each change.
void BM_PlainQtItemsFixedRect(benchmark::State& state)
{
    const int nItems = static_cast<int>(state.range(0));
    QGraphicsScene scene;
    scene.setSceneRect(0, 0, 19000, 10000);
    for (auto _ : state)
    {
        scene.clear();
        BuildPlainItems(scene, nItems);
        QCoreApplication::processEvents();
    }
    state.counters["periods"] = nItems;
}

// The fixed-rectangle baseline with its items indexed, as a first paint or click does (the
// scene indexes new items only after a delay otherwise, so the other baselines never pay it).
void BM_PlainQtItemsIndexed(benchmark::State& state)
{
    const int nItems = static_cast<int>(state.range(0));
    QGraphicsScene scene;
    scene.setSceneRect(0, 0, 19000, 10000);
    const double before = HeapKiB();
    BuildPlainItems(scene, nItems);
    QCoreApplication::processEvents();
    scene.items(QRectF(0, 0, 1, 1));
    const double perPeriod = (HeapKiB() - before) / nItems;
    for (auto _ : state)
    {
        scene.clear();
        BuildPlainItems(scene, nItems);
        QCoreApplication::processEvents();
        scene.items(QRectF(0, 0, 1, 1));
    }
    state.counters["periods"] = nItems;
    state.counters["heap_KiB_per_period"] = perPeriod;
}

void BM_PlainQtItems(benchmark::State& state)
{
    const int nItems = static_cast<int>(state.range(0));
    QGraphicsScene scene;
    const double before = HeapKiB();
    BuildPlainItems(scene, nItems);
    QCoreApplication::processEvents();
    const double perPeriod = (HeapKiB() - before) / nItems;
    PlainKiBPerPeriod()[nItems] = perPeriod;
    for (auto _ : state)
    {
        scene.clear();
        BuildPlainItems(scene, nItems);
        QCoreApplication::processEvents();
    }
    state.counters["periods"] = nItems;
    state.counters["heap_KiB_per_period"] = perPeriod;
    state.counters["peak_RSS_MiB"] = PeakResidentKiB() / 1024.0;
}
// A period of the middle of the diagram, moved one column: a one-record change.
KIN_DataPeriod MovedPeriod(const KIN_IDataFile& document, std::size_t nStep)
{
    const std::vector<KIN_DataPeriod>& periods = document.GetData()->periods;
    KIN_DataPeriod moved = periods[(periods.size() / 2 + nStep * 7919) % periods.size()];
    moved.column += 1;
    return moved;
}

// Undo and redo of one moved period in the window, each a document change and a refresh:
// one iteration is two refreshes, against BM_RefreshAll's one.
void BM_UndoRedoInWindow(benchmark::State& state)
{
    const int nPeriods = static_cast<int>(state.range(0));
    Workspace workspace;
    KIN_MainWindow window;
    FillDocument(*window.GetSession()->GetDocument(), nPeriods);
    window.ChangePeriod(MovedPeriod(*window.GetSession()->GetDocument(), 0),
                        KIN_Text::StepMovePeriod);
    QCoreApplication::processEvents();
    for (auto _ : state)
    {
        window.GetSession()->GetHistory()->undo();
        QCoreApplication::processEvents();
        window.GetSession()->GetHistory()->redo();
        QCoreApplication::processEvents();
    }
    state.counters["periods"] = nPeriods;
}

// One kind of one-record change and its undo, as the window runs them: each iteration is two
// changes on screen. The second argument picks the kind; a third of 0 makes every refresh a
// rebuild, the baseline of the same run.
void BM_OneRecordChange(benchmark::State& state)
{
    const int nPeriods = static_cast<int>(state.range(0));
    const int nKind = static_cast<int>(state.range(1));
    Workspace workspace;
    KIN_MainWindow window;
    window.resize(1200, 900);
    KIN_SessionTestAccess::SetIncrementalRefresh(*window.GetSession(), state.range(2) != 0);
    FillDocument(*window.GetSession()->GetDocument(), nPeriods);
    window.RefreshAll();
    QCoreApplication::processEvents();
    const KIN_IDataFile& document = *window.GetSession()->GetDocument();
    std::size_t nStep = 0;
    std::vector<double> milliseconds;
    for (auto _ : state)
    {
        const auto start = std::chrono::steady_clock::now();
        KIN_DataPeriod period = MovedPeriod(document, ++nStep);
        KIN_DataImage image = document.GetData()->images[nStep % g_nImages];
        switch (nKind)
        {
        case 0:
            period.column -= 1;
            period.colorBackground = static_cast<std::int32_t>(nStep % 5);
            window.ChangePeriod(period);
            break;
        case 1:
            window.ChangePeriod(period, KIN_Text::StepMovePeriod);
            break;
        case 2:
            window.AddLink(KIN_DataLink{period.id, period.id + 7, 2, 0});
            break;
        case 3:
            image.x += 30;
            window.ChangeImage(image);
            break;
        default:
            image.scale *= 1.5;
            window.ChangeImage(image);
            break;
        }
        QCoreApplication::processEvents();
        window.GetSession()->GetHistory()->undo();
        QCoreApplication::processEvents();
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count() /
            2);
    }
    std::sort(milliseconds.begin(), milliseconds.end());
    state.counters["periods"] = nPeriods;
    state.counters["median_ms_per_change"] = milliseconds[milliseconds.size() / 2];
}

// A window showing the middle of a diagram of random periods and links, or of a family tree
// imported from a generated GEDCOM file.
struct PaintSetup
{
    PaintSetup(int nPeriods, bool bFamilyTree)
    {
        window.resize(1200, 900);
        window.show();
        if (bFamilyTree)
        {
            std::ofstream("tree.ged", std::ios::binary)
                << KIN_GedcomTreeGenerator::Generate(static_cast<std::size_t>(nPeriods));
            if (!window.ImportGedcom("tree.ged"))
                std::abort();
        }
        else
        {
            FillDocument(*window.GetSession()->GetDocument(), nPeriods);
            window.RefreshAll();
        }
        const auto& periods = window.GetView()->GetPeriods();
        window.GetView()->centerOn(periods[periods.size() / 2]);
        pViewport = window.GetView()->viewport();
        pViewport->grab();
    }
    Workspace workspace;
    KIN_MainWindow window;
    QWidget* pViewport = nullptr;
};

// One paint of the whole viewport, scrolled to the middle of the diagram.
void BM_ViewportPaint(benchmark::State& state)
{
    PaintSetup setup(static_cast<int>(state.range(0)), state.range(1) != 0);
    for (auto _ : state)
        setup.pViewport->grab();
    state.counters["periods"] = static_cast<double>(setup.window.GetView()->GetPeriods().size());
}

// One zoom step with the repaint of the view it causes, in and out by turns, with a period
// of the middle selected (a zoom scrolls back to it).
void BM_ZoomStep(benchmark::State& state)
{
    PaintSetup setup(static_cast<int>(state.range(0)), state.range(1) != 0);
    const auto& periods = setup.window.GetView()->GetPeriods();
    periods[periods.size() / 2]->SelectPeriod();
    setup.pViewport->grab();
    bool bIn = true;
    for (auto _ : state)
    {
        if (bIn)
            setup.window.SlotMenu_ZoomIn_triggered(false);
        else
            setup.window.SlotMenu_ZoomOut_triggered(false);
        bIn = !bIn;
        // grab() paints the viewport as a repaint does, and waits for it.
        setup.pViewport->grab();
    }
    state.counters["periods"] = static_cast<double>(periods.size());
}

// A scroll of 40 pixels down or up by turns, with the repaint of the strip it uncovers.
void BM_ScrollStep(benchmark::State& state)
{
    PaintSetup setup(static_cast<int>(state.range(0)), state.range(1) != 0);
    QScrollBar* pScrollBar = setup.window.GetView()->verticalScrollBar();
    QCoreApplication::processEvents();
    int nStep = 40;
    for (auto _ : state)
    {
        pScrollBar->setValue(pScrollBar->value() + nStep);
        nStep = -nStep;
        // The repaint is posted to the window, which paints its dirty parts when it comes.
        QCoreApplication::processEvents();
    }
    state.counters["periods"] = static_cast<double>(setup.window.GetView()->GetPeriods().size());
}

// The mouse moving over the middle of the view, with no button down: the view looks for the
// item under it to show that item's cursor.
void BM_HoverMove(benchmark::State& state)
{
    PaintSetup setup(static_cast<int>(state.range(0)), state.range(1) != 0);
    const QPointF centre = QRectF(setup.pViewport->rect()).center();
    int nMove = 0;
    for (auto _ : state)
    {
        const QPointF at = centre + QPointF(nMove++ % 2, 0);
        QMouseEvent move(QEvent::MouseMove, at, setup.pViewport->mapToGlobal(at), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(setup.pViewport, &move);
    }
    state.counters["periods"] = static_cast<double>(setup.window.GetView()->GetPeriods().size());
}

// The floor under that paint: the same visible rectangles and lines drawn by a bare QPainter,
// with no item to find, sort or set up.
void BM_ViewportPaintBare(benchmark::State& state)
{
    PaintSetup setup(static_cast<int>(state.range(0)), state.range(1) != 0);
    QGraphicsView* pView = setup.window.GetView();
    const QRectF visible = pView->mapToScene(setup.pViewport->rect()).boundingRect();
    std::vector<std::pair<QPen, QLineF>> lines;
    std::vector<std::tuple<QPen, QBrush, QRectF>> rects;
    for (QGraphicsItem* pQItem :
         pView->scene()->items(visible, Qt::IntersectsItemShape, Qt::AscendingOrder))
        if (auto* pQLine = dynamic_cast<QGraphicsLineItem*>(pQItem))
            lines.emplace_back(pQLine->pen(), QLineF(pQLine->mapToScene(pQLine->line().p1()),
                                                     pQLine->mapToScene(pQLine->line().p2())));
        else if (auto* pQRect = dynamic_cast<QAbstractGraphicsShapeItem*>(pQItem))
            rects.emplace_back(pQRect->pen(), pQRect->brush(),
                               pQRect->mapRectToScene(pQRect->boundingRect()));
    QImage image(setup.pViewport->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state)
    {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        painter.setTransform(pView->viewportTransform());
        for (const auto& [pen, brush, rect] : rects)
        {
            painter.setPen(pen);
            painter.setBrush(brush);
            painter.drawRect(rect);
        }
        for (const auto& [pen, line] : lines)
        {
            painter.setPen(pen);
            painter.drawLine(line);
        }
    }
    state.counters["lines"] = static_cast<double>(lines.size());
    state.counters["shapes"] = static_cast<double>(rects.size());
}

// An autosave of that many periods in the working folder, for a window to start from.
void WriteAutosave(int nPeriods)
{
    const sp<KIN_IDataFile> document = CreateDataFile();
    FillDocument(*document, nPeriods);
    document->Save(KIN_DocumentSession::AutosaveFile());
}

// The window's start over an autosave of that many periods: load, rebuild, show and the
// first paint of the view. Closing it is not timed.
void BM_StartUp(benchmark::State& state)
{
    const int nPeriods = static_cast<int>(state.range(0));
    Workspace workspace;
    WriteAutosave(nPeriods);
    const double before = PeakResidentKiB();
    double added = 0;
    for (auto _ : state)
    {
        auto pWindow = std::make_unique<KIN_MainWindow>();
        pWindow->resize(1200, 900);
        pWindow->show();
        pWindow->GetView()->viewport()->grab();
        state.PauseTiming();
        added = std::max(added, PeakResidentKiB() - before);
        pWindow.reset();
        state.ResumeTiming();
    }
    state.counters["periods"] = nPeriods;
    state.counters["peak_RSS_added_MiB"] = added / 1024.0;
}

// Closing a window that shows the diagram (the wait for the last autosave, then the
// destruction of every item and view), against its start measured in the same rounds.
void BM_CloseAgainstStart(benchmark::State& state)
{
    const int nPeriods = static_cast<int>(state.range(0));
    Workspace workspace;
    WriteAutosave(nPeriods);
    double startSeconds = 0.0;
    double closeSeconds = 0.0;
    for (auto _ : state)
    {
        auto start = std::chrono::steady_clock::now();
        auto pWindow = std::make_unique<KIN_MainWindow>();
        pWindow->resize(1200, 900);
        pWindow->show();
        pWindow->GetView()->viewport()->grab();
        startSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        start = std::chrono::steady_clock::now();
        pWindow->close();
        pWindow.reset();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        closeSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    const double rounds = static_cast<double>(state.iterations());
    state.counters["start_ms"] = 1e3 * startSeconds / rounds;
    state.counters["close_x_start"] = closeSeconds / startSeconds;
}

// The document's part of an undo and a redo of one moved period, without the refresh.
void BM_UndoRedoInDocument(benchmark::State& state)
{
    const int nPeriods = static_cast<int>(state.range(0));
    Workspace workspace;
    const sp<KIN_IDataFile> document = CreateDataFile();
    FillDocument(*document, nPeriods);
    KIN_DocumentChanges changes;
    document->Record(&changes);
    document->ChangePeriod(MovedPeriod(*document, 0));
    document->Record(nullptr);
    for (auto _ : state)
    {
        document->Undo(changes);
        document->Redo(changes);
    }
    state.counters["periods"] = nPeriods;
}

// The memory of 1,000 one-record steps, each recorded as the window records them, against
// the heap the document itself takes.
void BM_HistoryOf1000Steps(benchmark::State& state)
{
    const int nPeriods = static_cast<int>(state.range(0));
    Workspace workspace;
    const double before = HeapKiB();
    const sp<KIN_IDataFile> document = CreateDataFile();
    FillDocument(*document, nPeriods);
    const double documentKiB = HeapKiB() - before;
    double historyKiB = 0;
    std::size_t nCounted = 0;
    for (auto _ : state)
    {
        KIN_UndoHistory history(nullptr, [](const KIN_UndoStep::Record&, bool) {});
        const double start = HeapKiB();
        for (std::size_t nStep = 0; nStep < 1000; ++nStep)
        {
            KIN_UndoStep::Record record;
            document->Record(&record.changes);
            document->ChangePeriod(MovedPeriod(*document, nStep));
            document->Record(nullptr);
            history.Push(QStringLiteral("Move period"), std::move(record));
        }
        historyKiB = HeapKiB() - start;
        nCounted = history.MemoryBytes();
    }
    state.counters["periods"] = nPeriods;
    state.counters["document_KiB"] = documentKiB;
    state.counters["history_KiB"] = historyKiB;
    state.counters["counted_KiB"] = static_cast<double>(nCounted) / 1024.0;
}

// A document of that many periods, in a fresh working folder where the autosave goes.
struct AutosaveSetup
{
    explicit AutosaveSetup(int nPeriods) : document(CreateDataFile())
    {
        FillDocument(*document, nPeriods);
    }
    Workspace workspace;
    sp<KIN_IDataFile> document;
};

// The autosave's part on the interface thread: the copy of the diagram and its post. Each
// round waits, untimed, for the save it posted, so every post finds the worker idle.
void BM_AutosaveOnInterfaceThread(benchmark::State& state)
{
    const AutosaveSetup setup(static_cast<int>(state.range(0)));
    KIN_AutosaveWriter writer(KIN_DocumentSession::AutosaveFile());
    for (auto _ : state)
    {
        writer.Post(*setup.document->GetData());
        state.PauseTiming();
        writer.WaitUntilIdle();
        state.ResumeTiming();
    }
    state.counters["periods"] = static_cast<double>(state.range(0));
}

// The same save made on the interface thread itself, as the window did it.
void BM_AutosaveSynchronous(benchmark::State& state)
{
    const AutosaveSetup setup(static_cast<int>(state.range(0)));
    for (auto _ : state)
        KIN_DiagramFileFormat::Save(*setup.document->GetData(),
                                    KIN_DocumentSession::AutosaveFile());
    state.counters["periods"] = static_cast<double>(state.range(0));
    state.counters["file_KiB"] =
        static_cast<double>(std::filesystem::file_size(KIN_DocumentSession::AutosaveFile())) /
        1024.0;
}

// From the capture to the file whole on disk: copy, post and the worker's save.
void BM_AutosaveComplete(benchmark::State& state)
{
    const AutosaveSetup setup(static_cast<int>(state.range(0)));
    KIN_AutosaveWriter writer(KIN_DocumentSession::AutosaveFile());
    for (auto _ : state)
    {
        writer.Post(*setup.document->GetData());
        writer.WaitUntilIdle();
    }
    state.counters["periods"] = static_cast<double>(state.range(0));
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    // Each size runs the baseline and then the window, so the two meet the same machine state.
    const std::pair<const char*, void (*)(benchmark::State&)> benchmarks[] = {
        {"BM_PlainQtItems", BM_PlainQtItems},
        {"BM_PlainQtItemsFixedRect", BM_PlainQtItemsFixedRect},
        {"BM_PlainQtItemsIndexed", BM_PlainQtItemsIndexed},
        {"BM_RefreshAll", BM_RefreshAll},
        {"BM_LinkDragStartAndEnd", BM_LinkDragStartAndEnd},
        {"BM_UndoRedoInWindow", BM_UndoRedoInWindow},
        {"BM_UndoRedoInDocument", BM_UndoRedoInDocument},
        {"BM_StartUp", BM_StartUp},
        {"BM_HistoryOf1000Steps", BM_HistoryOf1000Steps},
        {"BM_AutosaveOnInterfaceThread", BM_AutosaveOnInterfaceThread},
        {"BM_AutosaveSynchronous", BM_AutosaveSynchronous},
        {"BM_AutosaveComplete", BM_AutosaveComplete}};
    for (const int nPeriods : {1000, 10000, 100000})
        for (const auto& [pName, pFunction] : benchmarks)
        {
            auto* pBenchmark = benchmark::RegisterBenchmark(pName, pFunction)
                                   ->Arg(nPeriods)
                                   ->Unit(benchmark::kMillisecond);
            // Each round rebuilds untimed first: a fixed count keeps the run short.
            if (pFunction == BM_LinkDragStartAndEnd)
                pBenchmark->Iterations(20);
        }
    for (const int nPeriods : {2000, 100000})
        benchmark::RegisterBenchmark("BM_CloseAgainstStart", BM_CloseAgainstStart)
            ->Arg(nPeriods)
            ->UseManualTime()
            ->Iterations(3)
            ->Unit(benchmark::kMillisecond);
    // On the random diagram, then on a family tree: a paint after its bare floor, then a zoom
    // step, a scroll step and a mouse move.
    const std::pair<const char*, void (*)(benchmark::State&)> paints[] = {
        {"BM_ViewportPaintBare", BM_ViewportPaintBare},
        {"BM_ViewportPaint", BM_ViewportPaint},
        {"BM_ZoomStep", BM_ZoomStep},
        {"BM_ScrollStep", BM_ScrollStep},
        {"BM_HoverMove", BM_HoverMove}};
    for (const int nPeriods : {1000, 10000, 100000})
        for (const int nFamilyTree : {0, 1})
            for (const auto& [pName, pFunction] : paints)
                benchmark::RegisterBenchmark(pName, pFunction)
                    ->Args({nPeriods, nFamilyTree})
                    ->ArgNames({"periods", "tree"})
                    ->Unit(benchmark::kMillisecond);
    // Each kind (period changed, moved, link added, picture moved, resized) against the rebuild
    // it replaces: 20 rounds of a change and its undo, fewer for a rebuild of 100,000.
    for (const int nPeriods : {1000, 10000, 100000})
        for (int nKind = 0; nKind < 5; ++nKind)
            for (const int nIncremental : {0, 1})
                benchmark::RegisterBenchmark("BM_OneRecordChange", BM_OneRecordChange)
                    ->Args({nPeriods, nKind, nIncremental})
                    ->ArgNames({"periods", "kind", "incremental"})
                    ->Iterations(nIncremental || nPeriods < 100000 ? 20 : 3)
                    ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
