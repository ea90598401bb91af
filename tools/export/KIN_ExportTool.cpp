#include "KIN_ExportTool.h"

#include "FIL_LastError.h"
#include "KIN_GedcomImport.h"
#include "KIN_GedcomProbe.h"
#include "KIN_GedcomTexts.h"
#include "KIN_IDataFile.h"
#include "KIN_PngResolution.h"
#include "KIN_RasterExport.h"
#include "KIN_VectorExport.h"
#include "KIN_ViewPeriods.h"
#include "KIT_DurableFile.h"
#include "KIT_QtText.h"
#include "KIT_TextFormat.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>

#include <cerrno>
#include <charconv>
#include <cstring>
#include <ostream>
#include <string_view>

namespace
{
enum class Format
{
    Png,
    Pdf,
    Svg,
    Xml,
    Unknown
};

Format FormatOf(const std::string& output)
{
    const QString suffix = QFileInfo(KIT_ToQString(output)).suffix().toLower();
    if (suffix == QLatin1String("png"))
        return Format::Png;
    if (suffix == QLatin1String("pdf"))
        return Format::Pdf;
    if (suffix == QLatin1String("svg"))
        return Format::Svg;
    if (suffix == QLatin1String("xml"))
        return Format::Xml;
    return Format::Unknown;
}

// The resolution the image is written at: the one asked for, or the largest that image
// viewers open (at most 1x), with a note when that is not 1x. 0 when the size asked for
// cannot be held, with the reason in why.
double ChooseResolution(const KIN_ExportTool::Options& options, const QSizeF& drawing,
                        std::ostream* pNotes, std::string& why)
{
    const double proposed = KIN_PngResolution::Proposed(drawing);
    const QSize full = KIN_PngResolution::SizeAt(drawing, 1);
    const auto sizeText = [](const QSize& size)
    {
        // One call at a time: each returns the same buffer.
        std::string text = KIT_Int32ToText(size.width()) + " x ";
        return text + KIT_Int32ToText(size.height());
    };
    if (options.resolution == 0)
    {
        if (proposed != 1 && pNotes)
            *pNotes << "kinvora-export: at 1x the image would be " << sizeText(full)
                    << " pixels; writing it at " << KIT_ToBytes(KIN_PngResolution::Name(proposed))
                    << " (" << sizeText(KIN_PngResolution::SizeAt(drawing, proposed))
                    << " pixels)\n";
        return proposed;
    }
    const QSize asked = KIN_PngResolution::SizeAt(drawing, options.resolution);
    if (KIN_PngResolution::CanHold(asked))
        return options.resolution;
    why = ": at " + KIT_ToBytes(KIN_PngResolution::Name(options.resolution)) +
          " the image would be " + sizeText(asked) +
          " pixels, more than an image can hold; --resolution " +
          KIT_ToBytes(KIN_PngResolution::Name(proposed)) + " fits";
    return 0;
}

bool WriteImage(const KIN_IDataFile& document, const KIN_ExportTool::Options& options,
                std::ostream* pNotes, std::string& why)
{
    KIN_ViewPeriods view(nullptr, document.GetData());
    view.RebuildScene();
    const double factor = ChooseResolution(options, view.ExportRect().size(), pNotes, why);
    if (factor == 0)
    {
        errno = 0;
        return false;
    }
    const QImage image = KIN_RasterExport::Render(view, factor);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (image.isNull() || !buffer.open(QIODevice::WriteOnly) ||
        !KIN_RasterExport::WritePng(image, buffer))
    {
        errno = 0;
        return false;
    }
    return KIT_DurableFile::Replace(
        options.output,
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

// Vector drawings go straight to the file's replacement: nothing holds all of them.
bool WriteVector(const KIN_IDataFile& document, const KIN_ExportTool::Options& options,
                 Format format)
{
    KIN_ViewPeriods view(nullptr, document.GetData());
    view.RebuildScene();
    errno = 0;
    return KIN_VectorExport::WriteFile(
        options.output,
        [&](QIODevice& device)
        {
            return format == Format::Svg ? KIN_VectorExport::WriteSvg(view, device)
                                         : KIN_VectorExport::WritePdf(view, options.pdf, device);
        });
}

// Why a write failed, when the system said.
std::string WriteError(int nError)
{
    return nError == 0 ? std::string() : std::string(": ") + std::strerror(nError);
}

std::string LoadError()
{
    const FIL_LastError& error = FIL_GetLastError();
    if (error.nCode != 0)
        return KIT_Int32ToText(error.nCode) + " " + error.message;
    return "no diagram limits (element E with b, e and w)";
}
} // namespace

const char* KIN_ExportTool::Usage()
{
    return "usage: kinvora-export DIAGRAM.xml|TREE.ged OUT.xml\n"
           "       kinvora-export DIAGRAM.xml|TREE.ged OUT.png [--resolution 1/8|1/4|1/2|1|2|4]\n"
           "       kinvora-export DIAGRAM.xml|TREE.ged OUT.svg\n"
           "       kinvora-export DIAGRAM.xml|TREE.ged OUT.pdf [--paper A4|A3|A2|A1|A0|Letter|"
           "Legal|Tabloid [--landscape] [--scale 50..400]]\n"
           "       kinvora-export TREE.ged OUT [--root ID] [--ancestors N] [--descendants N] "
           "[--relatives] [--no-spouses]";
}

namespace
{
// A ".ged" file is read as GEDCOM even when it does not start as one, so that it is refused
// with the GEDCOM reason; other names are told by their content, as the program does.
bool IsGedcom(const std::string& input)
{
    return QFileInfo(KIT_ToQString(input))
                   .suffix()
                   .compare(QLatin1String("ged"), Qt::CaseInsensitive) == 0 ||
           KIN_GedcomProbe::IsGedcomFile(input);
}

// Reads the diagram file, or draws the tree of a GEDCOM file; false with a line on error.
bool Read(const KIN_ExportTool::Options& tool, KIN_IDataFile& document, std::ostream& error,
          std::ostream* pSummary)
{
    const std::string& input = tool.input;
    if (!IsGedcom(input))
    {
        if (document.Load(input))
            return true;
        error << "kinvora-export: cannot load " << input << ": " << LoadError() << '\n';
        return false;
    }
    KIN_GedcomOptions options = KIN_GedcomTexts::Options();
    options.chart = tool.chart;
    KIN_GedcomResult result = KIN_GedcomImport::ImportFile(input, options);
    if (result.error == KIN_GedcomError::NoPerson)
    {
        error << KIN_GedcomTexts::Reason(result, input) << '\n';
        return false;
    }
    if (result.error != KIN_GedcomError::None)
    {
        error << "kinvora-export: cannot import " << input << ": "
              << KIN_GedcomTexts::Reason(result) << '\n';
        return false;
    }
    if (pSummary)
        *pSummary << KIN_GedcomTexts::Summary(result, tool.chart.kind) << '\n';
    document.Replace(std::move(result.diagram));
    return true;
}
} // namespace

namespace
{
// The whole text as a whole number from nLeast to nMost.
bool ParseInt(const std::string& text, std::int32_t nLeast, std::int32_t nMost,
              std::int32_t& nValue)
{
    const char* pEnd = text.data() + text.size();
    const auto [pNext, error] = std::from_chars(text.data(), pEnd, nValue);
    return error == std::errc() && pNext == pEnd && nValue >= nLeast && nValue <= nMost;
}

// --root alone draws every ancestor and descendant; a side limited to 0 leaves the other.
void ShapeChart(KIN_GedcomChartSpec& chart, bool bRelatives)
{
    using Kind = KIN_GedcomChartKind;
    if (bRelatives)
        chart.kind = Kind::Relatives;
    else if (chart.nDown == 0)
        chart.kind = Kind::Ancestors;
    else if (chart.nUp == 0)
        chart.kind = Kind::Descendants;
    else
        chart.kind = Kind::AncestorsAndDescendants;
}
} // namespace

bool KIN_ExportTool::Parse(const std::vector<std::string>& arguments, Options& options)
{
    std::vector<std::string> files;
    bool bShaped = false; // --landscape or --scale: they shape a poster and need --paper
    bool bResolution = false;
    bool bChart = false; // an option that needs --root
    bool bRelatives = false;
    KIN_GedcomChartSpec& chart = options.chart;
    chart.nUp = chart.nDown = KIN_GedcomChartSpec::kAll;
    for (std::size_t n = 0; n < arguments.size(); ++n)
    {
        const std::string& argument = arguments[n];
        if (argument.rfind("--", 0) != 0)
            files.push_back(argument);
        else if (argument == "--landscape")
            options.pdf.bLandscape = bShaped = true;
        else if (argument == "--relatives")
            bRelatives = bChart = true;
        else if (argument == "--no-spouses")
        {
            chart.bSpouses = false;
            bChart = true;
        }
        else if (n + 1 == arguments.size())
            return false;
        else if (argument == "--paper")
        {
            if (!KIN_PdfOptions::PaperByName(arguments[++n], options.pdf.paper))
                return false;
            options.pdf.bPoster = true;
        }
        else if (argument == "--scale")
        {
            if (!ParseInt(arguments[++n], KIN_PdfOptions::MinPercent, KIN_PdfOptions::MaxPercent,
                          options.pdf.nPercent))
                return false;
            bShaped = true;
        }
        else if (argument == "--root")
            chart.root = arguments[++n];
        else if (argument == "--ancestors" || argument == "--descendants")
        {
            if (!ParseInt(arguments[++n], 0, KIN_GedcomChartSpec::kAll - 1,
                          argument == "--ancestors" ? chart.nUp : chart.nDown))
                return false;
            bChart = true;
        }
        else if (argument == "--resolution")
        {
            if (!KIN_PngResolution::Parse(arguments[++n], options.resolution))
                return false;
            bResolution = true;
        }
        else
            return false;
    }
    if (files.size() != 2)
        return false;
    options.input = files[0];
    options.output = files[1];
    const Format format = FormatOf(options.output);
    if ((bShaped && !options.pdf.bPoster) || (options.pdf.bPoster && format != Format::Pdf))
        return false;
    if (!chart.root.empty())
    {
        if (!IsGedcom(options.input))
            return false;
        ShapeChart(chart, bRelatives);
    }
    else if (bChart)
        return false;
    return !(bResolution && format != Format::Png);
}

int KIN_ExportTool::Run(const std::string& input, const std::string& output, std::ostream& error,
                        const std::function<void()>& startGui, std::ostream* pNotes)
{
    Options options;
    options.input = input;
    options.output = output;
    return Run(options, error, startGui, pNotes);
}

int KIN_ExportTool::Run(const Options& options, std::ostream& error,
                        const std::function<void()>& startGui, std::ostream* pNotes)
{
    const Format format = FormatOf(options.output);
    if (options.input.empty() || options.output.empty() || format == Format::Unknown)
    {
        error << Usage() << '\n';
        return BadArguments;
    }
    sp<KIN_IDataFile> document = CreateDataFile();
    if (!Read(options, *document, error, pNotes))
        return Failure;
    if (format != Format::Xml)
        startGui();
    bool bWritten = false;
    std::string why;
    switch (format)
    {
    case Format::Png:
        bWritten = WriteImage(*document, options, pNotes, why);
        break;
    case Format::Pdf:
    case Format::Svg:
        bWritten = WriteVector(*document, options, format);
        break;
    default:
        bWritten = document->Save(options.output);
        break;
    }
    if (!bWritten)
    {
        error << "kinvora-export: cannot write " << options.output
              << (why.empty() ? WriteError(errno) : why) << '\n';
        return Failure;
    }
    return Success;
}
