#ifndef KIN_VECTOREXPORT_H
#define KIN_VECTOREXPORT_H

#include <functional>
#include <string>

class KIN_PosterLayout;
class KIN_ViewPeriods;
class QIODevice;
class QPagedPaintDevice;
class QPrinter;
struct KIN_PdfOptions;

// Writes what "Export image" draws (the whole scene with the date labels) as shapes and
// text: a PDF of one page or a poster of many, an SVG drawing, or printed pages. Nothing
// is ever drawn into a bitmap of the whole diagram.
class KIN_VectorExport
{
public:
    static bool WritePdf(KIN_ViewPeriods& view, const KIN_PdfOptions& options, QIODevice& device);
    // One drawing whose size is given in millimetres, 96 pixels to the inch.
    static bool WriteSvg(KIN_ViewPeriods& view, QIODevice& device);
    // Poster pages on the printer's paper at a scale, or the whole drawing on one sheet.
    static bool Print(KIN_ViewPeriods& view, QPrinter& printer, bool bFitToPage, int nPercent);
    // Writes through a device into a file that is replaced only once all is written.
    static bool WriteFile(const std::string& path, const std::function<bool(QIODevice&)>& write);

private:
    // pointScale: device units per point.
    static bool DrawPoster(KIN_ViewPeriods& view, QPagedPaintDevice& device,
                           const KIN_PosterLayout& layout, double pointScale);
};

#endif
