#include "KIN_GedcomEvidence.h"

#include "KIN_GedcomDateParser.h"

#include <algorithm>

namespace
{
constexpr std::size_t kFactsABound = 3; // a birth or a death and the two facts standing in

// The first of the three facts from first on whose date has a year.
bool ReadBound(const KIN_GedcomPerson& person, KIN_GedcomFact first, bool bLatest,
               std::int64_t& nYear, KIN_GedcomFact& fact, bool& bQualified)
{
    for (std::size_t n = 0; n < kFactsABound; ++n)
    {
        const auto candidate = static_cast<KIN_GedcomFact>(static_cast<std::size_t>(first) + n);
        const KIN_GedcomEvent* const pEvent = person.Find(candidate);
        if (!pEvent || pEvent->date.empty())
            continue;
        const KIN_GedcomDate date = KIN_GedcomDateParser::Parse(pEvent->date);
        if (date.bHasYear)
        {
            nYear = bLatest ? date.nLastYear : date.nFirstYear;
            fact = candidate;
            bQualified = date.form != KIN_GedcomDate::Form::Exact;
            return true;
        }
    }
    return false;
}

void AddEvent(const std::string& text, KIN_GedcomEvidence& evidence)
{
    if (text.empty())
        return;
    const KIN_GedcomDate date = KIN_GedcomDateParser::Parse(text);
    if (!date.bHasYear)
        return;
    evidence.nFirstEvent =
        evidence.bEvents ? std::min(evidence.nFirstEvent, date.nFirstYear) : date.nFirstYear;
    evidence.nLastEvent =
        evidence.bEvents ? std::max(evidence.nLastEvent, date.nLastYear) : date.nLastYear;
    evidence.bEvents = true;
}
} // namespace

std::vector<KIN_GedcomEvidence> KIN_GedcomEvidence::Read(const KIN_GedcomTree& tree,
                                                         std::int64_t nFirst, std::int64_t nLast)
{
    std::vector<KIN_GedcomEvidence> all(tree.people.size());
    for (std::size_t n = 0; n < tree.people.size(); ++n)
    {
        const KIN_GedcomPerson& person = tree.people[n];
        KIN_GedcomEvidence& evidence = all[n];
        evidence.bBegin = ReadBound(person, KIN_GedcomFact::Birth, false, evidence.nBegin,
                                    evidence.beginFact, evidence.bBeginQualified);
        evidence.bEnd = ReadBound(person, KIN_GedcomFact::Death, true, evidence.nEnd,
                                  evidence.endFact, evidence.bEndQualified);
        for (const std::string& date : person.otherDates)
            AddEvent(date, evidence);
        for (const std::int32_t nFamily : person.spouseIn)
        {
            const std::string& marriage = tree.families[static_cast<std::size_t>(nFamily)].marriage;
            const KIN_GedcomDate date = KIN_GedcomDateParser::Parse(marriage);
            if (!date.bHasYear)
                continue;
            AddEvent(marriage, evidence);
            evidence.nFirstMarriage = evidence.bMarriage
                                          ? std::min(evidence.nFirstMarriage, date.nFirstYear)
                                          : date.nFirstYear;
            evidence.bMarriage = true;
        }
    }
    for (KIN_GedcomEvidence& evidence : all)
    {
        for (std::int64_t* pYear : {&evidence.nBegin, &evidence.nEnd, &evidence.nFirstEvent,
                                    &evidence.nLastEvent, &evidence.nFirstMarriage})
            *pYear = std::clamp(*pYear, nFirst, nLast);
    }
    return all;
}
