#ifndef KIN_GEDCOMANSEL_H
#define KIN_GEDCOMANSEL_H

#include <string>
#include <string_view>

// ANSEL (ANSI Z39.47 with the GEDCOM additions), the character set of older genealogy
// files. Its combining diacritics come before the letter they go on; decoding puts them
// after it and composes the pair where Unicode has one character for it.
class KIN_GedcomAnsel
{
public:
    // Appends the ANSEL bytes to text as UTF-8.
    static void Decode(std::string_view bytes, std::string& text);

    // The character of a byte that is not a diacritic (ASCII, the extra letters and signs,
    // and Windows-1252 for the bytes ANSEL leaves unused).
    static char32_t Character(unsigned char nByte);
    // The combining mark of a diacritic byte, 0 for other bytes.
    static char32_t Mark(unsigned char nByte);
};

#endif
