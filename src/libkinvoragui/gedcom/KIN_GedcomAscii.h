#ifndef KIN_GEDCOMASCII_H
#define KIN_GEDCOMASCII_H

#include <array>
#include <string_view>

// The ASCII tests the readers share: GEDCOM keywords and numbers are ASCII whatever the
// character set of the names around them.
class KIN_GedcomAscii
{
public:
    using WordBuffer = std::array<char, 16>;

    static bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }
    static std::string_view Trim(std::string_view text);
    // The record a pointer names, trimmed and without its @ signs: "@I12@" gives "I12".
    static std::string_view PointerTarget(std::string_view value);
    // The word (a run without white space) at or after nAt, and nAt moved past it; empty at
    // the end of the text.
    static std::string_view NextWord(std::string_view text, std::size_t& nAt);
    // The word in upper case and without dots ("b.c." gives "BC"), written into buffer;
    // empty when it does not fit.
    static std::string_view Folded(std::string_view word, WordBuffer& buffer);
};

#endif
