// GEDCOM import against loading the diagram it gives from its XML file: the same periods and
// links, read once as a family tree and once as the program's own file. Trees come from
// KIN_GedcomTreeGenerator; the files go under TMPDIR (else /tmp).
#include "KIN_DiagramFileFormat.h"
#include "KIN_GedcomImport.h"
#include "KIN_GedcomTreeGenerator.h"
#include "KIN_IDataFile.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace
{
// A fresh folder for the generated files, removed with them when the program ends.
class BenchFolder
{
public:
    BenchFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kinvora-gedcom-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        m_path = pattern;
    }
    ~BenchFolder()
    {
        std::error_code error;
        std::filesystem::remove_all(m_path, error);
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }

private:
    std::filesystem::path m_path;
};

const std::filesystem::path& Folder()
{
    static const BenchFolder folder;
    return folder.Path();
}

struct Fixture
{
    std::string gedcomPath;
    std::string diagramPath;
    std::size_t nGedcomBytes = 0;
    std::size_t nDiagramBytes = 0;
    KIN_GedcomResult imported;
};

const Fixture& FixtureOf(int nPeople)
{
    static std::map<int, Fixture> fixtures;
    auto found = fixtures.find(nPeople);
    if (found == fixtures.end())
    {
        Fixture fixture;
        const std::string name = "tree-" + std::to_string(nPeople);
        fixture.gedcomPath = (Folder() / (name + ".ged")).string();
        fixture.diagramPath = (Folder() / (name + ".xml")).string();
        const std::string text =
            KIN_GedcomTreeGenerator::Generate(static_cast<std::size_t>(nPeople));
        std::ofstream(fixture.gedcomPath, std::ios::binary) << text;
        fixture.nGedcomBytes = text.size();
        fixture.imported = KIN_GedcomImport::ImportFile(fixture.gedcomPath, KIN_GedcomOptions());
        if (fixture.imported.error != KIN_GedcomError::None ||
            !KIN_DiagramFileFormat::Save(fixture.imported.diagram, fixture.diagramPath))
            std::abort();
        fixture.nDiagramBytes = std::filesystem::file_size(fixture.diagramPath);
        found = fixtures.emplace(nPeople, std::move(fixture)).first;
    }
    return found->second;
}

void Report(benchmark::State& state, const Fixture& fixture, std::size_t nBytes)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(nBytes));
    state.counters["people"] = static_cast<double>(fixture.imported.nPeople);
    state.counters["families"] = static_cast<double>(fixture.imported.nFamilies);
    state.counters["links"] = static_cast<double>(fixture.imported.diagram.links.size());
}

void BM_ImportGedcom(benchmark::State& state)
{
    const Fixture& fixture = FixtureOf(static_cast<int>(state.range(0)));
    const KIN_GedcomOptions options;
    for (auto _ : state)
    {
        const KIN_GedcomResult result = KIN_GedcomImport::ImportFile(fixture.gedcomPath, options);
        if (result.error != KIN_GedcomError::None)
            state.SkipWithError("import failed");
        benchmark::DoNotOptimize(result.diagram.periods.data());
    }
    Report(state, fixture, fixture.nGedcomBytes);
}

// A chart of 6 generations up and down around a person in the middle of the file: the file
// is read and estimated whole, only the chart is laid out.
void BM_ImportGedcomChart(benchmark::State& state)
{
    const Fixture& fixture = FixtureOf(static_cast<int>(state.range(0)));
    KIN_GedcomOptions options;
    options.chart.kind = KIN_GedcomChartKind::AncestorsAndDescendants;
    options.chart.root = "I" + std::to_string(state.range(0) / 2);
    options.chart.nUp = options.chart.nDown = 6;
    std::size_t nDrawn = 0;
    for (auto _ : state)
    {
        const KIN_GedcomResult result = KIN_GedcomImport::ImportFile(fixture.gedcomPath, options);
        if (result.error != KIN_GedcomError::None)
            state.SkipWithError("chart failed");
        nDrawn = result.nPeople;
        benchmark::DoNotOptimize(result.diagram.periods.data());
    }
    Report(state, fixture, fixture.nGedcomBytes);
    state.counters["drawn"] = static_cast<double>(nDrawn);
}

void BM_LoadDiagramXml(benchmark::State& state)
{
    const Fixture& fixture = FixtureOf(static_cast<int>(state.range(0)));
    const sp<KIN_IDataFile> document = CreateDataFile();
    for (auto _ : state)
    {
        if (!document->Load(fixture.diagramPath))
            state.SkipWithError("load failed");
    }
    Report(state, fixture, fixture.nDiagramBytes);
}

void Sizes(benchmark::internal::Benchmark* pBenchmark)
{
    pBenchmark->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ImportGedcom)->Apply(Sizes);
BENCHMARK(BM_ImportGedcomChart)->Apply(Sizes);
BENCHMARK(BM_LoadDiagramXml)->Apply(Sizes);

} // namespace

BENCHMARK_MAIN();
