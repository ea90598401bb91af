// RefreshAll of a main window on the offscreen platform against building the same number of
// plain rectangle items with five ellipse children, and the memory a large diagram takes.
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_ViewPeriods.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QGraphicsEllipseItem>
#include <QGraphicsRectItem>
#include <QGraphicsScene>
#include <QImage>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fstream>
#include <memory>
#include <random>
#include <string>

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

// Resident set size of the process in KiB.
long ResidentKiB()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key)
    {
        long value = 0;
        if (key == "VmRSS:" && status >> value)
            return value;
    }
    return 0;
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
    Workspace workspace;
    KIN_MainWindow window;
    FillDocument(*window.GetDocument(), static_cast<int>(state.range(0)));
    const long before = ResidentKiB();
    window.RefreshAll();
    QCoreApplication::processEvents();
    const long after = ResidentKiB();
    for (auto _ : state)
    {
        window.RefreshAll();
        // Back in the event loop Qt polishes and indexes the new items.
        QCoreApplication::processEvents();
    }
    state.counters["periods"] = static_cast<double>(state.range(0));
    state.counters["KiB_per_period"] =
        static_cast<double>(after - before) / static_cast<double>(state.range(0));
}

void BM_PlainQtItems(benchmark::State& state)
{
    QGraphicsScene scene;
    const int nItems = static_cast<int>(state.range(0));
    const long before = ResidentKiB();
    long after = before;
    for (auto _ : state)
    {
        scene.clear();
        for (int n = 0; n < nItems; ++n)
        {
            auto* pRect = new QGraphicsRectItem(0, 0, 190, 300);
            pRect->setPos(100 * (n % 190), 5 * (n % 2000));
            for (int k = 0; k < 5; ++k)
                new QGraphicsEllipseItem(-5, -5, 10, 10, pRect);
            scene.addItem(pRect);
        }
        QCoreApplication::processEvents();
        after = std::max(after, ResidentKiB());
    }
    state.counters["periods"] = static_cast<double>(nItems);
    state.counters["KiB_per_period"] =
        static_cast<double>(after - before) / static_cast<double>(nItems);
}
} // namespace

BENCHMARK(BM_RefreshAll)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainQtItems)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
