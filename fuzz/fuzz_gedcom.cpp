// Whatever the bytes, the import ends with a result; an imported diagram is valid UTF-8, its
// periods stay in range without overlapping, and its links join existing periods once.
#include "KIN_DateScale.h"
#include "KIN_GedcomImport.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace
{
// Independent of the import's own decoder: well-formed sequences, no surrogates or overlongs.
bool IsUtf8(std::string_view text)
{
    std::size_t n = 0;
    while (n < text.size())
    {
        const auto nLead = static_cast<unsigned char>(text[n]);
        const std::size_t nLength = nLead < 0x80   ? 1
                                    : nLead < 0xC2 ? 0
                                    : nLead < 0xE0 ? 2
                                    : nLead < 0xF0 ? 3
                                    : nLead < 0xF5 ? 4
                                                   : 0;
        if (nLength == 0 || n + nLength > text.size())
            return false;
        std::uint32_t nCode = nLength == 1 ? nLead : nLead & (0x7F >> nLength);
        for (std::size_t k = 1; k < nLength; ++k)
        {
            const auto nTail = static_cast<unsigned char>(text[n + k]);
            if ((nTail & 0xC0) != 0x80)
                return false;
            nCode = (nCode << 6) | (nTail & 0x3F);
        }
        const std::uint32_t nSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (nCode < nSmallest[nLength] || nCode > 0x10FFFF || (nCode >= 0xD800 && nCode <= 0xDFFF))
            return false;
        n += nLength;
    }
    return true;
}

void Fail(const char* pWhat)
{
    std::fprintf(stderr, "imported diagram: %s\n", pWhat);
    std::abort();
}

void CheckPeriods(const KIN_DataDiagram& diagram)
{
    const std::vector<KIN_DataPeriod>& periods = diagram.periods;
    for (std::size_t n = 0; n < periods.size(); ++n)
    {
        const KIN_DataPeriod& period = periods[n];
        if (period.id != static_cast<std::int32_t>(n) + 1)
            Fail("ids are not 1..N");
        if (!IsUtf8(period.title) || !IsUtf8(period.details))
            Fail("a text is not UTF-8");
        if (period.begin < -100000000000LL || period.begin > 2199 || period.end > 2200 ||
            period.begin > period.end)
            Fail("years out of range");
        if (period.column < 0 || period.width < 2 || period.column + period.width > diagram.width)
            Fail("columns out of range");
        if (diagram.begin < 0 || diagram.end > 40 || diagram.end <= diagram.begin ||
            KIN_ScaleYears()[static_cast<std::size_t>(diagram.begin)] > period.begin ||
            KIN_ScaleYears()[static_cast<std::size_t>(diagram.end)] < period.end)
            Fail("limits do not enclose a period");
        for (std::size_t k = 0; k < n && periods.size() < 3000; ++k)
        {
            const KIN_DataPeriod& other = periods[k];
            if (period.column < other.column + other.width &&
                other.column < period.column + period.width && period.begin <= other.end &&
                other.begin <= period.end)
                Fail("two periods overlap");
        }
    }
}

void CheckLinks(const KIN_DataDiagram& diagram)
{
    const auto nPeriods = static_cast<std::int32_t>(diagram.periods.size());
    for (std::size_t n = 0; n < diagram.links.size(); ++n)
    {
        const KIN_DataLink& link = diagram.links[n];
        if (link.period1 < 1 || link.period1 > nPeriods || link.period2 < 1 ||
            link.period2 > nPeriods || link.period1 == link.period2 || link.point1 != 1 ||
            link.point2 != 0)
            Fail("a link joins no periods");
        for (std::size_t k = 0; k < n && diagram.links.size() < 3000; ++k)
        {
            if (diagram.links[k] == link)
                Fail("a link is there twice");
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const std::string_view bytes(reinterpret_cast<const char*>(pData), nSize);
    const KIN_GedcomResult result = KIN_GedcomImport::ImportBytes(bytes, KIN_GedcomOptions());
    if (!IsUtf8(result.detail))
        Fail("the detail is not UTF-8");
    if (result.error != KIN_GedcomError::None)
        return 0;
    if (result.nPeople != result.diagram.periods.size())
        Fail("the count of people is not the count of periods");
    CheckPeriods(result.diagram);
    CheckLinks(result.diagram);
    return 0;
}
