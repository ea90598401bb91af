#include "KIN_ExportTool.h"

#include "FIL_LastError.h"
#include "KIN_GedcomImport.h"
#include "KIN_GedcomTexts.h"
#include "KIN_IDataFile.h"
#include "KIN_ViewPeriods.h"
#include "KIT_DurableFile.h"
#include "KIT_QtText.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>

#include <cerrno>
#include <cstring>
#include <ostream>
#include <string_view>

namespace
{
enum class Format
{
    Png,
    Pdf,
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
    if (suffix == QLatin1String("xml"))
        return Format::Xml;
    return Format::Unknown;
}

QByteArray DrawPng(KIN_ViewPeriods& view)
{
    QImage image;
    view.RenderToImage(image);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG"))
        return QByteArray();
    return bytes;
}

QByteArray DrawPdf(KIN_ViewPeriods& view)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    if (!buffer.open(QIODevice::WriteOnly))
        return QByteArray();
    QPdfWriter writer(&buffer);
    writer.setResolution(72);
    const QSizeF size = view.ExportRect().size();
    writer.setPageSize(QPageSize(size, QPageSize::Point));
    writer.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&writer))
        return QByteArray();
    view.RenderScene(painter, QRectF(QPointF(), size));
    if (!painter.end())
        return QByteArray();
    return bytes;
}

// The drawing is encoded in memory and replaces the output in one durable step, so a
// failed drawing writes nothing.
bool WriteDrawing(const KIN_IDataFile& document, const std::string& output,
                  QByteArray (*pDraw)(KIN_ViewPeriods&))
{
    KIN_ViewPeriods view(nullptr, document.GetData());
    view.RebuildScene();
    const QByteArray bytes = pDraw(view);
    if (bytes.isEmpty())
    {
        errno = 0;
        return false;
    }
    return KIT_DurableFile::Replace(
        output, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
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
        return std::to_string(error.nCode) + " " + error.message;
    return "no diagram limits (element E with b, e and w)";
}
} // namespace

const char* KIN_ExportTool::Usage()
{
    return "usage: kinvora-export DIAGRAM.xml|TREE.ged OUT.png|OUT.pdf|OUT.xml";
}

namespace
{
bool IsGedcom(const std::string& input)
{
    return QFileInfo(KIT_ToQString(input))
               .suffix()
               .compare(QLatin1String("ged"), Qt::CaseInsensitive) == 0;
}

// Reads the diagram file, or draws the tree of a GEDCOM file; false with a line on error.
bool Read(const std::string& input, KIN_IDataFile& document, std::ostream& error,
          std::ostream* pSummary)
{
    if (!IsGedcom(input))
    {
        if (document.Load(input))
            return true;
        error << "kinvora-export: cannot load " << input << ": " << LoadError() << '\n';
        return false;
    }
    KIN_GedcomResult result = KIN_GedcomImport::ImportFile(input, KIN_GedcomTexts::Options());
    if (result.error != KIN_GedcomError::None)
    {
        error << "kinvora-export: cannot import " << input << ": "
              << KIN_GedcomTexts::Reason(result) << '\n';
        return false;
    }
    if (pSummary)
        *pSummary << KIN_GedcomTexts::Summary(result) << '\n';
    document.Replace(std::move(result.diagram));
    return true;
}
} // namespace

int KIN_ExportTool::Run(const std::string& input, const std::string& output, std::ostream& error,
                        const std::function<void()>& startGui, std::ostream* pSummary)
{
    const Format format = FormatOf(output);
    if (input.empty() || output.empty() || format == Format::Unknown)
    {
        error << Usage() << '\n';
        return BadArguments;
    }
    sp<KIN_IDataFile> document = CreateDataFile();
    if (!Read(input, *document, error, pSummary))
        return Failure;
    if (format != Format::Xml)
        startGui();
    bool bWritten = false;
    switch (format)
    {
    case Format::Png:
        bWritten = WriteDrawing(*document, output, DrawPng);
        break;
    case Format::Pdf:
        bWritten = WriteDrawing(*document, output, DrawPdf);
        break;
    default:
        bWritten = document->Save(output);
        break;
    }
    if (!bWritten)
    {
        error << "kinvora-export: cannot write " << output << WriteError(errno) << '\n';
        return Failure;
    }
    return Success;
}
