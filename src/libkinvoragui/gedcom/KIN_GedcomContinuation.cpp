#include "KIN_GedcomContinuation.h"

#include "KIN_GedcomAnsel.h"

#include <algorithm>

namespace
{
using Kind = KIN_GedcomEncoding::Kind;

// Reads the text as a sequence of code units: bytes, or 16-bit units in either order.
class Units
{
public:
    Units(std::string_view bytes, Kind kind)
        : m_bytes(bytes), m_nSize(kind == Kind::Utf16Le || kind == Kind::Utf16Be ? 2 : 1),
          m_bBigEndian(kind == Kind::Utf16Be)
    {
    }

    std::size_t Size() const { return m_nSize; }
    std::size_t Count() const { return m_bytes.size() / m_nSize; }
    char32_t At(std::size_t nUnit) const
    {
        const auto byte = [&](std::size_t n)
        { return static_cast<char32_t>(static_cast<unsigned char>(m_bytes[nUnit * m_nSize + n])); };
        if (m_nSize == 1)
            return byte(0);
        return m_bBigEndian ? (byte(0) << 8) | byte(1) : (byte(1) << 8) | byte(0);
    }
    bool Is(std::size_t nUnit, char c) const
    {
        return nUnit < Count() && At(nUnit) == static_cast<unsigned char>(c);
    }

private:
    std::string_view m_bytes;
    std::size_t m_nSize;
    bool m_bBigEndian;
};

// The unit where the value of the CONC line starting at nUnit begins ("2 CONC xyz" gives
// the x), or 0 when that line is no CONC line with a value.
std::size_t ConcValueAt(const Units& units, std::size_t nUnit)
{
    const auto skipSpaces = [&](std::size_t n)
    {
        while (units.Is(n, ' ') || units.Is(n, '\t'))
            ++n;
        return n;
    };
    std::size_t n = skipSpaces(nUnit);
    const std::size_t nDigits = n;
    while (n < units.Count() && units.At(n) >= '0' && units.At(n) <= '9')
        ++n;
    if (n == nDigits || !units.Is(n, ' '))
        return 0;
    n = skipSpaces(n);
    for (const char c : {'C', 'O', 'N', 'C', ' '})
    {
        if (!units.Is(n++, c))
            return 0;
    }
    return n < units.Count() && !units.Is(n, '\r') && !units.Is(n, '\n') ? n : 0;
}

bool IsLineEnd(const Units& units, std::size_t nUnit)
{
    return units.Is(nUnit, '\n') || units.Is(nUnit, '\r');
}

std::size_t Utf8Tail(std::string_view line)
{
    // A sequence is at most 4 bytes: look at the last 3 for its unfinished start.
    for (std::size_t nBack = 1; nBack <= std::min<std::size_t>(3, line.size()); ++nBack)
    {
        const auto nByte = static_cast<unsigned char>(line[line.size() - nBack]);
        if ((nByte & 0xC0) == 0x80)
            continue; // a continuation byte: the start is further back
        const std::size_t nLength = nByte >= 0xF0 ? 4 : nByte >= 0xE0 ? 3 : nByte >= 0xC0 ? 2 : 1;
        return nByte >= 0xC2 && nByte <= 0xF4 && nLength > nBack ? nBack : 0;
    }
    return 0;
}
} // namespace

std::size_t KIN_GedcomContinuation::UnfinishedTail(std::string_view line, Kind kind)
{
    switch (kind)
    {
    case Kind::Ansel:
    {
        const auto isMark = [](char c)
        { return KIN_GedcomAnsel::Mark(static_cast<unsigned char>(c)) != 0; };
        const auto lastLetter = std::find_if_not(line.rbegin(), line.rend(), isMark);
        return static_cast<std::size_t>(lastLetter - line.rbegin());
    }
    case Kind::Utf8:
        return Utf8Tail(line);
    case Kind::Utf16Le:
    case Kind::Utf16Be:
    {
        const Units units(line, kind);
        const std::size_t nCount = units.Count();
        const bool bHigh =
            nCount > 0 && units.At(nCount - 1) >= 0xD800 && units.At(nCount - 1) <= 0xDBFF;
        return bHigh ? 2 : 0;
    }
    default:
        return 0;
    }
}

std::string KIN_GedcomContinuation::Mend(std::string_view bytes, Kind kind)
{
    // Only these sets write one character in several units.
    if (kind != Kind::Ansel && kind != Kind::Utf8 && kind != Kind::Utf16Le && kind != Kind::Utf16Be)
        return std::string();
    const Units units(bytes, kind);
    std::string mended;
    std::size_t nCopied = 0; // bytes of the input already in mended
    std::size_t nLineStart = 0;
    for (std::size_t nUnit = 0; nUnit < units.Count(); ++nUnit)
    {
        if (!IsLineEnd(units, nUnit))
            continue;
        const std::string_view line =
            bytes.substr(nLineStart * units.Size(), (nUnit - nLineStart) * units.Size());
        std::size_t nNext = nUnit;
        while (IsLineEnd(units, nNext))
            ++nNext;
        nLineStart = nNext;
        const std::size_t nTail = UnfinishedTail(line, kind);
        const std::size_t nValue = nTail == 0 ? 0 : ConcValueAt(units, nNext);
        if (nValue == 0)
        {
            nUnit = nNext - 1; // "\r\n" is one line end, not an empty line after it
            continue;
        }
        // line ... [tail] [line end] [CONC prefix] value  becomes  line ... [end] [prefix] tail
        // value
        const std::size_t nTailAt = nUnit * units.Size() - nTail;
        const std::size_t nValueAt = nValue * units.Size();
        mended.append(bytes.substr(nCopied, nTailAt - nCopied));
        mended.append(bytes.substr(nUnit * units.Size(), nValueAt - nUnit * units.Size()));
        mended.append(bytes.substr(nTailAt, nTail));
        nCopied = nValueAt;
        nUnit = nValue - 1;
        nLineStart = nValue; // the moved tail belongs to the CONC line's value now
    }
    if (nCopied == 0)
        return std::string();
    mended.append(bytes.substr(nCopied));
    return mended;
}
