#include "KIT_TextFormat.h"

#include <charconv>
#include <type_traits>

namespace
{
// What a stream in the classic locale writes: integers in decimal, doubles as "%g" would.
// Without a stream: building one with its locale is most of the cost of a short number.
template <class Number> std::string StreamText(Number value)
{
    char digits[64];
    std::to_chars_result end{};
    if constexpr (std::is_floating_point_v<Number>)
        end = std::to_chars(digits, digits + sizeof digits, value, std::chars_format::general, 6);
    else
        end = std::to_chars(digits, digits + sizeof digits, value);
    return std::string(digits, end.ptr);
}

std::string Narrowed(const std::u16string& text)
{
    std::string result;
    result.reserve(text.size());
    for (const char16_t unit : text)
        result.push_back(static_cast<char>(static_cast<unsigned char>(unit & 0xFF)));
    return result;
}

const std::string& Store(std::string& result, std::string text, int nWidth)
{
    result = std::move(text);
    KIT_PadToWidth(result, nWidth);
    return result;
}
} // namespace

void KIT_PadToWidth(std::string& text, int nWidth)
{
    if (nWidth == 0)
        return;
    const long long missing = (nWidth < 0 ? -static_cast<long long>(nWidth) : nWidth) -
                              static_cast<long long>(text.size());
    if (missing <= 0)
        return;
    const std::string spaces(static_cast<std::size_t>(missing), ' ');
    if (nWidth < 0)
        text += spaces;
    else
        text.insert(0, spaces);
}

void KIT_FileNameOfPath(std::string& text)
{
    const std::size_t separator = text.find_last_of("/\\");
    if (separator != std::string::npos)
        text.erase(0, separator + 1);
}

const std::string& KIT_Int32ToText(std::int32_t nValue, int nWidth)
{
    static thread_local std::string result;
    return Store(result, StreamText(nValue), nWidth);
}

const std::string& KIT_UInt32ToText(std::uint32_t nValue, int nWidth)
{
    static thread_local std::string result;
    return Store(result, StreamText(nValue), nWidth);
}

const std::string& KIT_Int64ToText(std::int64_t nValue, int nWidth)
{
    static thread_local std::string result;
    return Store(result, StreamText(static_cast<long long>(nValue)), nWidth);
}

const std::string& KIT_DoubleToText(double value, int nWidth)
{
    static thread_local std::string result;
    return Store(result, StreamText(value), nWidth);
}

const std::string& KIT_PaddedText(const std::string& text, int nWidth)
{
    static thread_local std::string result;
    return Store(result, text, nWidth);
}

const std::string& KIT_U16ToPaddedText(const std::u16string& text, int nWidth)
{
    static thread_local std::string result;
    return Store(result, Narrowed(text), nWidth);
}

const std::string& KIT_U16ToText(const std::u16string& text)
{
    static thread_local std::string result;
    return Store(result, Narrowed(text), 0);
}

const std::u16string& KIT_TextToU16(const std::string& text)
{
    static std::u16string result;
    result.clear();
    result.reserve(text.size());
    for (const char byte : text)
        result.push_back(static_cast<char16_t>(static_cast<unsigned char>(byte)));
    return result;
}
