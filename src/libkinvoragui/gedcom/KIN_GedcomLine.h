#ifndef KIN_GEDCOMLINE_H
#define KIN_GEDCOMLINE_H

#include <cstdint>
#include <string_view>

// One line of a GEDCOM file, "level [@xref@] TAG [value]", as views into the text it was
// read from.
struct KIN_GedcomLine
{
    std::int32_t nLevel = -1; // -1 when the line does not have the form above
    std::string_view xref;    // without its @ signs
    std::string_view tag;
    std::string_view value; // everything after the one space that follows the tag
    std::string_view text;  // the whole line, without its end
};

#endif
