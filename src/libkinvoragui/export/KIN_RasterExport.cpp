#include "KIN_RasterExport.h"

#include "KIN_PngResolution.h"
#include "KIN_ViewPeriods.h"

#include <QImageWriter>
#include <QPainter>

QImage KIN_RasterExport::Render(KIN_ViewPeriods& view, double factor)
{
    const QSize size = KIN_PngResolution::SizeAt(view.ExportRect().size(), factor);
    if (!KIN_PngResolution::CanHold(size))
        return QImage();
    if (factor == 1)
    {
        QImage image;
        view.RenderToImage(image);
        return image;
    }
    QImage image(size, QImage::Format_ARGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    view.RenderScene(painter, QRectF(QPointF(), QSizeF(size)));
    return image;
}

bool KIN_RasterExport::WritePng(const QImage& image, QIODevice& device)
{
    if (image.isNull())
        return false;
    QImageWriter writer(&device, "png");
    return writer.write(image);
}
