#ifndef KIN_GEDCOMCONTINUATION_H
#define KIN_GEDCOMCONTINUATION_H

#include "KIN_GedcomEncoding.h"

#include <cstddef>
#include <string>
#include <string_view>

// Programs that split long values by byte count can cut a character between a line and the
// CONC line that continues it: an ANSEL accent before the letter it goes on, the start of a
// UTF-8 sequence, a UTF-16 high surrogate. Moving that unfinished start to the front of the
// CONC line's value mends it before decoding: joining the parts gives back the text.
class KIN_GedcomContinuation
{
public:
    // The bytes with every such cut mended; empty when there was none to mend (the common
    // case, which costs no copy).
    static std::string Mend(std::string_view bytes, KIN_GedcomEncoding::Kind kind);

    // How many bytes at the end of a line start a character that the line does not finish.
    static std::size_t UnfinishedTail(std::string_view line, KIN_GedcomEncoding::Kind kind);
};

#endif
