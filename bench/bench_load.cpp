// Opening a diagram against its floor: the document's Load of a file beside a plain Expat
// parse of the same file (empty handlers, the file fed in the same growing blocks as the
// reader), both timed in the same iteration so that a busy machine slows both alike.
//
// Counters:
//   x_expat       load time / parse time, summed over the iterations
//   ns_per_period load time per period, to compare the growth between sizes
//   peak_x_file   peak memory that one load adds / file size
//
// The peak is taken in a fresh process (this program started again with --load-peak): it
// loads a tiny diagram first, so that code pages and the allocator's first arena are in,
// then reads ru_maxrss before and after the real load. Everything the load touches counts:
// tree, parser, allocator overhead, the loaded document; nothing of earlier benchmarks can
// hide in memory that the allocator kept. The files go under TMPDIR (else /tmp).
#include "KIN_DataFile.h"

#include <benchmark/benchmark.h>
#include <expat.h>

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

namespace
{
const std::filesystem::path& Folder()
{
    static const std::filesystem::path folder = []
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kinvora-bench-load-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        return std::filesystem::path(pattern);
    }();
    return folder;
}

// N periods and N links, each link between periods half the diagram apart.
KIN_DataDiagram MakeDiagram(int nPeriods)
{
    KIN_DataDiagram diagram;
    diagram.begin = 0;
    diagram.end = 40;
    diagram.width = 200;
    for (int n = 1; n <= nPeriods; ++n)
    {
        KIN_DataPeriod period;
        period.id = n;
        const int nBirth = 1500 + n % 500;
        period.title = "Person " + std::to_string(n) + " (" + std::to_string(nBirth) + "-" +
                       std::to_string(nBirth + 40 + n % 50) + ")";
        period.details = "Born in Paris; married twice.\nDied in Lyon.";
        period.begin = nBirth;
        period.end = nBirth + 40 + n % 50;
        period.column = n % 200;
        period.width = 2 + n % 3;
        period.colorBorder = n % 19;
        period.colorBackground = (n * 7) % 19;
        diagram.periods.push_back(period);
    }
    for (int n = 1; n <= nPeriods; ++n)
        diagram.links.push_back(KIN_DataLink{n, (n - 1 + nPeriods / 2) % nPeriods + 1, n % 5, 0});
    return diagram;
}

std::string WriteDiagram(int nPeriods)
{
    const std::string path = (Folder() / ("diagram-" + std::to_string(nPeriods) + ".xml")).string();
    const sp<KIN_IDataFile> document = CreateDataFile();
    document->Replace(MakeDiagram(nPeriods));
    if (!document->Save(path))
        std::abort();
    return path;
}

const std::string& PathOf(int nPeriods)
{
    static std::map<int, std::string> paths;
    auto found = paths.find(nPeriods);
    if (found == paths.end())
        found = paths.emplace(nPeriods, WriteDiagram(nPeriods)).first;
    return found->second;
}

void XMLCALL EmptyStart(void*, const XML_Char*, const XML_Char**) {}
void XMLCALL EmptyEnd(void*, const XML_Char*) {}
void XMLCALL EmptyText(void*, const XML_Char*, int) {}

bool ParseWithExpat(const std::string& path)
{
    XML_Parser parser = XML_ParserCreate(nullptr);
    XML_SetElementHandler(parser, EmptyStart, EmptyEnd);
    XML_SetCharacterDataHandler(parser, EmptyText);
    std::FILE* pFile = std::fopen(path.c_str(), "rb");
    bool bGood = pFile != nullptr;
    std::vector<char> block(2048);
    while (bGood)
    {
        const std::size_t nRead = std::fread(block.data(), 1, block.size(), pFile);
        const bool bFinal = nRead < block.size();
        bGood = XML_Parse(parser, block.data(), static_cast<int>(nRead), bFinal) != 0;
        if (bFinal)
            break;
        if (block.size() < (16u << 20))
            block.resize(block.size() * 2);
    }
    if (pFile)
        std::fclose(pFile);
    XML_ParserFree(parser);
    return bGood;
}

long MaxRssKiB()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The child's side: prints the KiB that the load added to the peak resident size.
int MeasureLoadPeak(const char* pPath)
{
    const std::string warmUp = (std::filesystem::path(pPath).parent_path() / "tiny.xml").string();
    const sp<KIN_IDataFile> tiny = CreateDataFile();
    tiny->Replace(MakeDiagram(3));
    if (!tiny->Save(warmUp) || !tiny->Load(warmUp))
        return 1;
    const sp<KIN_IDataFile> document = CreateDataFile();
    const long nBefore = MaxRssKiB();
    if (!document->Load(pPath))
        return 1;
    std::printf("%ld\n", MaxRssKiB() - nBefore);
    return 0;
}

// The parent's side: the KiB reported by a fresh process, or -1.
double LoadPeakKiB(const std::string& path)
{
    const std::string command = "'" + std::filesystem::read_symlink("/proc/self/exe").string() +
                                "' --load-peak='" + path + "'";
    std::FILE* pPipe = popen(command.c_str(), "r");
    if (!pPipe)
        return -1.0;
    long nKiB = -1;
    if (std::fscanf(pPipe, "%ld", &nKiB) != 1)
        nKiB = -1;
    return pclose(pPipe) == 0 ? static_cast<double>(nKiB) : -1.0;
}

double Seconds(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_Load(benchmark::State& state)
{
    const int nPeriods = static_cast<int>(state.range(0));
    const std::string& path = PathOf(nPeriods);
    const double fileBytes = static_cast<double>(std::filesystem::file_size(path));
    const double peakKiB = LoadPeakKiB(path);
    if (peakKiB < 0)
        state.SkipWithError("peak measurement failed");

    const sp<KIN_IDataFile> document = CreateDataFile();
    double expatSeconds = 0.0;
    double loadSeconds = 0.0;
    for (auto _ : state)
    {
        auto start = std::chrono::steady_clock::now();
        if (!ParseWithExpat(path))
            state.SkipWithError("parse failed");
        expatSeconds += Seconds(start);

        start = std::chrono::steady_clock::now();
        if (!document->Load(path))
            state.SkipWithError("load failed");
        const double seconds = Seconds(start);
        loadSeconds += seconds;
        state.SetIterationTime(seconds);
    }
    const double iterations = static_cast<double>(state.iterations());
    state.counters["expat_ms"] = 1e3 * expatSeconds / iterations;
    state.counters["x_expat"] = loadSeconds / expatSeconds;
    state.counters["ns_per_period"] = 1e9 * loadSeconds / iterations / nPeriods;
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["peak_MB"] = peakKiB * 1024.0 / 1e6;
    state.counters["peak_x_file"] = peakKiB * 1024.0 / fileBytes;
}

BENCHMARK(BM_Load)->Arg(1000)->Arg(10000)->Arg(100000)->UseManualTime()->Unit(
    benchmark::kMillisecond);

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
    constexpr const char* kPeakOption = "--load-peak=";
    if (argc == 2 && std::strncmp(argv[1], kPeakOption, std::strlen(kPeakOption)) == 0)
        return MeasureLoadPeak(argv[1] + std::strlen(kPeakOption));
    const CleanUp cleanUp;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
