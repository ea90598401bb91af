#ifndef KIN_RASTEREXPORT_H
#define KIN_RASTEREXPORT_H

#include <QImage>

class KIN_ViewPeriods;
class QIODevice;

// What "Export image" draws, as a bitmap at a resolution (1 is a scene pixel per pixel).
class KIN_RasterExport
{
public:
    // A null image when the size at that resolution cannot be held or had no memory.
    static QImage Render(KIN_ViewPeriods& view, double factor);
    static bool WritePng(const QImage& image, QIODevice& device);
};

#endif
