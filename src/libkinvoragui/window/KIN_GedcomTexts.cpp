#include "KIN_GedcomTexts.h"

#include "KIN_Texts.h"

namespace
{
// The text with its n-th placeholder ("%n") replaced by the value.
std::string Filled(std::string text, int nPlaceholder, const std::string& value)
{
    const std::string marker = "%" + std::to_string(nPlaceholder);
    const std::size_t nAt = text.find(marker);
    if (nAt != std::string::npos)
        text.replace(nAt, marker.size(), value);
    return text;
}

std::string Filled(KIN_Text text, const std::string& value)
{
    return Filled(KIN_TextOf(text), 1, value);
}
} // namespace

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
    words.unknownName = KIN_TextOf(KIN_Text::GedcomUnknownName);
    return words;
}

std::string KIN_GedcomTexts::Reason(const KIN_GedcomResult& result)
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
    }
    return std::string();
}

std::string KIN_GedcomTexts::Summary(const KIN_GedcomResult& result)
{
    std::string summary = KIN_TextOf(KIN_Text::StatusImported);
    summary = Filled(summary, 1, std::to_string(result.nPeople));
    summary = Filled(summary, 2, std::to_string(result.nFamilies));
    summary = Filled(summary, 3, std::to_string(result.nEstimated));
    if (result.nLeftOut > 0)
        summary += Filled(KIN_Text::StatusLeftOut, std::to_string(result.nLeftOut));
    return summary;
}
