#ifndef KIN_ESCAPETABLE_H
#define KIN_ESCAPETABLE_H

#include <array>
#include <string>
#include <utility>
#include <vector>

// The reversible escaping of free texts in diagram files: line feeds, tabs, control bytes
// and every byte from 33 to 255 other than letters, digits, "-" and "_" become tokens of
// letters, digits and underscores, so that written files are pure ASCII without entities.
class KIN_EscapeTable
{
public:
    using Row = std::pair<std::string, std::string>; // raw text, token

    // The ordered rows, built on first use: line feed, tab, the five XML specials, one
    // "__tagN__" row per other byte from 33 to 255, then the control bytes.
    static const std::vector<Row>& Rows();

    // Raw to token and token to raw; UnescapeText(EscapeText(text)) gives the text back.
    static void EscapeText(std::string& text);
    static void UnescapeText(std::string& text);
    // The token that replaces each byte, null for a byte written as it is.
    static const std::array<const std::string*, 256>& TokensOfBytes();
    // Replaces every occurrence, left to right and not overlapping an earlier one; the
    // inserted replacement is not scanned again.
    static void ReplaceAll(std::string& text, const std::string& search,
                           const std::string& replacement);
};

#endif
