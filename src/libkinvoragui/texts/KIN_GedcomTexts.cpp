#include "KIN_GedcomTexts.h"

#include "KIN_Texts.h"
#include "KIT_TextFormat.h"

#include <ctime>
#include <initializer_list>

namespace
{
// The text with each placeholder "%n" replaced by the n-th value, in one pass: a value that
// holds "%2" (a file name) stays as it is.
std::string Filled(const std::string& text, std::initializer_list<std::string> values)
{
    std::string filled;
    filled.reserve(text.size());
    for (std::size_t n = 0; n < text.size(); ++n)
    {
        const std::size_t nDigit = n + 1;
        if (text[n] == '%' && nDigit < text.size() && text[nDigit] >= '1' &&
            static_cast<std::size_t>(text[nDigit] - '0') <= values.size())
        {
            filled += values.begin()[text[nDigit] - '1'];
            n = nDigit;
            continue;
        }
        filled += text[n];
    }
    return filled;
}

std::string Filled(KIN_Text text, const std::string& value)
{
    return Filled(KIN_TextOf(text), {value});
}
// Counts as plain digits whatever the locale.
template <class Count> std::string Number(Count nCount)
{
    return KIT_Int64ToText(static_cast<std::int64_t>(nCount));
}

// The count with the form of its noun the build's language gives for none, one or more.
template <class Count> std::string Counted(Count nCount, KIN_Text none, KIN_Text one, KIN_Text many)
{
    return Filled(nCount == 0 ? none : nCount == 1 ? one : many, Number(nCount));
}

template <class Count> std::string People(Count nCount)
{
    return Counted(nCount, KIN_Text::CountPeopleNone, KIN_Text::CountPeopleOne,
                   KIN_Text::CountPeopleMany);
}
} // namespace

KIN_GedcomOptions KIN_GedcomTexts::Options()
{
    KIN_GedcomOptions options;
    options.words = Words();
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local))
        options.nCurrentYear = local.tm_year + 1900;
    return options;
}

KIN_GedcomWords KIN_GedcomTexts::Words()
{
    KIN_GedcomWords words;
    words.born = KIN_TextOf(KIN_Text::GedcomBorn);
    words.died = KIN_TextOf(KIN_Text::GedcomDied);
    words.christened = KIN_TextOf(KIN_Text::GedcomChristened);
    words.baptised = KIN_TextOf(KIN_Text::GedcomBaptised);
    words.buried = KIN_TextOf(KIN_Text::GedcomBuried);
    words.cremated = KIN_TextOf(KIN_Text::GedcomCremated);
    words.about = KIN_TextOf(KIN_Text::GedcomAbout);
    words.calculated = KIN_TextOf(KIN_Text::GedcomCalculated);
    words.estimatedDate = KIN_TextOf(KIN_Text::GedcomEstimatedDate);
    words.before = KIN_TextOf(KIN_Text::GedcomBefore);
    words.after = KIN_TextOf(KIN_Text::GedcomAfter);
    words.between = KIN_TextOf(KIN_Text::GedcomBetween);
    words.and_ = KIN_TextOf(KIN_Text::GedcomAnd);
    words.from = KIN_TextOf(KIN_Text::GedcomFrom);
    words.to = KIN_TextOf(KIN_Text::GedcomTo);
    words.estimatedMark = KIN_TextOf(KIN_Text::GedcomEstimatedMark);
    words.doubtfulMark = KIN_TextOf(KIN_Text::GedcomDoubtfulMark);
    words.unknownName = KIN_TextOf(KIN_Text::GedcomUnknownName);
    return words;
}

std::string KIN_GedcomTexts::Reason(const KIN_GedcomResult& result, const std::string& file)
{
    switch (result.error)
    {
    case KIN_GedcomError::None:
        return std::string();
    case KIN_GedcomError::Unreadable:
        return Filled(KIN_Text::GedcomUnreadable, result.detail);
    case KIN_GedcomError::Empty:
        return KIN_TextOf(KIN_Text::GedcomEmpty);
    case KIN_GedcomError::NotGedcom:
        return Filled(KIN_Text::GedcomNotGedcom, result.detail);
    case KIN_GedcomError::NoDates:
        return KIN_TextOf(KIN_Text::GedcomNoDates);
    case KIN_GedcomError::Cancelled:
        return KIN_TextOf(KIN_Text::GedcomCancelled);
    case KIN_GedcomError::NoPerson:
        return Filled(KIN_TextOf(KIN_Text::GedcomNoPerson), {result.detail, file});
    }
    return std::string();
}

std::string KIN_GedcomTexts::Summary(const KIN_GedcomResult& result, KIN_GedcomChartKind kind)
{
    if (kind != KIN_GedcomChartKind::Everyone && !result.rootTitle.empty())
        return ChartSummary(result, kind);
    std::string summary = Filled(KIN_TextOf(KIN_Text::StatusImported),
                                 {People(result.nPeople),
                                  Counted(result.nFamilies, KIN_Text::CountFamiliesNone,
                                          KIN_Text::CountFamiliesOne, KIN_Text::CountFamiliesMany),
                                  Number(result.nEstimated)});
    // Said only when some are: none needs no form of its own.
    if (result.nDoubtful > 0)
        summary += Counted(result.nDoubtful, KIN_Text::StatusDoubtful, KIN_Text::StatusDoubtfulOne,
                           KIN_Text::StatusDoubtful);
    if (result.nLeftOut > 0)
        summary += Counted(result.nLeftOut, KIN_Text::StatusLeftOut, KIN_Text::StatusLeftOutOne,
                           KIN_Text::StatusLeftOut);
    return summary;
}

std::string KIN_GedcomTexts::ChartSummary(const KIN_GedcomResult& result, KIN_GedcomChartKind kind)
{
    KIN_Text text = KIN_Text::StatusChartRelatives;
    switch (kind)
    {
    case KIN_GedcomChartKind::Ancestors:
        text = KIN_Text::StatusChartAncestors;
        break;
    case KIN_GedcomChartKind::Descendants:
        text = KIN_Text::StatusChartDescendants;
        break;
    case KIN_GedcomChartKind::AncestorsAndDescendants:
        text = KIN_Text::StatusChartAncestorsAndDescendants;
        break;
    default:
        break;
    }
    return Filled(KIN_TextOf(text),
                  {result.rootTitle, People(result.nPeople),
                   Counted(result.nGenerations, KIN_Text::CountGenerationsNone,
                           KIN_Text::CountGenerationsOne, KIN_Text::CountGenerationsMany)});
}
