#include "KIN_VectorExport.h"

#include "KIN_PdfOptions.h"
#include "KIN_PosterLayout.h"
#include "KIN_PosterPage.h"
#include "KIN_ViewPeriods.h"
#include "KIT_DurableFile.h"

#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSvgGenerator>

#include <algorithm>
#include <cmath>

namespace
{
bool WriteOnePage(KIN_ViewPeriods& view, QPdfWriter& writer)
{
    const QSizeF size = view.ExportRect().size();
    writer.setPageSize(QPageSize(size, QPageSize::Point, QString(), QPageSize::ExactMatch));
    writer.setPageMargins(QMarginsF());
    QPainter painter;
    if (!painter.begin(&writer))
        return false;
    view.RenderScene(painter, QRectF(QPointF(), size));
    return painter.end();
}
} // namespace

bool KIN_VectorExport::WritePdf(KIN_ViewPeriods& view, const KIN_PdfOptions& options,
                                QIODevice& device)
{
    QPdfWriter writer(&device);
    // Device units are points, so the page and the drawing share one measure.
    writer.setResolution(72);
    writer.setCreator(QStringLiteral("Kinvora"));
    if (!options.bPoster)
        return WriteOnePage(view, writer);
    const QSizeF sheet = options.SheetPoints();
    const KIN_PosterLayout layout(view.ExportRect().size(), sheet, options.nPercent);
    if (!layout.CanBeMade())
        return false;
    writer.setPageLayout(QPageLayout(
        QPageSize(options.paper),
        options.bLandscape ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF()));
    return DrawPoster(view, writer, layout, 1.0);
}

bool KIN_VectorExport::WriteSvg(KIN_ViewPeriods& view, QIODevice& device)
{
    const QSizeF size = view.ExportRect().size();
    QSvgGenerator generator;
    generator.setOutputDevice(&device);
    generator.setResolution(96);
    generator.setSize(QSize(static_cast<int>(std::ceil(size.width())),
                            static_cast<int>(std::ceil(size.height()))));
    generator.setViewBox(QRectF(QPointF(), size));
    generator.setTitle(QStringLiteral("Kinvora"));
    QPainter painter;
    if (!painter.begin(&generator))
        return false;
    view.RenderScene(painter, QRectF(QPointF(), size));
    return painter.end() && device.isOpen();
}

bool KIN_VectorExport::Print(KIN_ViewPeriods& view, QPrinter& printer, bool bFitToPage,
                             int nPercent)
{
    const double pointScale = printer.resolution() / 72.0;
    const QSizeF area = printer.pageLayout().paintRect(QPageLayout::Point).size();
    if (!bFitToPage)
    {
        const KIN_PosterLayout layout(view.ExportRect().size(), area, nPercent);
        if (!layout.CanBeMade())
            return false;
        return DrawPoster(view, printer, layout, pointScale);
    }
    const QSizeF drawing = view.ExportRect().size();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const double scale = std::min(area.width() / drawing.width(), area.height() / drawing.height());
    const QSizeF fitted = drawing * scale * pointScale;
    const QPointF corner((area.width() * pointScale - fitted.width()) / 2, 0);
    view.RenderScene(painter, QRectF(corner, fitted));
    return painter.end();
}

bool KIN_VectorExport::DrawPoster(KIN_ViewPeriods& view, QPagedPaintDevice& device,
                                  const KIN_PosterLayout& layout, double pointScale)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(pointScale, pointScale);
    const KIN_ViewPeriods::ExportFrame frame(view);
    for (int nRow = 0; nRow < layout.Rows(); ++nRow)
        for (int nColumn = 0; nColumn < layout.Columns(); ++nColumn)
        {
            if ((nRow > 0 || nColumn > 0) && !device.newPage())
                return false;
            const QRectF source = layout.Source(nRow, nColumn);
            const QRectF target(layout.PieceOnPage().topLeft(), source.size() * layout.Scale());
            painter.save();
            frame.Render(painter, target, source);
            painter.restore();
            KIN_PosterPage::DrawMarks(painter, layout, nRow, nColumn);
        }
    return painter.end();
}

bool KIN_VectorExport::WriteFile(const std::string& path,
                                 const std::function<bool(QIODevice&)>& write)
{
    return KIT_DurableFile::Replace(
        path,
        [&write](int nFile)
        {
            QFile file;
            if (!file.open(nFile, QIODevice::WriteOnly, QFileDevice::DontCloseHandle))
                return false;
            const bool bWritten = write(file);
            return file.flush() && bWritten && file.error() == QFileDevice::NoError;
        });
}
