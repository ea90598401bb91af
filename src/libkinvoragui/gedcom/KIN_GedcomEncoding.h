#ifndef KIN_GEDCOMENCODING_H
#define KIN_GEDCOMENCODING_H

#include <cstddef>
#include <string_view>

// Which character set a GEDCOM file is written in.
class KIN_GedcomEncoding
{
public:
    enum class Kind
    {
        Utf8, // also ASCII and unknown names: invalid lines read as Latin-1
        Utf16Le,
        Utf16Be,
        Ansel,
        Windows1252,
        Latin1,
        Ibm437,
        MacRoman
    };
    struct Detected
    {
        Kind kind = Kind::Utf8;
        std::size_t nBomSize = 0; // bytes of byte-order mark to pass over
    };

    // By the byte-order mark, else by the zero bytes of 16-bit text, else by the CHAR line
    // of the header; UTF-8 when none of them tells (GEDCOM 7 has no CHAR line).
    static Detected Detect(std::string_view bytes);
    // The encoding a CHAR value names, in any case.
    static Kind FromName(std::string_view name);
};

#endif
