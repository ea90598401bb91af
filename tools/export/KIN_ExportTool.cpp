#include "KIN_ExportTool.h"

#include "FIL_LastError.h"
#include "KIN_IDataFile.h"
#include "KIN_ViewPeriods.h"
#include "KIT_QtText.h"

#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <ostream>

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

// Writes through a temporary file that replaces the output only when complete.
template <class Write> bool WriteAtomically(const std::string& output, Write write)
{
    QSaveFile file(KIT_ToQString(output));
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (!write(file))
    {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

bool WritePng(const KIN_IDataFile& document, const std::string& output)
{
    KIN_ViewPeriods view(nullptr, document.GetData());
    view.RebuildScene();
    QImage image;
    view.RenderToImage(image);
    return WriteAtomically(output, [&](QSaveFile& file) { return image.save(&file, "PNG"); });
}

bool WritePdf(const KIN_IDataFile& document, const std::string& output)
{
    KIN_ViewPeriods view(nullptr, document.GetData());
    view.RebuildScene();
    return WriteAtomically(output,
                           [&](QSaveFile& file)
                           {
                               QPdfWriter writer(&file);
                               writer.setResolution(72);
                               const QSizeF size = view.ExportRect().size();
                               writer.setPageSize(QPageSize(size, QPageSize::Point));
                               writer.setPageMargins(QMarginsF());
                               QPainter painter;
                               if (!painter.begin(&writer))
                                   return false;
                               view.RenderScene(painter, QRectF(QPointF(), size));
                               return painter.end();
                           });
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
    return "usage: kinvora-export DIAGRAM.xml OUT.png|OUT.pdf|OUT.xml";
}

int KIN_ExportTool::Run(const std::string& input, const std::string& output, std::ostream& error,
                        const std::function<void()>& startGui)
{
    const Format format = FormatOf(output);
    if (input.empty() || output.empty() || format == Format::Unknown)
    {
        error << Usage() << '\n';
        return BadArguments;
    }
    sp<KIN_IDataFile> document = CreateDataFile();
    if (!document->Load(input))
    {
        error << "kinvora-export: cannot load " << input << ": " << LoadError() << '\n';
        return Failure;
    }
    if (format != Format::Xml)
        startGui();
    bool bWritten = false;
    switch (format)
    {
    case Format::Png:
        bWritten = WritePng(*document, output);
        break;
    case Format::Pdf:
        bWritten = WritePdf(*document, output);
        break;
    default:
        bWritten = document->Save(output);
        break;
    }
    if (!bWritten)
    {
        error << "kinvora-export: cannot write " << output << '\n';
        return Failure;
    }
    return Success;
}
