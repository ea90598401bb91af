#include "KIN_GedcomAscii.h"

#include <algorithm>

std::string_view KIN_GedcomAscii::Trim(std::string_view text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string_view KIN_GedcomAscii::NextWord(std::string_view text, std::size_t& nAt)
{
    while (nAt < text.size() && IsSpace(text[nAt]))
        ++nAt;
    const std::size_t nStart = nAt;
    while (nAt < text.size() && !IsSpace(text[nAt]))
        ++nAt;
    return text.substr(std::min(nStart, text.size()), nAt - std::min(nStart, text.size()));
}

std::string_view KIN_GedcomAscii::Folded(std::string_view word, WordBuffer& buffer)
{
    std::size_t nLength = 0;
    for (const char c : word)
    {
        if (c == '.')
            continue;
        if (nLength == buffer.size())
            return std::string_view();
        buffer[nLength++] = c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
    }
    return std::string_view(buffer.data(), nLength);
}

std::string_view KIN_GedcomAscii::PointerTarget(std::string_view value)
{
    value = Trim(value);
    if (value.size() >= 2 && value.front() == '@' && value.back() == '@')
        return value.substr(1, value.size() - 2);
    return value;
}
