#include "KIN_GedcomEncoding.h"

#include "KIN_GedcomLineReader.h"

#include <array>
#include <cctype>
#include <string>

namespace
{
struct NamedKind
{
    const char* pName;
    KIN_GedcomEncoding::Kind kind;
};

// Names older programs wrote besides the standard ones, matched as the start of the value
// without case, spaces, hyphens or underscores (ISO8859 covers ISO-8859-1 and its kin).
constexpr std::array<NamedKind, 18> kNames = {{
    {"ANSEL", KIN_GedcomEncoding::Kind::Ansel},
    {"ANSI", KIN_GedcomEncoding::Kind::Windows1252},
    {"WINDOWS1252", KIN_GedcomEncoding::Kind::Windows1252},
    {"CP1252", KIN_GedcomEncoding::Kind::Windows1252},
    {"IBMWINDOWS", KIN_GedcomEncoding::Kind::Windows1252},
    {"IBMPC", KIN_GedcomEncoding::Kind::Ibm437},
    {"IBMDOS", KIN_GedcomEncoding::Kind::Ibm437},
    {"MSDOS", KIN_GedcomEncoding::Kind::Ibm437},
    {"CP437", KIN_GedcomEncoding::Kind::Ibm437},
    {"MACINTOSH", KIN_GedcomEncoding::Kind::MacRoman},
    {"MACROMAN", KIN_GedcomEncoding::Kind::MacRoman},
    {"LATIN1", KIN_GedcomEncoding::Kind::Latin1},
    {"ISO8859", KIN_GedcomEncoding::Kind::Latin1},
    {"UNICODE", KIN_GedcomEncoding::Kind::Utf8}, // 16-bit files are found by their zero bytes
    {"UTF16", KIN_GedcomEncoding::Kind::Utf8},
    {"UTF8", KIN_GedcomEncoding::Kind::Utf8},
    {"ASCII", KIN_GedcomEncoding::Kind::Utf8},
    {"USASCII", KIN_GedcomEncoding::Kind::Utf8},
}};

std::string Folded(std::string_view name)
{
    std::string folded;
    for (const char c : name)
    {
        if (c != ' ' && c != '-' && c != '_' && c != '\t')
            folded.push_back(static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    }
    return folded;
}

// The CHAR value of the first record, read before any decoding: its lines are ASCII in
// every 8-bit character set.
KIN_GedcomEncoding::Kind FromHeader(std::string_view bytes)
{
    KIN_GedcomLineReader reader(bytes);
    KIN_GedcomLine line;
    bool bFirst = true;
    while (reader.Next(line))
    {
        if (line.nLevel == 0 && !bFirst)
            break;
        bFirst = false;
        if (line.nLevel == 1 && line.tag == "CHAR")
            return KIN_GedcomEncoding::FromName(line.value);
    }
    return KIN_GedcomEncoding::Kind::Utf8;
}
} // namespace

KIN_GedcomEncoding::Detected KIN_GedcomEncoding::Detect(std::string_view bytes)
{
    const auto byte = [&](std::size_t n)
    { return n < bytes.size() ? static_cast<unsigned char>(bytes[n]) : 0u; };
    if (byte(0) == 0xEF && byte(1) == 0xBB && byte(2) == 0xBF)
        return {Kind::Utf8, 3};
    if (byte(0) == 0xFF && byte(1) == 0xFE)
        return {Kind::Utf16Le, 2};
    if (byte(0) == 0xFE && byte(1) == 0xFF)
        return {Kind::Utf16Be, 2};
    if (bytes.size() >= 2 && byte(0) != 0 && byte(1) == 0)
        return {Kind::Utf16Le, 0};
    if (bytes.size() >= 2 && byte(0) == 0 && byte(1) != 0)
        return {Kind::Utf16Be, 0};
    return {FromHeader(bytes), 0};
}

KIN_GedcomEncoding::Kind KIN_GedcomEncoding::FromName(std::string_view name)
{
    const std::string folded = Folded(name);
    for (const NamedKind& named : kNames)
    {
        if (folded.rfind(named.pName, 0) == 0)
            return named.kind;
    }
    return Kind::Utf8;
}
