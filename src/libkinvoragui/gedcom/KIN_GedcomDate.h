#ifndef KIN_GEDCOMDATE_H
#define KIN_GEDCOMDATE_H

#include <cstdint>
#include <string_view>

// A GEDCOM date as read: its form, the common-era years it allows, and the texts it is
// shown with, as views into the text it was read from.
struct KIN_GedcomDate
{
    enum class Form
    {
        Empty,
        Exact,
        About,
        Calculated,
        Estimated,
        Before,
        After,
        Between,
        FromTo,
        From,
        To,
        Interpreted,
        Phrase, // only a text in parentheses
        Free    // not in the GEDCOM form: shown as written
    };

    Form form = Form::Empty;
    bool bHasYear = false;
    std::int64_t nFirstYear = 0; // the earliest year the date allows
    std::int64_t nLastYear = 0;  // the latest
    std::string_view first;      // the (first) date, without its calendar escape
    std::string_view second;     // the second date of a range
    std::string_view phrase;     // the text in parentheses, or the whole of a free text
};

#endif
