#include "KIN_GedcomDateText.h"

#include "KIN_GedcomAscii.h"
#include "KIN_GedcomCalendar.h"

namespace
{
using Form = KIN_GedcomDate::Form;

// The word a qualified date starts with, null for a date without one.
const std::string* QualifierWord(Form form, const KIN_GedcomWords& words)
{
    switch (form)
    {
    case Form::About:
        return &words.about;
    case Form::Calculated:
        return &words.calculated;
    case Form::Estimated:
        return &words.estimatedDate;
    case Form::Before:
        return &words.before;
    case Form::After:
        return &words.after;
    case Form::Between:
        return &words.between;
    case Form::FromTo:
    case Form::From:
        return &words.from;
    case Form::To:
        return &words.to;
    default:
        return nullptr;
    }
}

void AppendSeparated(std::string_view word, std::string& text)
{
    if (!text.empty() && text.back() != ' ')
        text.push_back(' ');
    text.append(word);
}
} // namespace

std::string KIN_GedcomDateText::Text(const KIN_GedcomDate& date, const KIN_GedcomWords& words)
{
    std::string text;
    if (date.form == Form::Empty)
        return text;
    if (date.form == Form::Free)
    {
        AppendTidied(date.phrase, text);
        return text;
    }
    if (date.form == Form::Phrase)
    {
        text.push_back('(');
        AppendTidied(date.phrase, text);
        text.push_back(')');
        return text;
    }
    const std::string* const pWord = QualifierWord(date.form, words);
    if (pWord)
        AppendSeparated(*pWord, text);
    AppendDate(date.first, text);
    if (date.form == Form::Between || date.form == Form::FromTo)
    {
        AppendSeparated(date.form == Form::Between ? words.and_ : words.to, text);
        AppendDate(date.second, text);
    }
    if (!date.phrase.empty())
    {
        text.append(" (");
        AppendTidied(date.phrase, text);
        text.push_back(')');
    }
    return text;
}

void KIN_GedcomDateText::AppendTidied(std::string_view source, std::string& text)
{
    const std::size_t nStart = text.size();
    std::size_t nAt = 0;
    for (std::string_view word = KIN_GedcomAscii::NextWord(source, nAt); !word.empty();
         word = KIN_GedcomAscii::NextWord(source, nAt))
    {
        if (text.size() > nStart)
            text.push_back(' ');
        text.append(word);
    }
}

void KIN_GedcomDateText::AppendDate(std::string_view written, std::string& text)
{
    std::size_t nAt = 0;
    for (std::string_view word = KIN_GedcomAscii::NextWord(written, nAt); !word.empty();
         word = KIN_GedcomAscii::NextWord(written, nAt))
    {
        KIN_GedcomAscii::WordBuffer buffer;
        const std::string_view folded = KIN_GedcomAscii::Folded(word, buffer);
        if (folded.size() != word.size() || !KIN_GedcomCalendar::IsMonthCode(folded))
        {
            AppendSeparated(word, text);
            continue;
        }
        AppendSeparated(folded.substr(0, 1), text);
        for (const char c : folded.substr(1))
            text.push_back(static_cast<char>(c - 'A' + 'a'));
    }
}
