#ifndef KIN_GEDCOMDATETEXT_H
#define KIN_GEDCOMDATETEXT_H

#include "KIN_GedcomDate.h"
#include "KIN_GedcomImport.h"

#include <string>
#include <string_view>

// A date as the details show it: the file's own form with its keywords in the caller's
// words, month codes in title case ("3 Mar 1871") and white space tidied.
class KIN_GedcomDateText
{
public:
    static std::string Text(const KIN_GedcomDate& date, const KIN_GedcomWords& words);

    // Appends the words of source separated by single spaces.
    static void AppendTidied(std::string_view source, std::string& text);

private:
    // Appends the words of a date, month codes in title case.
    static void AppendDate(std::string_view written, std::string& text);
};

#endif
