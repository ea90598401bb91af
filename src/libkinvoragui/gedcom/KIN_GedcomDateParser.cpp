#include "KIN_GedcomDateParser.h"

#include "KIN_GedcomAscii.h"

#include <algorithm>

namespace
{
using Form = KIN_GedcomDate::Form;

// Digits a year may have: beyond them it cannot be on the diagram, and cannot overflow.
constexpr std::size_t kMaxYearDigits = 12;

// The form a keyword starts, from GEDCOM's keywords and the words older programs wrote for
// them; Exact for a word that is none, Empty for AND, which only closes a range.
Form KeywordForm(std::string_view token)
{
    struct Named
    {
        std::string_view word;
        Form form;
    };
    static constexpr Named kWords[] = {
        {"ABT", Form::About},       {"ABOUT", Form::About},     {"CA", Form::About},
        {"CIRCA", Form::About},     {"C", Form::About},         {"CAL", Form::Calculated},
        {"EST", Form::Estimated},   {"BEF", Form::Before},      {"BEFORE", Form::Before},
        {"AFT", Form::After},       {"AFTER", Form::After},     {"BET", Form::Between},
        {"BETWEEN", Form::Between}, {"AND", Form::Empty},       {"FROM", Form::From},
        {"TO", Form::To},           {"INT", Form::Interpreted},
    };
    KIN_GedcomAscii::WordBuffer buffer;
    const std::string_view folded = KIN_GedcomAscii::Folded(token, buffer);
    for (const Named& named : kWords)
    {
        if (named.word == folded)
            return named.form;
    }
    return Form::Exact;
}

bool IsEpoch(std::string_view token)
{
    KIN_GedcomAscii::WordBuffer buffer;
    const std::string_view folded = KIN_GedcomAscii::Folded(token, buffer);
    return folded == "BC" || folded == "BCE";
}

bool ReadNumber(std::string_view digits, std::int64_t& nValue)
{
    if (digits.empty() || digits.size() > kMaxYearDigits ||
        !std::all_of(digits.begin(), digits.end(), KIN_GedcomAscii::IsDigit))
        return false;
    nValue = 0;
    for (const char c : digits)
        nValue = nValue * 10 + (c - '0');
    return true;
}

// "1864", or a dual year "1750/51" read as its later year, 1751 ("1699/00" is 1700).
bool ReadYear(std::string_view token, std::int64_t& nYear)
{
    const std::size_t nSlash = token.find('/');
    if (nSlash == std::string_view::npos)
        return ReadNumber(token, nYear);
    std::int64_t nAlternative = 0;
    const std::string_view alternative = token.substr(nSlash + 1);
    if (!ReadNumber(token.substr(0, nSlash), nYear) || !ReadNumber(alternative, nAlternative))
        return false;
    std::int64_t nModulus = 1;
    for (std::size_t n = 0; n < alternative.size(); ++n)
        nModulus *= 10;
    std::int64_t nLater = nYear - nYear % nModulus + nAlternative;
    if (nLater < nYear)
        nLater += nModulus;
    nYear = nLater;
    return true;
}

bool ReadDay(std::string_view token, int& nDay)
{
    std::int64_t nValue = 0;
    if (token.size() > 2 || !ReadNumber(token, nValue) || nValue < 1 || nValue > 31)
        return false;
    nDay = static_cast<int>(nValue);
    return true;
}

// The calendar named by "@#DJULIAN@", "@#DFRENCH R@" (over two tokens) or "FRENCH_R";
// nNext is the token after it.
bool ReadCalendar(const std::array<std::string_view, 16>& tokens, std::size_t nFirst,
                  std::size_t nEnd, KIN_GedcomCalendar::Kind& kind, std::size_t& nNext)
{
    const std::string_view token = tokens[nFirst];
    KIN_GedcomAscii::WordBuffer buffer;
    nNext = nFirst;
    if (token.size() < 3 || token[0] != '@' || token[1] != '#' ||
        (token[2] != 'D' && token[2] != 'd'))
    {
        if (KIN_GedcomCalendar::FromName(KIN_GedcomAscii::Folded(token, buffer), kind))
            nNext = nFirst + 1;
        return true;
    }
    std::size_t nLast = nFirst;
    while (nLast < nEnd && (tokens[nLast].size() < 2 || tokens[nLast].back() != '@' ||
                            (nLast == nFirst && tokens[nLast].size() < 4)))
        ++nLast;
    if (nLast == nEnd)
        return false;
    const char* const pName = token.data() + 3;
    const std::string_view name(
        pName, static_cast<std::size_t>(tokens[nLast].data() + tokens[nLast].size() - 1 - pName));
    nNext = nLast + 1;
    return KIN_GedcomCalendar::FromName(KIN_GedcomAscii::Folded(name, buffer), kind);
}

std::string_view Span(std::string_view first, std::string_view last)
{
    return std::string_view(first.data(),
                            static_cast<std::size_t>(last.data() + last.size() - first.data()));
}

std::size_t Tokenize(std::string_view text, std::array<std::string_view, 16>& tokens)
{
    std::size_t nCount = 0;
    std::size_t nAt = 0;
    for (std::string_view word = KIN_GedcomAscii::NextWord(text, nAt); !word.empty();
         word = KIN_GedcomAscii::NextWord(text, nAt))
    {
        if (nCount == tokens.size())
            return nCount + 1;
        tokens[nCount++] = word;
    }
    return nCount;
}

// The text inside the parentheses that open at nOpen (to the end when they do not close).
std::string_view Parenthesised(std::string_view text, std::size_t nOpen)
{
    const std::size_t nClose = text.rfind(')');
    const std::size_t nEnd =
        nClose == std::string_view::npos || nClose < nOpen ? text.size() : nClose;
    return KIN_GedcomAscii::Trim(text.substr(nOpen + 1, nEnd - nOpen - 1));
}
} // namespace

KIN_GedcomDate KIN_GedcomDateParser::Parse(std::string_view text)
{
    KIN_GedcomDate date;
    const std::string_view trimmed = KIN_GedcomAscii::Trim(text);
    if (trimmed.empty())
        return date;
    const std::size_t nOpen = trimmed.find('(');
    if (nOpen == 0)
    {
        date.form = Form::Phrase;
        date.phrase = Parenthesised(trimmed, 0);
        return date;
    }
    if (nOpen != std::string_view::npos)
        date.phrase = Parenthesised(trimmed, nOpen);
    Tokens tokens;
    const std::size_t nCount = Tokenize(trimmed.substr(0, nOpen), tokens);
    if (nCount > kMaxTokens || !ParseQualified(tokens, nCount, date))
        ParseFree(trimmed, date);
    return date;
}

bool KIN_GedcomDateParser::ParseQualified(const Tokens& tokens, std::size_t nCount,
                                          KIN_GedcomDate& date)
{
    const Form keyword = KeywordForm(tokens[0]);
    const bool bRange = keyword == Form::Between || keyword == Form::From;
    const std::size_t nFirst = keyword == Form::Exact ? 0 : 1;
    std::size_t nSplit = nCount;
    if (bRange)
    {
        const Form closing = keyword == Form::Between ? Form::Empty : Form::To;
        nSplit = nFirst;
        while (nSplit < nCount && KeywordForm(tokens[nSplit]) != closing)
            ++nSplit;
        if (nSplit == nCount && keyword == Form::Between)
            return false;
    }
    Single first;
    if (keyword == Form::Empty || !ParseSingle(tokens, nFirst, nSplit, first))
        return false;
    date.form = keyword;
    date.first = first.text;
    date.nFirstYear = first.years.nFirst;
    date.nLastYear = first.years.nLast;
    date.bHasYear = true;
    if (!bRange || nSplit == nCount)
        return true;
    Single second;
    if (!ParseSingle(tokens, nSplit + 1, nCount, second))
        return false;
    if (keyword == Form::From)
        date.form = Form::FromTo;
    date.second = second.text;
    date.nFirstYear = std::min(date.nFirstYear, second.years.nFirst);
    date.nLastYear = std::max(date.nLastYear, second.years.nLast);
    return true;
}

bool KIN_GedcomDateParser::ParseSingle(const Tokens& tokens, std::size_t nFirst, std::size_t nEnd,
                                       Single& single)
{
    KIN_GedcomCalendar::Kind kind = KIN_GedcomCalendar::Kind::Gregorian;
    if (nFirst >= nEnd || !ReadCalendar(tokens, nFirst, nEnd, kind, nFirst) || nFirst >= nEnd)
        return false;
    single.text = Span(tokens[nFirst], tokens[nEnd - 1]);
    const bool bBeforeEra = IsEpoch(tokens[nEnd - 1]);
    if (bBeforeEra)
        --nEnd;
    const std::size_t nCount = nEnd - nFirst;
    std::int64_t nYear = 0;
    int nMonth = 0;
    int nDay = 0;
    KIN_GedcomAscii::WordBuffer buffer;
    if (nCount < 1 || nCount > 3 || !ReadYear(tokens[nEnd - 1], nYear))
        return false;
    if (nCount >= 2)
    {
        nMonth = KIN_GedcomCalendar::Month(kind, KIN_GedcomAscii::Folded(tokens[nEnd - 2], buffer));
        if (nMonth == 0)
            return false;
    }
    if (nCount == 3 && !ReadDay(tokens[nFirst], nDay))
        return false;
    if (bBeforeEra)
    {
        if (kind == KIN_GedcomCalendar::Kind::Hebrew || kind == KIN_GedcomCalendar::Kind::French ||
            kind == KIN_GedcomCalendar::Kind::Roman)
            return false;
        nYear = -nYear;
    }
    single.years = KIN_GedcomCalendar::ToCommonEra(kind, nDay, nMonth, nYear);
    return true;
}

void KIN_GedcomDateParser::ParseFree(std::string_view text, KIN_GedcomDate& date)
{
    date = KIN_GedcomDate();
    date.form = Form::Free;
    date.phrase = text;
    std::size_t n = 0;
    while (n < text.size())
    {
        if (!KIN_GedcomAscii::IsDigit(text[n]))
        {
            ++n;
            continue;
        }
        const std::size_t nStart = n;
        while (n < text.size() && KIN_GedcomAscii::IsDigit(text[n]))
            ++n;
        std::int64_t nYear = 0;
        if (n - nStart < 3 || n - nStart > 4 || !ReadNumber(text.substr(nStart, n - nStart), nYear))
            continue;
        date.nFirstYear = date.bHasYear ? std::min(date.nFirstYear, nYear) : nYear;
        date.nLastYear = date.bHasYear ? std::max(date.nLastYear, nYear) : nYear;
        date.bHasYear = true;
    }
}
