#include "KIN_GedcomDecoder.h"

#include "KIN_GedcomAnsel.h"
#include "KIN_GedcomCharacters.h"
#include "KIN_GedcomContinuation.h"
#include "KIN_GedcomUtf8.h"

namespace
{
bool IsHighSurrogate(char32_t nUnit)
{
    return nUnit >= 0xD800 && nUnit <= 0xDBFF;
}

bool IsLowSurrogate(char32_t nUnit)
{
    return nUnit >= 0xDC00 && nUnit <= 0xDFFF;
}
} // namespace

std::string KIN_GedcomDecoder::Decode(std::string_view bytes)
{
    const KIN_GedcomEncoding::Detected detected = KIN_GedcomEncoding::Detect(bytes);
    return Decode(bytes.substr(detected.nBomSize), detected.kind);
}

std::string KIN_GedcomDecoder::Decode(std::string_view bytes, KIN_GedcomEncoding::Kind kind)
{
    if (kind == KIN_GedcomEncoding::Kind::Utf8)
        return FromUtf8(bytes);
    const std::string mended = KIN_GedcomContinuation::Mend(bytes, kind);
    if (!mended.empty())
        bytes = mended;
    if (kind == KIN_GedcomEncoding::Kind::Utf16Le || kind == KIN_GedcomEncoding::Kind::Utf16Be)
        return FromUtf16(bytes, kind == KIN_GedcomEncoding::Kind::Utf16Be);
    std::string text;
    text.reserve(bytes.size());
    if (kind == KIN_GedcomEncoding::Kind::Ansel)
        KIN_GedcomAnsel::Decode(bytes, text);
    else if (kind == KIN_GedcomEncoding::Kind::Latin1)
        KIN_GedcomUtf8::AppendLatin1(text, bytes);
    else
    {
        char32_t (*const character)(unsigned char) =
            kind == KIN_GedcomEncoding::Kind::Ibm437     ? KIN_GedcomCharacters::Ibm437
            : kind == KIN_GedcomEncoding::Kind::MacRoman ? KIN_GedcomCharacters::MacRoman
                                                         : KIN_GedcomCharacters::Windows1252;
        for (const char c : bytes)
            KIN_GedcomUtf8::Append(text, character(static_cast<unsigned char>(c)));
    }
    return text;
}

std::string KIN_GedcomDecoder::FromUtf8(std::string_view bytes)
{
    if (KIN_GedcomUtf8::IsValid(bytes))
        return std::string(bytes);
    // Valid UTF-8 has no character cut at a line end: only an invalid text needs mending.
    const std::string mended = KIN_GedcomContinuation::Mend(bytes, KIN_GedcomEncoding::Kind::Utf8);
    if (!mended.empty())
    {
        if (KIN_GedcomUtf8::IsValid(mended))
            return mended;
        bytes = mended;
    }
    std::string text;
    text.reserve(bytes.size() + bytes.size() / 8);
    std::size_t nAt = 0;
    while (nAt < bytes.size())
    {
        std::size_t nEnd = nAt;
        while (nEnd < bytes.size() && bytes[nEnd] != '\n' && bytes[nEnd] != '\r')
            ++nEnd;
        KIN_GedcomUtf8::AppendValidOrLatin1(text, bytes.substr(nAt, nEnd - nAt));
        if (nEnd < bytes.size())
            text.push_back(bytes[nEnd++]);
        nAt = nEnd;
    }
    return text;
}

std::string KIN_GedcomDecoder::FromUtf16(std::string_view bytes, bool bBigEndian)
{
    const auto unitAt = [&](std::size_t n)
    {
        const auto nFirst = static_cast<unsigned char>(bytes[n]);
        const auto nSecond = static_cast<unsigned char>(bytes[n + 1]);
        return static_cast<char32_t>(bBigEndian ? (nFirst << 8) | nSecond
                                                : (nSecond << 8) | nFirst);
    };
    std::string text;
    text.reserve(bytes.size() / 2);
    std::size_t n = 0;
    for (; n + 1 < bytes.size(); n += 2)
    {
        const char32_t nUnit = unitAt(n);
        if (IsHighSurrogate(nUnit) && n + 3 < bytes.size() && IsLowSurrogate(unitAt(n + 2)))
        {
            const char32_t nLow = unitAt(n + 2);
            KIN_GedcomUtf8::Append(text, 0x10000 + ((nUnit - 0xD800) << 10) + (nLow - 0xDC00));
            n += 2;
        }
        else
        {
            KIN_GedcomUtf8::Append(text, nUnit); // a lone surrogate turns into U+FFFD there
        }
    }
    if (n < bytes.size())
        KIN_GedcomUtf8::Append(text, KIN_GedcomUtf8::kReplacement);
    return text;
}
