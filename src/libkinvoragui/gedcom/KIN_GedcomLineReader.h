#ifndef KIN_GEDCOMLINEREADER_H
#define KIN_GEDCOMLINEREADER_H

#include "KIN_GedcomLine.h"

#include <cstddef>
#include <string_view>

// Splits a text into GEDCOM lines. Lines end at CR, LF or CRLF; blank lines and white
// space before a line are passed over. The text must outlive the lines read from it.
class KIN_GedcomLineReader
{
public:
    explicit KIN_GedcomLineReader(std::string_view text) : m_text(text) {}

    // The next non-blank line; false at the end of the text.
    bool Next(KIN_GedcomLine& line);
    // How far into the text reading has gone.
    std::size_t Offset() const { return m_nAt; }

    // Splits one line into its fields; nLevel stays -1 when it is not a GEDCOM line.
    static void Parse(std::string_view text, KIN_GedcomLine& line);

private:
    std::string_view m_text;
    std::size_t m_nAt = 0;
};

#endif
