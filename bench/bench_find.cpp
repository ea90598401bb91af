// Typing in the period search field against the least such a keystroke can cost: finding the
// folded text in a plain array of the same folded keys.
#include "KIN_DocumentSession.h"
#include "KIN_IDataFile.h"
#include "KIN_MainWindow.h"
#include "KIN_WidgetFindPeriod.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

namespace
{
const char* const g_pNames[] = {"Dvořák", "Svensson", "Müller", "Lefèvre", "Nowak",
                                "García", "Rossi",    "Smith",  "Ødegård", "Kowalski"};

KIN_DataDiagram People(int nPeople)
{
    std::mt19937 random(7);
    KIN_DataDiagram diagram;
    diagram.begin = 18;
    diagram.end = 38;
    diagram.width = 200;
    for (int n = 1; n <= nPeople; ++n)
    {
        KIN_DataPeriod period;
        period.id = n;
        period.title = "Person " + std::to_string(n) + " " + g_pNames[random() % 10];
        period.details = "Born in town " + std::to_string(random() % 5000);
        period.begin = 1500 + static_cast<int>(random() % 500);
        period.end = period.begin + 1 + static_cast<int>(random() % 90);
        period.column = static_cast<int>(random() % 190);
        diagram.periods.push_back(period);
    }
    return diagram;
}

struct Window
{
    explicit Window(int nPeople)
    {
        QDir::setCurrent(folder.path());
        main.GetSession()->GetDocument()->Replace(People(nPeople));
        main.RefreshAll();
    }
    QTemporaryDir folder;
    KIN_MainWindow main;
};

// A first letter: every entry is looked at.
void BM_FindFirstKeystroke(benchmark::State& state)
{
    Window window(static_cast<int>(state.range(0)));
    KIN_WidgetFindPeriod* pField = window.main.GetFindPeriod();
    pField->setText(QStringLiteral("x")); // the keys are made once
    for (auto _ : state)
    {
        pField->setText(QString());
        pField->setText(QStringLiteral("d"));
    }
}

// A letter more: only the entries still shown are looked at.
void BM_FindNarrowingKeystroke(benchmark::State& state)
{
    Window window(static_cast<int>(state.range(0)));
    KIN_WidgetFindPeriod* pField = window.main.GetFindPeriod();
    for (auto _ : state)
    {
        state.PauseTiming();
        pField->setText(QStringLiteral("dv"));
        state.ResumeTiming();
        pField->setText(QStringLiteral("dvo"));
    }
}

void BM_PlainFoldedSearch(benchmark::State& state)
{
    std::vector<QString> keys;
    for (const KIN_DataPeriod& period : People(static_cast<int>(state.range(0))).periods)
        keys.push_back(KIN_WidgetFindPeriod::Folded(QString::fromStdString(period.title) +
                                                    QLatin1Char('\n') +
                                                    QString::fromStdString(period.details)));
    std::vector<bool> shown(keys.size());
    for (auto _ : state)
    {
        const QString needle = KIN_WidgetFindPeriod::Folded(QStringLiteral("d"));
        for (std::size_t n = 0; n < keys.size(); ++n)
            shown[n] = keys[n].contains(needle);
        benchmark::DoNotOptimize(shown);
    }
}
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    for (const int nPeople : {1000, 10000, 100000})
    {
        benchmark::RegisterBenchmark("BM_PlainFoldedSearch", BM_PlainFoldedSearch)
            ->Arg(nPeople)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_FindFirstKeystroke", BM_FindFirstKeystroke)
            ->Arg(nPeople)
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark("BM_FindNarrowingKeystroke", BM_FindNarrowingKeystroke)
            ->Arg(nPeople)
            ->Unit(benchmark::kMillisecond);
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
