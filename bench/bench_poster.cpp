// Vector exports of large diagrams: a PDF poster on A4 and an SVG drawing, against the scene
// rebuild that every export starts from; a PNG of about 50 megapixels. Peak memory is the
// process's maximum resident size after the run.
#include "KIN_IDataFile.h"
#include "KIN_PdfOptions.h"
#include "KIN_RasterExport.h"
#include "KIN_TestDiagram.h"
#include "KIN_VectorExport.h"
#include "KIN_ViewPeriods.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <memory>

namespace
{
// nPeriods people in columns of 50 lives each, one after another from year 0.
sp<KIN_IDataFile> MakeDiagram(std::int64_t nPeriods)
{
    sp<KIN_IDataFile> document = CreateDataFile();
    const auto nColumns = static_cast<std::int32_t>((nPeriods + 49) / 50 * 2);
    document->SetLimits(18, 38, nColumns, true);
    KIN_DataDiagram diagram = *document->GetData();
    for (std::int64_t n = 0; n < nPeriods; ++n)
        diagram.periods.push_back(KIN_MakePeriod(n % 50 * 40, n % 50 * 40 + 35,
                                                 static_cast<std::int32_t>(n / 50 * 2), 2,
                                                 "Person " + std::to_string(n)));
    document->Replace(std::move(diagram));
    return document;
}

void ReportPeakMemory(benchmark::State& state)
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["peak_MiB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

enum class Output
{
    RebuildOnly,
    PdfPoster,
    Svg
};

void BM_Export(benchmark::State& state, Output output)
{
    const sp<KIN_IDataFile> document = MakeDiagram(state.range(0));
    const QTemporaryDir folder;
    const std::string path = folder.filePath(QStringLiteral("out")).toStdString();
    for (auto _ : state)
    {
        KIN_ViewPeriods view(nullptr, document->GetData());
        view.RebuildScene();
        KIN_PdfOptions options;
        options.bPoster = true;
        if (output == Output::PdfPoster)
            KIN_VectorExport::WriteFile(
                path, [&](QIODevice& device)
                { return KIN_VectorExport::WritePdf(view, options, device); });
        else if (output == Output::Svg)
            KIN_VectorExport::WriteFile(path, [&](QIODevice& device)
                                        { return KIN_VectorExport::WriteSvg(view, device); });
    }
    state.counters["file_MiB"] =
        static_cast<double>(QFile(QString::fromStdString(path)).size()) / (1024.0 * 1024.0);
    ReportPeakMemory(state);
}
BENCHMARK_CAPTURE(BM_Export, rebuild_baseline, Output::RebuildOnly)
    ->Arg(2000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Export, pdf_poster_a4, Output::PdfPoster)
    ->Arg(2000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
BENCHMARK_CAPTURE(BM_Export, svg, Output::Svg)
    ->Arg(2000)
    ->Arg(100000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

// A PNG of about 50 megapixels: 140 columns at 1/2x are 7,101 x 5,050 pixels... at 1x,
// 14,202 x 10,100 = 143 megapixels, so 1/2x gives 36; 165 columns at 1/2x give 42.
void BM_Png50Megapixels(benchmark::State& state)
{
    const sp<KIN_IDataFile> document = MakeDiagram(4000);
    KIN_ViewPeriods view(nullptr, document->GetData());
    view.RebuildScene();
    const QTemporaryDir folder;
    double megapixels = 0;
    for (auto _ : state)
    {
        const QImage image = KIN_RasterExport::Render(view, 0.5);
        QFile file(folder.filePath(QStringLiteral("out.png")));
        file.open(QIODevice::WriteOnly);
        KIN_RasterExport::WritePng(image, file);
        megapixels = image.width() * static_cast<double>(image.height()) / 1e6;
    }
    state.counters["megapixels"] = megapixels;
    ReportPeakMemory(state);
}
BENCHMARK(BM_Png50Megapixels)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
