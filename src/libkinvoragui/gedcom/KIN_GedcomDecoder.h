#ifndef KIN_GEDCOMDECODER_H
#define KIN_GEDCOMDECODER_H

#include "KIN_GedcomEncoding.h"

#include <string>
#include <string_view>

// Turns a GEDCOM file's bytes into UTF-8 text, whatever character set they are in.
class KIN_GedcomDecoder
{
public:
    // The text without its byte-order mark, in the detected character set.
    static std::string Decode(std::string_view bytes);
    static std::string Decode(std::string_view bytes, KIN_GedcomEncoding::Kind kind);

private:
    // UTF-8 as it is; a line that is not valid UTF-8 reads as Latin-1, as everywhere else in
    // the program, so that a file mixing both loses nothing.
    static std::string FromUtf8(std::string_view bytes);
    // Surrogate pairs joined; a lone surrogate or a last odd byte gives U+FFFD.
    static std::string FromUtf16(std::string_view bytes, bool bBigEndian);
};

#endif
