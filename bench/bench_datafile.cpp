// Diagram file loading and saving against their floors: the XML parser alone with empty
// handlers on the same file, a save without its syncs, and writing the same bytes with one
// fwrite. The files go under TMPDIR (else /tmp): point it at the disk to measure.
#include "KIN_DataFile.h"
#include "KIN_DiagramFileFormat.h"
#include "KIT_DurableFile.h"

#include <benchmark/benchmark.h>
#include <expat.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace
{
constexpr int kImages = 300;

const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = []
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kinvora-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return std::filesystem::path(pattern);
    }();
    return folder;
}

// Built directly: adding records one by one through the document checks every id and link.
KIN_DataDiagram MakeDiagram(int nPeriods)
{
    KIN_DataDiagram diagram;
    diagram.width = 200;
    for (int n = 1; n <= nPeriods; ++n)
    {
        KIN_DataPeriod period;
        period.id = n;
        period.title = "Person " + std::to_string(n) + " (" + std::to_string(1700 + n % 300) + "-" +
                       std::to_string(1760 + n % 300) + ")";
        period.details = "Born in Paris; married twice.\nDied in Lyon.";
        period.begin = 1700 + n % 300;
        period.end = 1760 + n % 300;
        period.column = n % 200;
        period.width = 2 + n % 3;
        period.colorBorder = n % 19;
        diagram.periods.push_back(period);
        diagram.links.push_back(KIN_DataLink{n, n % nPeriods + 1, n % 5, 0});
    }
    for (int n = 0; n < kImages; ++n)
    {
        KIN_DataImage image;
        image.x = 100 * n;
        image.y = 37 * n;
        image.scale = 0.25 * (1 + n % 7);
        image.file = "pictures/portrait_" + std::to_string(n) + ".png";
        image.index = n;
        diagram.images.push_back(image);
    }
    return diagram;
}

struct Fixture
{
    sp<KIN_IDataFile> document;
    std::string path;
    std::string bytes;
};

const Fixture& FixtureOf(int nPeriods)
{
    static std::map<int, Fixture> fixtures;
    auto found = fixtures.find(nPeriods);
    if (found == fixtures.end())
    {
        Fixture fixture;
        fixture.path = (Folder() / ("diagram-" + std::to_string(nPeriods) + ".xml")).string();
        fixture.document = CreateDataFile();
        if (!KIN_DiagramFileFormat::Save(MakeDiagram(nPeriods), fixture.path) ||
            !fixture.document->Load(fixture.path))
            std::abort();
        std::ifstream file(fixture.path, std::ios::binary);
        fixture.bytes.assign(std::istreambuf_iterator<char>(file), {});
        found = fixtures.emplace(nPeriods, std::move(fixture)).first;
    }
    return found->second;
}

void Report(benchmark::State& state, const Fixture& fixture)
{
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fixture.bytes.size()));
}

void BM_Load(benchmark::State& state)
{
    const Fixture& fixture = FixtureOf(static_cast<int>(state.range(0)));
    const sp<KIN_IDataFile> document = CreateDataFile();
    for (auto _ : state)
    {
        if (!document->Load(fixture.path))
            state.SkipWithError("load failed");
    }
    Report(state, fixture);
}

void XMLCALL EmptyStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL EmptyEnd(void*, const XML_Char*) {}
void XMLCALL EmptyText(void*, const XML_Char*, int) {}

void BM_ExpatAlone(benchmark::State& state)
{
    const Fixture& fixture = FixtureOf(static_cast<int>(state.range(0)));
    for (auto _ : state)
    {
        XML_Parser parser = XML_ParserCreate(nullptr);
        XML_SetElementHandler(parser, EmptyStart, EmptyEnd);
        XML_SetCharacterDataHandler(parser, EmptyText);
        std::FILE* pFile = std::fopen(fixture.path.c_str(), "rt");
        char block[2048];
        for (;;)
        {
            const std::size_t nRead = std::fread(block, 1, sizeof block, pFile);
            const bool bFinal = nRead < sizeof block;
            if (XML_Parse(parser, block, static_cast<int>(nRead), bFinal) == XML_STATUS_ERROR)
                state.SkipWithError("parse failed");
            if (bFinal)
                break;
        }
        std::fclose(pFile);
        XML_ParserFree(parser);
    }
    Report(state, fixture);
}

void BM_Save(benchmark::State& state)
{
    const Fixture& fixture = FixtureOf(static_cast<int>(state.range(0)));
    const std::string path = (Folder() / "saved.xml").string();
    for (auto _ : state)
    {
        if (!fixture.document->Save(path))
            state.SkipWithError("save failed");
    }
    Report(state, fixture);
}

int NoSync(int)
{
    return 0;
}

// The same save with the data and folder syncs left out: what durability costs.
void BM_SaveWithoutSync(benchmark::State& state)
{
    const KIT_DurableFile::ScopedSyncCalls noSync(
        {NoSync, KIT_DurableFile::SystemSyncCalls().pRename, NoSync});
    BM_Save(state);
}

void BM_Fwrite(benchmark::State& state)
{
    const Fixture& fixture = FixtureOf(static_cast<int>(state.range(0)));
    const std::string path = (Folder() / "written.xml").string();
    for (auto _ : state)
    {
        std::FILE* pFile = std::fopen(path.c_str(), "w");
        std::fwrite(fixture.bytes.data(), 1, fixture.bytes.size(), pFile);
        std::fclose(pFile);
    }
    Report(state, fixture);
}

void Sizes(benchmark::internal::Benchmark* pBenchmark)
{
    pBenchmark->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Load)->Apply(Sizes);
BENCHMARK(BM_ExpatAlone)->Apply(Sizes);
BENCHMARK(BM_Save)->Apply(Sizes);
BENCHMARK(BM_SaveWithoutSync)->Apply(Sizes);
BENCHMARK(BM_Fwrite)->Apply(Sizes);

// Removes the generated files once the run is over.
struct CleanUp
{
    ~CleanUp()
    {
        std::error_code error;
        std::filesystem::remove_all(Folder(), error);
    }
};
} // namespace

int main(int argc, char** argv)
{
    const CleanUp cleanUp;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
