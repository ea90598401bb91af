#include "KIN_GedcomDetails.h"

#include "KIN_GedcomDateParser.h"
#include "KIN_GedcomDateText.h"
#include "KIT_TextFormat.h"

#include <algorithm>

namespace
{
// "Ingrid /Svensson/" gives "Ingrid Svensson", "John /Smith/, Jr." gives "John Smith, Jr.".
std::string WithoutSlashes(const std::string& name)
{
    std::string spaced = name;
    std::replace(spaced.begin(), spaced.end(), '/', ' ');
    std::string tidied;
    KIN_GedcomDateText::AppendTidied(spaced, tidied);
    std::string title;
    for (std::size_t n = 0; n < tidied.size(); ++n)
    {
        if (!(tidied[n] == ' ' && n + 1 < tidied.size() && tidied[n + 1] == ','))
            title.push_back(tidied[n]);
    }
    return title;
}
} // namespace

std::string KIN_GedcomDetails::Title(const KIN_GedcomPerson& person) const
{
    std::string title = WithoutSlashes(person.name);
    if (title.empty())
        title = WithoutSlashes(person.given + " " + person.surname);
    return title.empty() ? m_words.unknownName : title;
}

std::string KIN_GedcomDetails::Details(const KIN_GedcomPerson& person,
                                       const KIN_GedcomLifespan& lifespan) const
{
    std::string details;
    for (std::size_t n = 0; n < kGedcomFactCount; ++n)
    {
        const auto fact = static_cast<KIN_GedcomFact>(n);
        const bool bBirth = fact == KIN_GedcomFact::Birth;
        Line line;
        line.pEvent = person.Find(fact);
        line.bEstimated = (bBirth && lifespan.BeginEstimated()) ||
                          (fact == KIN_GedcomFact::Death && lifespan.EndEstimated());
        line.bDoubtful =
            (fact == lifespan.beginFact && lifespan.begin == KIN_GedcomYearKind::Doubtful) ||
            (fact == lifespan.endFact && lifespan.end == KIN_GedcomYearKind::Doubtful);
        line.nEstimatedYear = bBirth ? lifespan.nBegin : lifespan.nEnd;
        if (line.pEvent || line.bEstimated)
            AppendLine(fact, line, details);
    }
    if (!person.xref.empty())
        details.append("GEDCOM @").append(person.xref).append("@");
    else if (!details.empty())
        details.pop_back(); // the line feed after the last fact
    return details;
}

void KIN_GedcomDetails::AppendLine(KIN_GedcomFact fact, const Line& line,
                                   std::string& details) const
{
    details.append(WordOf(fact));
    const KIN_GedcomEvent* const pEvent = line.pEvent;
    if (pEvent)
    {
        const std::string date =
            KIN_GedcomDateText::Text(KIN_GedcomDateParser::Parse(pEvent->date), m_words);
        if (!date.empty())
            details.append(" ").append(date);
        if (!date.empty() && line.bDoubtful)
            details.append(" ").append(m_words.doubtfulMark).append(line.bEstimated ? ";" : "");
    }
    if (line.bEstimated && line.nEstimatedYear != kNoYear)
        details.append(" ")
            .append(KIT_Int64ToText(line.nEstimatedYear))
            .append(" ")
            .append(m_words.estimatedMark);
    std::string place;
    if (pEvent)
        KIN_GedcomDateText::AppendTidied(pEvent->place, place);
    if (!place.empty())
        details.append(", ").append(place);
    details.push_back('\n');
}

const std::string& KIN_GedcomDetails::WordOf(KIN_GedcomFact fact) const
{
    switch (fact)
    {
    case KIN_GedcomFact::Birth:
        return m_words.born;
    case KIN_GedcomFact::Christening:
        return m_words.christened;
    case KIN_GedcomFact::Baptism:
        return m_words.baptised;
    case KIN_GedcomFact::Death:
        return m_words.died;
    case KIN_GedcomFact::Burial:
        return m_words.buried;
    case KIN_GedcomFact::Cremation:
        break;
    }
    return m_words.cremated;
}
