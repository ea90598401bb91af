#include "KIN_PngResolution.h"

#include <algorithm>
#include <charconv>
#include <cmath>

const std::vector<double>& KIN_PngResolution::Steps()
{
    static const std::vector<double> steps{0.125, 0.25, 0.5, 1, 2, 4};
    return steps;
}

QSize KIN_PngResolution::SizeAt(const QSizeF& drawing, double factor)
{
    const auto side = [factor](double length)
    { return static_cast<int>(std::min(std::max(std::round(length * factor), 1.0), 1e9)); };
    return QSize(side(drawing.width()), side(drawing.height()));
}

namespace
{
bool Within(const QSize& size, int nMaxSide, double maxPixels)
{
    return size.width() <= nMaxSide && size.height() <= nMaxSide &&
           static_cast<double>(size.width()) * size.height() <= maxPixels;
}
} // namespace

bool KIN_PngResolution::IsProposable(const QSize& size)
{
    return Within(size, MaxSide, ProposedPixels);
}

bool KIN_PngResolution::CanHold(const QSize& size)
{
    return Within(size, MaxSide, HeldPixels);
}

double KIN_PngResolution::Proposed(const QSizeF& drawing)
{
    if (IsProposable(SizeAt(drawing, 1)))
        return 1;
    for (auto step = Steps().rbegin(); step != Steps().rend(); ++step)
        if (IsProposable(SizeAt(drawing, *step)))
            return *step;
    // Two significant digits, lowered until the rounded size fits.
    double factor = std::min({MaxSide / drawing.width(), MaxSide / drawing.height(),
                              std::sqrt(ProposedPixels / (drawing.width() * drawing.height()))});
    const double unit = std::pow(10.0, std::floor(std::log10(factor)) - 1);
    factor = std::floor(factor / unit) * unit;
    while (factor > MinFactor && !IsProposable(SizeAt(drawing, factor)))
        factor -= unit;
    return std::max(factor, MinFactor);
}

QString KIN_PngResolution::Name(double factor)
{
    if (factor < 1 && std::abs(1 / factor - std::round(1 / factor)) < 1e-9)
        return QStringLiteral("1/%1x").arg(std::lround(1 / factor));
    return QString::number(factor, 'g', 3) + QLatin1Char('x');
}

bool KIN_PngResolution::Parse(std::string_view text, double& factor)
{
    if (!text.empty() && (text.back() == 'x' || text.back() == 'X'))
        text.remove_suffix(1);
    const char* pEnd = text.data() + text.size();
    double value = 0;
    auto [pNext, error] = std::from_chars(text.data(), pEnd, value);
    if (error != std::errc())
        return false;
    if (pNext != pEnd && *pNext == '/')
    {
        double divisor = 0;
        const auto [pAfter, divisorError] = std::from_chars(pNext + 1, pEnd, divisor);
        if (divisorError != std::errc() || divisor <= 0)
            return false;
        value /= divisor;
        pNext = pAfter;
    }
    if (pNext != pEnd || !(value >= MinFactor && value <= MaxFactor))
        return false;
    factor = value;
    return true;
}
