#include "KIN_GedcomLineReader.h"

#include <algorithm>
#include <cstdint>

namespace
{
// Levels stop growing here: no real file nests this deep, and the sum cannot overflow.
constexpr std::int32_t kMaxLevel = 1000000;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

bool IsSpace(char c)
{
    return c == ' ' || c == '\t';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::size_t LineEnd(std::string_view text, std::size_t nFrom)
{
    const char* const pBegin = text.data();
    const char* const pEnd = pBegin + text.size();
    for (const char* p = pBegin + nFrom; p != pEnd; ++p)
    {
        if (*p == '\n' || *p == '\r')
            return static_cast<std::size_t>(p - pBegin);
    }
    return text.size();
}

std::size_t SkipSpaces(std::string_view text, std::size_t n)
{
    while (n < text.size() && IsSpace(text[n]))
        ++n;
    return n;
}
} // namespace

bool KIN_GedcomLineReader::Next(KIN_GedcomLine& line)
{
    while (m_nAt < m_text.size() && IsBlank(m_text[m_nAt]))
        ++m_nAt;
    if (m_nAt >= m_text.size())
        return false;
    const std::size_t nEnd = LineEnd(m_text, m_nAt);
    Parse(m_text.substr(m_nAt, nEnd - m_nAt), line);
    m_nAt = nEnd;
    return true;
}

void KIN_GedcomLineReader::Parse(std::string_view text, KIN_GedcomLine& line)
{
    line = KIN_GedcomLine();
    line.text = text;
    std::size_t n = 0;
    std::int32_t nLevel = 0;
    for (; n < text.size() && IsDigit(text[n]); ++n)
        nLevel = std::min(kMaxLevel, nLevel * 10 + (text[n] - '0'));
    if (n == 0 || n == text.size() || !IsSpace(text[n]))
        return;
    n = SkipSpaces(text, n);
    if (n < text.size() && text[n] == '@')
    {
        const std::size_t nClose = text.find('@', n + 1);
        if (nClose == std::string_view::npos)
            return;
        line.xref = text.substr(n + 1, nClose - n - 1);
        n = SkipSpaces(text, nClose + 1);
    }
    std::size_t nTagEnd = n;
    while (nTagEnd < text.size() && !IsSpace(text[nTagEnd]))
        ++nTagEnd;
    if (nTagEnd == n)
        return;
    line.tag = text.substr(n, nTagEnd - n);
    if (nTagEnd < text.size())
        line.value = text.substr(nTagEnd + 1);
    line.nLevel = nLevel;
}
