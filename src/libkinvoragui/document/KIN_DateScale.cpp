#include "KIN_DateScale.h"

#include "KIN_DateLimits.h"
#include "KIT_TextFormat.h"

#include <cmath>
#include <limits>
#include <locale>
#include <sstream>

namespace
{
using KIN_DateLimits::kStepCount;
constexpr std::size_t kLinearFirstStep = 8; // the step of -1000
constexpr std::int64_t kFirstYear = KIN_DateLimits::kFirstBeginYear;
constexpr std::int64_t kLinearFrom = -1000;
constexpr std::int64_t kLinearStep = 100;
constexpr std::int32_t kPowerOfTenSpan = 90;
constexpr std::int64_t kUnreadable = -32768;

std::vector<std::string> BuildTexts()
{
    std::vector<std::string> texts;
    for (const char suffix : {'G', 'M', 'K'})
    {
        for (const char* mantissa : {"100", "10", "1"})
            texts.push_back(std::string("-") + mantissa + suffix);
    }
    for (std::int64_t nYear = kLinearFrom + kLinearStep; texts.size() < kStepCount;
         nYear += kLinearStep)
        texts.push_back(KIT_Int64ToText(nYear));
    return texts;
}

std::vector<std::int64_t> BuildYears()
{
    std::vector<std::int64_t> years;
    for (std::int64_t nYear = kFirstYear; nYear < kLinearFrom; nYear /= 10)
        years.push_back(nYear);
    for (std::int64_t nYear = kLinearFrom; years.size() < kStepCount; nYear += kLinearStep)
        years.push_back(nYear);
    return years;
}

std::vector<std::int32_t> BuildPositions()
{
    const std::vector<std::int64_t>& years = KIN_ScaleYears();
    std::vector<std::int32_t> positions(kStepCount);
    positions[kStepCount - 1] = static_cast<std::int32_t>(years.back());
    for (std::size_t i = kStepCount - 1; i > 0; --i)
    {
        const std::int32_t nSpan =
            i > kLinearFirstStep ? static_cast<std::int32_t>(kLinearStep) : kPowerOfTenSpan;
        positions[i - 1] = positions[i] - nSpan;
    }
    return positions;
}

std::vector<std::uint8_t> BuildMarks()
{
    std::vector<std::uint8_t> marks(kStepCount, 0);
    for (std::size_t i = kLinearFirstStep; i < kStepCount; i += 10)
        marks[i] = 1;
    for (std::ptrdiff_t i = kLinearFirstStep; i >= 0; i -= 3)
        marks[static_cast<std::size_t>(i)] = 1;
    return marks;
}

std::istringstream ClassicStream(const std::string& text)
{
    std::istringstream stream(text);
    stream.imbue(std::locale::classic());
    return stream;
}

// Reads the number at the start of text as the standard stream does (leading white space
// skipped, reading stops where the number ends). A number beyond the type's range reads as
// the range's end; false when there is no number at all.
template <class Number> bool ReadNumber(const std::string& text, Number& value)
{
    std::istringstream stream = ClassicStream(text);
    value = 0;
    stream >> value;
    return !stream.fail() || value != 0;
}

std::int64_t TruncatedToYear(double value)
{
    constexpr double kLimit = 9223372036854775808.0; // 2^63
    if (value >= kLimit)
        return std::numeric_limits<std::int64_t>::max();
    if (value <= -kLimit)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(value);
}

double SuffixMultiplier(char suffix)
{
    switch (suffix)
    {
    case 'G':
        return 1e9;
    case 'M':
        return 1e6;
    case 'K':
        return 1e3;
    default:
        return 0.0;
    }
}
} // namespace

const std::vector<std::string>& KIN_ScaleTexts()
{
    static const std::vector<std::string> texts = BuildTexts();
    return texts;
}

const std::vector<std::int64_t>& KIN_ScaleYears()
{
    static const std::vector<std::int64_t> years = BuildYears();
    return years;
}

const std::vector<std::int32_t>& KIN_ScalePositions()
{
    static const std::vector<std::int32_t> positions = BuildPositions();
    return positions;
}

const std::vector<std::uint8_t>& KIN_ScaleMarks()
{
    static const std::vector<std::uint8_t> marks = BuildMarks();
    return marks;
}

std::int32_t KIN_YearToPosition(std::int64_t nYear)
{
    if (nYear >= kLinearFrom)
    {
        // Beyond the 32-bit range a year stays at the range's end rather than wrapping.
        return static_cast<std::int32_t>(
            std::min<std::int64_t>(nYear, std::numeric_limits<std::int32_t>::max()));
    }
    const std::vector<std::int64_t>& years = KIN_ScaleYears();
    const std::vector<std::int32_t>& positions = KIN_ScalePositions();
    if (years.empty() || years.size() != positions.size())
        return 0;

    std::int32_t nPosition = 0;
    for (std::size_t i = 1; i < years.size(); ++i)
    {
        if (years[i - 1] <= nYear && nYear <= years[i])
        {
            const std::int64_t nSpan = positions[i] - positions[i - 1];
            const std::int64_t nOffset = nSpan * (nYear - years[i]) / (years[i] - years[i - 1]);
            nPosition = static_cast<std::int32_t>(positions[i] + nOffset);
        }
    }
    return nPosition;
}

std::string KIN_DateToText(std::int64_t nYear)
{
    if (nYear > kLinearFrom) // -999 and later are plain numbers
        return KIT_Int64ToText(nYear);

    double value = static_cast<double>(nYear) * 0.001;
    char suffix = 'K';
    if (value <= -1000.0)
    {
        value *= 0.001;
        suffix = 'M';
        if (value <= -1000.0)
        {
            value *= 0.001;
            suffix = 'G';
        }
    }
    return KIT_DoubleToText(value) + suffix;
}

std::int64_t KIN_TextToDate(const std::string& text)
{
    std::string copy = text;
    const std::size_t comma = copy.find(',');
    if (comma != std::string::npos)
        copy[comma] = '.';
    if (copy.empty())
        return 1;

    const double multiplier = SuffixMultiplier(copy.back());
    if (multiplier != 0.0)
    {
        double number = 0.0;
        if (!ReadNumber(copy.substr(0, copy.size() - 1), number))
            number = static_cast<double>(kUnreadable);
        return TruncatedToYear(number * multiplier);
    }
    std::int64_t nYear = 0;
    if (!ReadNumber(copy, nYear))
        return kUnreadable;
    return nYear;
}
