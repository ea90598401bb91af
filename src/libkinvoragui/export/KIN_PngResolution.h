#ifndef KIN_PNGRESOLUTION_H
#define KIN_PNGRESOLUTION_H

#include <QSize>
#include <QSizeF>
#include <QString>

#include <string_view>
#include <vector>

// The resolutions a PNG export offers, and which of them an image viewer and the image
// library can take for a drawing of a size (scene pixels at 1x).
class KIN_PngResolution
{
public:
    // The longest side that painting and most viewers handle.
    static constexpr int MaxSide = 32767;
    // The most pixels proposed: what image viewers open.
    static constexpr double ProposedPixels = 100e6;
    // The most pixels written at all: four bytes each stay under 2 GiB.
    static constexpr double HeldPixels = 500e6;
    static constexpr double MinFactor = 1.0 / 1024;
    static constexpr double MaxFactor = 4;

    // 1/8x, 1/4x, 1/2x, 1x, 2x, 4x.
    static const std::vector<double>& Steps();
    static QSize SizeAt(const QSizeF& drawing, double factor);
    // Within both limits that the proposal keeps.
    static bool IsProposable(const QSize& size);
    // Within what the image library can hold.
    static bool CanHold(const QSize& size);
    // 1x when it is proposable, else the largest step that is, else the largest factor that
    // is (for drawings too large even at 1/8x).
    static double Proposed(const QSizeF& drawing);
    // "1/8x", "2x", or a decimal factor such as "0.09x".
    static QString Name(double factor);
    // "2", "0.5", "1/4", optionally with a trailing "x"; false for anything else or outside
    // MinFactor..MaxFactor. Never depends on the locale.
    static bool Parse(std::string_view text, double& factor);
};

#endif
