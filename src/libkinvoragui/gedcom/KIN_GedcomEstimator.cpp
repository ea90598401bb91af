#include "KIN_GedcomEstimator.h"

#include "KIN_DateLimits.h"
#include "KIN_GedcomDateParser.h"

#include <algorithm>

namespace
{
constexpr std::int64_t kGeneration = 28;
constexpr std::int64_t kSpouseGap = 3; // the husband is taken to be the elder
constexpr std::int64_t kLifetime = 70;
constexpr std::int64_t kLongestLife = 100;
constexpr std::int64_t kFirstBegin = KIN_DateLimits::kFirstBeginYear;
constexpr std::int64_t kLastBegin = KIN_DateLimits::kLastBeginYear;
constexpr std::int64_t kLastEnd = KIN_DateLimits::kLastEndYear;
constexpr std::size_t kPeoplePerReport = 4096;

std::int64_t FloorDiv(std::int64_t nValue, std::int64_t nDivisor)
{
    const std::int64_t nQuotient = nValue / nDivisor;
    return nValue % nDivisor < 0 ? nQuotient - 1 : nQuotient;
}

// The year of the first of the three facts from nFirst on that has one: the first or the
// last year its date allows.
bool FirstYear(const KIN_GedcomPerson& person, KIN_GedcomFact first, bool bLatest,
               std::int64_t& nYear)
{
    for (std::size_t n = 0; n < 3; ++n)
    {
        const KIN_GedcomEvent* const pEvent =
            person.Find(static_cast<KIN_GedcomFact>(static_cast<std::size_t>(first) + n));
        if (!pEvent || pEvent->date.empty())
            continue;
        const KIN_GedcomDate date = KIN_GedcomDateParser::Parse(pEvent->date);
        if (date.bHasYear)
        {
            nYear = std::clamp(bLatest ? date.nLastYear : date.nFirstYear, kFirstBegin, kLastEnd);
            return true;
        }
    }
    return false;
}
} // namespace

KIN_GedcomEstimator::KIN_GedcomEstimator(const KIN_GedcomTree& tree, std::int32_t nCurrentYear)
    : m_tree(tree), m_nCurrentYear(std::clamp<std::int64_t>(nCurrentYear, kFirstBegin, kLastBegin))
{
}

bool KIN_GedcomEstimator::Estimate(KIN_GedcomProgress& progress,
                                   std::vector<KIN_GedcomLifespan>& lifespans)
{
    m_pProgress = &progress;
    m_pLifespans = &lifespans;
    const std::size_t nPeople = m_tree.people.size();
    lifespans.assign(nPeople, KIN_GedcomLifespan());
    m_suggestedSums.assign(nPeople, 0);
    m_suggestedCounts.assign(nPeople, 0);
    ReadKnownYears();

    std::vector<std::int32_t> sources;
    for (std::size_t n = 0; n < nPeople; ++n)
    {
        if (lifespans[n].bDrawn)
            sources.push_back(static_cast<std::int32_t>(n));
    }
    if (!Spread(std::move(sources)))
        return false;
    BeginFromKnownEnds(sources);
    if (!Spread(std::move(sources)))
        return false;
    SetEnds();
    return true;
}

void KIN_GedcomEstimator::ReadKnownYears()
{
    m_bKnownEnd.assign(m_tree.people.size(), 0);
    m_knownEnds.assign(m_tree.people.size(), 0);
    for (std::size_t n = 0; n < m_tree.people.size(); ++n)
    {
        const KIN_GedcomPerson& person = m_tree.people[n];
        KIN_GedcomLifespan& lifespan = (*m_pLifespans)[n];
        lifespan.bDrawn = FirstYear(person, KIN_GedcomFact::Birth, false, lifespan.nBegin);
        m_bKnownEnd[n] = FirstYear(person, KIN_GedcomFact::Death, true, m_knownEnds[n]);
    }
}

bool KIN_GedcomEstimator::Spread(std::vector<std::int32_t> sources)
{
    std::vector<KIN_GedcomLifespan>& lifespans = *m_pLifespans;
    std::vector<std::int32_t> reached;
    while (!sources.empty())
    {
        reached.clear();
        for (const std::int32_t nSource : sources)
        {
            const std::int64_t nBegin = lifespans[static_cast<std::size_t>(nSource)].nBegin;
            ForEachRelative(nSource,
                            [&](std::int32_t nRelative, std::int64_t nOffset)
                            {
                                const auto nAt = static_cast<std::size_t>(nRelative);
                                if (lifespans[nAt].bDrawn)
                                    return;
                                if (m_suggestedCounts[nAt]++ == 0)
                                    reached.push_back(nRelative);
                                m_suggestedSums[nAt] += nBegin + nOffset;
                            });
            if (!ReportProgress())
                return false;
        }
        EstimateRound(reached);
        sources.swap(reached);
    }
    return true;
}

void KIN_GedcomEstimator::EstimateRound(const std::vector<std::int32_t>& reached)
{
    for (const std::int32_t nPerson : reached)
    {
        const auto nAt = static_cast<std::size_t>(nPerson);
        std::int64_t nBegin = FloorDiv(m_suggestedSums[nAt], m_suggestedCounts[nAt]);
        nBegin = std::min(nBegin, m_nCurrentYear);
        if (m_bKnownEnd[nAt])
            nBegin = std::clamp(nBegin, m_knownEnds[nAt] - kLongestLife, m_knownEnds[nAt]);
        KIN_GedcomLifespan& lifespan = (*m_pLifespans)[nAt];
        lifespan.bDrawn = true;
        lifespan.nBegin = std::max(nBegin, kFirstBegin);
        lifespan.bBeginEstimated = true;
    }
}

void KIN_GedcomEstimator::BeginFromKnownEnds(std::vector<std::int32_t>& sources)
{
    sources.clear();
    for (std::size_t n = 0; n < m_tree.people.size(); ++n)
    {
        KIN_GedcomLifespan& lifespan = (*m_pLifespans)[n];
        if (lifespan.bDrawn || !m_bKnownEnd[n])
            continue;
        lifespan.bDrawn = true;
        lifespan.nBegin = std::max(m_knownEnds[n] - kLifetime, kFirstBegin);
        lifespan.bBeginEstimated = true;
        sources.push_back(static_cast<std::int32_t>(n));
    }
}

void KIN_GedcomEstimator::SetEnds()
{
    for (std::size_t n = 0; n < m_tree.people.size(); ++n)
    {
        KIN_GedcomLifespan& lifespan = (*m_pLifespans)[n];
        if (!lifespan.bDrawn)
            continue;
        lifespan.nBegin = std::clamp(lifespan.nBegin, kFirstBegin, kLastBegin);
        if (m_bKnownEnd[n])
            lifespan.nEnd = m_knownEnds[n];
        else if (m_nCurrentYear - lifespan.nBegin < kLongestLife)
            lifespan.nEnd = m_nCurrentYear;
        else
        {
            lifespan.nEnd = lifespan.nBegin + kLifetime;
            lifespan.bEndEstimated = true;
        }
        lifespan.nEnd = std::clamp(lifespan.nEnd, lifespan.nBegin, kLastEnd);
    }
}

bool KIN_GedcomEstimator::ReportProgress()
{
    if (++m_nSettled % kPeoplePerReport != 0)
        return true;
    return m_pProgress->Report(KIN_GedcomProgress::Stage::Estimate, m_nSettled,
                               m_tree.people.size());
}

template <class Visit>
void KIN_GedcomEstimator::ForEachRelative(std::int32_t nPerson, Visit visit) const
{
    const KIN_GedcomPerson& person = m_tree.people[static_cast<std::size_t>(nPerson)];
    for (const std::int32_t nFamily : person.spouseIn)
    {
        const KIN_GedcomFamily& family = m_tree.families[static_cast<std::size_t>(nFamily)];
        if (family.nHusband == nPerson && family.nWife >= 0 && family.nWife != nPerson)
            visit(family.nWife, kSpouseGap);
        if (family.nWife == nPerson && family.nHusband >= 0 && family.nHusband != nPerson)
            visit(family.nHusband, -kSpouseGap);
        for (const std::int32_t nChild : family.children)
            visit(nChild, kGeneration);
    }
    for (const std::int32_t nFamily : person.childOf)
    {
        const KIN_GedcomFamily& family = m_tree.families[static_cast<std::size_t>(nFamily)];
        for (const std::int32_t nParent : {family.nHusband, family.nWife})
        {
            if (nParent >= 0)
                visit(nParent, -kGeneration);
        }
    }
}
