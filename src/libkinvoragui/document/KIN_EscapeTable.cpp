#include "KIN_EscapeTable.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace
{
bool IsPlain(int nByte)
{
    return (nByte >= '0' && nByte <= '9') || (nByte >= 'A' && nByte <= 'Z') ||
           (nByte >= 'a' && nByte <= 'z') || nByte == '-' || nByte == '_';
}

std::vector<KIN_EscapeTable::Row> BuildRows()
{
    std::vector<KIN_EscapeTable::Row> rows = {
        {"\n", "__endl__"}, {"\t", "__tab__"}, {"\"", "__quot__"}, {"'", "__apos__"},
        {";", "__comma__"}, {"<", "__inf__"},  {">", "__sup__"}};
    const auto addTag = [&rows](int nByte)
    {
        rows.emplace_back(std::string(1, static_cast<char>(nByte)),
                          "__tag" + std::to_string(nByte) + "__");
    };
    for (int nByte = 33; nByte <= 255; ++nByte)
    {
        if (!IsPlain(nByte))
            addTag(nByte);
    }
    // A raw control byte makes the file unreadable to an XML reader.
    for (int nByte = 0; nByte <= 31; ++nByte)
    {
        if (nByte != '\n' && nByte != '\t')
            addTag(nByte);
    }
    return rows;
}

// For every byte, the token of the first row that names it (rows are single bytes).
const std::array<const std::string*, 256>& TokenOfByte()
{
    static const std::array<const std::string*, 256> tokens = []
    {
        std::array<const std::string*, 256> result{};
        for (const KIN_EscapeTable::Row& row : KIN_EscapeTable::Rows())
        {
            const auto nByte = static_cast<unsigned char>(row.first[0]);
            if (!result[nByte])
                result[nByte] = &row.second;
        }
        return result;
    }();
    return tokens;
}

// The byte of the token that starts at text[nAt] ("__" body "__"), -1 when none does.
int TokenAt(const std::string& text, std::size_t nAt, std::size_t& nLength)
{
    if (nAt + 5 > text.size() || text[nAt] != '_' || text[nAt + 1] != '_')
        return -1;
    const std::size_t nBody = nAt + 2;
    const std::size_t nEnd = text.find('_', nBody);
    if (nEnd == std::string::npos || nEnd == nBody || nEnd + 1 >= text.size() ||
        text[nEnd + 1] != '_')
        return -1;
    const std::string_view body(text.data() + nBody, nEnd - nBody);
    nLength = nEnd + 2 - nAt;
    if (body == "endl")
        return '\n';
    if (body == "tab")
        return '\t';
    if (body == "quot")
        return '"';
    if (body == "apos")
        return '\'';
    if (body == "comma")
        return ';';
    if (body == "inf")
        return '<';
    if (body == "sup")
        return '>';
    // "tag" and the byte in decimal without padding, for a byte that has a tag row.
    if (body.size() < 4 || body.size() > 6 || body.substr(0, 3) != "tag")
        return -1;
    const std::string_view digits = body.substr(3);
    if (digits.size() > 1 && digits[0] == '0')
        return -1;
    int nByte = 0;
    for (const char c : digits)
    {
        if (c < '0' || c > '9')
            return -1;
        nByte = nByte * 10 + (c - '0');
    }
    // "_" has a token only for texts that need it (see EscapeText).
    if (nByte > 255 || (IsPlain(nByte) && nByte != '_') || nByte == '\n' || nByte == '\t' ||
        nByte == ' ')
        return -1;
    return nByte;
}

const std::string& UnderscoreToken()
{
    static const std::string token = "__tag95__";
    return token;
}

void EscapeWith(std::string& text, bool bUnderscores)
{
    const std::array<const std::string*, 256>& tokens = TokenOfByte();
    std::string escaped;
    escaped.reserve(text.size() + text.size() / 2);
    std::size_t nRun = 0;
    for (std::size_t n = 0; n < text.size(); ++n)
    {
        const std::string* pToken = tokens[static_cast<unsigned char>(text[n])];
        if (bUnderscores && text[n] == '_')
            pToken = &UnderscoreToken();
        if (!pToken)
            continue;
        escaped.append(text, nRun, n - nRun);
        escaped += *pToken;
        nRun = n + 1;
    }
    escaped.append(text, nRun, std::string::npos);
    text.swap(escaped);
}
} // namespace

const std::vector<KIN_EscapeTable::Row>& KIN_EscapeTable::Rows()
{
    static const std::vector<Row> rows = BuildRows();
    return rows;
}

// Every row replaces one byte by a token made only of letters, digits and underscores,
// which no later row touches: one pass over the bytes gives the same text. Underscores of
// the text can combine with tokens ("]endl__" would read back as "__tag93" and a line
// feed); such texts, and only those, get a token for every underscore as well.
void KIN_EscapeTable::EscapeText(std::string& text)
{
    if (text.empty())
        return;
    std::string escaped = text;
    EscapeWith(escaped, false);
    if (text.find('_') != std::string::npos)
    {
        std::string readBack = escaped;
        UnescapeText(readBack);
        if (readBack != text)
        {
            escaped = text;
            EscapeWith(escaped, true);
        }
    }
    text.swap(escaped);
}

const std::array<const std::string*, 256>& KIN_EscapeTable::TokensOfBytes()
{
    return TokenOfByte();
}

// Tokens are read from left to right, each from the first "__" that starts one, as the
// escaping wrote them: a token body between two tokens ("__tag40__tab__tag41__") stays text.
void KIN_EscapeTable::UnescapeText(std::string& text)
{
    if (text.empty() || text.find("__") == std::string::npos)
        return;
    std::string unescaped;
    unescaped.reserve(text.size());
    std::size_t nCopied = 0;
    for (std::size_t nAt = text.find("__"); nAt != std::string::npos;
         nAt = text.find("__", nAt + 1))
    {
        std::size_t nLength = 0;
        const int nByte = nAt < nCopied ? -1 : TokenAt(text, nAt, nLength);
        if (nByte < 0)
            continue;
        unescaped.append(text, nCopied, nAt - nCopied);
        unescaped += static_cast<char>(nByte);
        nCopied = nAt + nLength;
    }
    unescaped.append(text, nCopied, std::string::npos);
    text.swap(unescaped);
}

void KIN_EscapeTable::ReplaceAll(std::string& text, const std::string& search,
                                 const std::string& replacement)
{
    if (search.empty())
        return;
    std::size_t nAt = text.find(search);
    if (nAt == std::string::npos)
        return;
    std::string result;
    result.reserve(text.size());
    std::size_t nCopied = 0;
    for (; nAt != std::string::npos; nAt = text.find(search, nAt))
    {
        result.append(text, nCopied, nAt - nCopied);
        result += replacement;
        nAt += search.size();
        nCopied = nAt;
    }
    result.append(text, nCopied, std::string::npos);
    text.swap(result);
}
