#include "KIN_GedcomUtf8.h"

#include <cstdint>
#include <cstring>

namespace
{
// Length of the well-formed sequence starting at nAt, 0 when there is none.
std::size_t SequenceLength(std::string_view bytes, std::size_t nAt)
{
    const auto byte = [&](std::size_t n)
    { return n < bytes.size() ? static_cast<unsigned char>(bytes[n]) : 0u; };
    const unsigned nLead = byte(nAt);
    const auto isTail = [&](std::size_t n, unsigned nLow, unsigned nHigh)
    { return byte(n) >= nLow && byte(n) <= nHigh; };
    if (nLead >= 0xC2 && nLead <= 0xDF)
        return isTail(nAt + 1, 0x80, 0xBF) ? 2 : 0;
    if (nLead >= 0xE0 && nLead <= 0xEF)
    {
        // E0 must not be overlong, ED must not reach the surrogates.
        const unsigned nLow = nLead == 0xE0 ? 0xA0 : 0x80;
        const unsigned nHigh = nLead == 0xED ? 0x9F : 0xBF;
        return isTail(nAt + 1, nLow, nHigh) && isTail(nAt + 2, 0x80, 0xBF) ? 3 : 0;
    }
    if (nLead >= 0xF0 && nLead <= 0xF4)
    {
        const unsigned nLow = nLead == 0xF0 ? 0x90 : 0x80;
        const unsigned nHigh = nLead == 0xF4 ? 0x8F : 0xBF;
        return isTail(nAt + 1, nLow, nHigh) && isTail(nAt + 2, 0x80, 0xBF) &&
                       isTail(nAt + 3, 0x80, 0xBF)
                   ? 4
                   : 0;
    }
    return 0;
}

bool AllAscii(const char* pBytes)
{
    std::uint64_t nWord = 0;
    std::memcpy(&nWord, pBytes, sizeof nWord);
    return (nWord & 0x8080808080808080ULL) == 0;
}
} // namespace

void KIN_GedcomUtf8::Append(std::string& text, char32_t nCodePoint)
{
    if (nCodePoint > 0x10FFFF || (nCodePoint >= 0xD800 && nCodePoint <= 0xDFFF))
        nCodePoint = kReplacement;
    if (nCodePoint < 0x80)
    {
        text.push_back(static_cast<char>(nCodePoint));
        return;
    }
    if (nCodePoint < 0x800)
    {
        text.push_back(static_cast<char>(0xC0 | (nCodePoint >> 6)));
    }
    else if (nCodePoint < 0x10000)
    {
        text.push_back(static_cast<char>(0xE0 | (nCodePoint >> 12)));
        text.push_back(static_cast<char>(0x80 | ((nCodePoint >> 6) & 0x3F)));
    }
    else
    {
        text.push_back(static_cast<char>(0xF0 | (nCodePoint >> 18)));
        text.push_back(static_cast<char>(0x80 | ((nCodePoint >> 12) & 0x3F)));
        text.push_back(static_cast<char>(0x80 | ((nCodePoint >> 6) & 0x3F)));
    }
    text.push_back(static_cast<char>(0x80 | (nCodePoint & 0x3F)));
}

void KIN_GedcomUtf8::AppendLatin1(std::string& text, std::string_view bytes)
{
    for (const char c : bytes)
        Append(text, static_cast<unsigned char>(c));
}

bool KIN_GedcomUtf8::IsValid(std::string_view bytes)
{
    std::size_t n = 0;
    while (n < bytes.size())
    {
        if (n + 8 <= bytes.size() && AllAscii(bytes.data() + n))
        {
            n += 8;
            continue;
        }
        if (static_cast<unsigned char>(bytes[n]) < 0x80)
        {
            ++n;
            continue;
        }
        const std::size_t nLength = SequenceLength(bytes, n);
        if (nLength == 0)
            return false;
        n += nLength;
    }
    return true;
}

void KIN_GedcomUtf8::AppendValidOrLatin1(std::string& text, std::string_view bytes)
{
    if (IsValid(bytes))
        text.append(bytes);
    else
        AppendLatin1(text, bytes);
}

std::string_view KIN_GedcomUtf8::Cut(std::string_view text, std::size_t nMaxBytes)
{
    if (text.size() <= nMaxBytes)
        return text;
    std::size_t nEnd = nMaxBytes;
    while (nEnd > 0 && (static_cast<unsigned char>(text[nEnd]) & 0xC0) == 0x80)
        --nEnd;
    return text.substr(0, nEnd);
}
