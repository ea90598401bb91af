#ifndef KIN_GEDCOMDATEPARSER_H
#define KIN_GEDCOMDATEPARSER_H

#include "KIN_GedcomCalendar.h"
#include "KIN_GedcomDate.h"

#include <array>
#include <cstddef>
#include <string_view>

// Reads a GEDCOM DATE value: exact and partial dates, the qualifiers (ABT, CAL, EST, BEF,
// AFT, BET/AND, FROM/TO, INT), phrases, B.C. years, dual years (1750/51), the calendar
// escapes of 5.5 and the calendar words of 7.0, keywords in any case. A text that does not
// follow the form gives the years it plainly names (its numbers of three or four digits).
// Keeps views into the text: the text must outlive the date.
class KIN_GedcomDateParser
{
public:
    static KIN_GedcomDate Parse(std::string_view text);

private:
    static constexpr std::size_t kMaxTokens = 16;
    using Tokens = std::array<std::string_view, kMaxTokens>;

    struct Single
    {
        KIN_GedcomCalendar::Years years;
        std::string_view text;
    };

    // Reads the qualifier and the dates after it; false when they are not in GEDCOM form.
    static bool ParseQualified(const Tokens& tokens, std::size_t nCount, KIN_GedcomDate& date);
    // Reads tokens nFirst..nEnd-1 as one date; false when they are not one.
    static bool ParseSingle(const Tokens& tokens, std::size_t nFirst, std::size_t nEnd,
                            Single& single);
    static void ParseFree(std::string_view text, KIN_GedcomDate& date);
};

#endif
