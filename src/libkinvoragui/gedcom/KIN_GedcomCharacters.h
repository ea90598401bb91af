#ifndef KIN_GEDCOMCHARACTERS_H
#define KIN_GEDCOMCHARACTERS_H

// The single-byte character sets besides ANSEL.
class KIN_GedcomCharacters
{
public:
    // Windows-1252 ("ANSI"); the five bytes it leaves undefined read as Latin-1.
    static char32_t Windows1252(unsigned char nByte);
    // IBM PC code page 437, the character set of DOS programs.
    static char32_t Ibm437(unsigned char nByte);
    // Mac OS Roman, of the older Macintosh programs.
    static char32_t MacRoman(unsigned char nByte);
};

#endif
