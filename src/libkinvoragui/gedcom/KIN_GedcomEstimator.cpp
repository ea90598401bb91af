#include "KIN_GedcomEstimator.h"

#include "KIN_DateLimits.h"
#include "KIN_GedcomDoubts.h"

#include <algorithm>
#include <cmath>

namespace
{
constexpr std::int64_t kFirstBegin = KIN_DateLimits::kFirstBeginYear;
constexpr std::int64_t kLastBegin = KIN_DateLimits::kLastBeginYear;
constexpr std::int64_t kLastEnd = KIN_DateLimits::kLastEndYear;
constexpr double kEndWeight = 0.5;
constexpr double kEventWeight = 0.25;
constexpr double kRelax = 1.7;
constexpr double kSettled = 0.05;       // years a sweep may still move a begin when it stops
constexpr double kSweepWork = 40000000; // link visits all sweeps together may take
constexpr std::int64_t kFewestSweeps = 50;
constexpr std::int64_t kMostSweeps = 5000;
constexpr std::size_t kSweepsPerReport = 16;
} // namespace

KIN_GedcomEstimator::KIN_GedcomEstimator(const KIN_GedcomTree& tree, std::int32_t nCurrentYear)
    : m_tree(tree), m_nCurrentYear(std::clamp<std::int64_t>(nCurrentYear, kFirstBegin, kLastBegin))
{
}

bool KIN_GedcomEstimator::Estimate(KIN_GedcomProgress& progress,
                                   std::vector<KIN_GedcomLifespan>& lifespans)
{
    m_evidence = KIN_GedcomEvidence::Read(m_tree, kFirstBegin, kLastEnd + 1);
    const std::vector<std::uint8_t> doubted =
        KIN_GedcomDoubts::SetAside(m_tree, m_nCurrentYear, m_evidence);
    MakeLinks();
    OwnTargets();
    if (!Spread(progress))
        return false;
    MakeOrder();
    MakeBounds();
    if (!Fit(progress))
        return false;
    SetLifespans(doubted, lifespans);
    return true;
}

void KIN_GedcomEstimator::MakeLinks()
{
    const std::size_t nPeople = m_tree.people.size();
    std::vector<std::vector<Link>> links(nPeople);
    const auto add = [&](std::int32_t nPerson, std::int32_t nOther, Relation relation)
    {
        if (nPerson >= 0 && nOther >= 0 && nPerson != nOther)
            links[static_cast<std::size_t>(nPerson)].push_back({nOther, relation});
    };
    for (const KIN_GedcomFamily& family : m_tree.families)
    {
        add(family.nHusband, family.nWife, Relation::Wife);
        add(family.nWife, family.nHusband, Relation::Husband);
        for (const std::int32_t nChild : family.children)
        {
            for (const std::int32_t nParent : {family.nHusband, family.nWife})
            {
                add(nChild, nParent, Relation::Parent);
                add(nParent, nChild, Relation::Child);
            }
        }
    }
    m_firstLink.assign(nPeople + 1, 0);
    m_links.clear();
    for (std::size_t n = 0; n < nPeople; ++n)
    {
        m_firstLink[n] = static_cast<std::int32_t>(m_links.size());
        m_links.insert(m_links.end(), links[n].begin(), links[n].end());
    }
    m_firstLink[nPeople] = static_cast<std::int32_t>(m_links.size());
}

void KIN_GedcomEstimator::OwnTargets()
{
    m_ownTargets.assign(m_evidence.size(), 0);
    m_ownWeights.assign(m_evidence.size(), 0);
    for (std::size_t n = 0; n < m_evidence.size(); ++n)
    {
        const KIN_GedcomEvidence& evidence = m_evidence[n];
        double dSum = 0;
        double dWeight = 0;
        const auto suggest = [&](double dYear, double dOwnWeight)
        {
            dSum += dOwnWeight * dYear;
            dWeight += dOwnWeight;
        };
        if (evidence.bMarriage)
            suggest(static_cast<double>(evidence.nFirstMarriage) - kMarriageAge, 1);
        else if (evidence.bEvents)
            suggest(static_cast<double>(evidence.nFirstEvent) - kMarriageAge, kEventWeight);
        if (evidence.bEnd)
            suggest(static_cast<double>(evidence.nEnd) - kLifetime, kEndWeight);
        m_ownWeights[n] = dWeight;
        m_ownTargets[n] = dWeight > 0 ? dSum / dWeight : 0;
    }
}

bool KIN_GedcomEstimator::Spread(KIN_GedcomProgress& progress)
{
    const std::size_t nPeople = m_evidence.size();
    m_bDrawn.assign(nPeople, 0);
    m_years.assign(nPeople, 0);
    std::vector<std::int32_t> sources;
    for (std::size_t n = 0; n < nPeople; ++n)
    {
        if (!m_evidence[n].Anchored())
            continue;
        m_bDrawn[n] = 1;
        m_years[n] =
            m_evidence[n].bBegin ? static_cast<double>(m_evidence[n].nBegin) : m_ownTargets[n];
        sources.push_back(static_cast<std::int32_t>(n));
    }
    std::vector<double> sums(nPeople, 0);
    std::vector<std::int32_t> counts(nPeople, 0);
    std::vector<std::int32_t> reached;
    std::size_t nSettled = 0;
    while (!sources.empty())
    {
        reached.clear();
        for (const std::int32_t nSource : sources)
        {
            const auto nAt = static_cast<std::size_t>(nSource);
            for (std::int32_t n = m_firstLink[nAt]; n < m_firstLink[nAt + 1]; ++n)
            {
                const Link& link = m_links[static_cast<std::size_t>(n)];
                const auto nOther = static_cast<std::size_t>(link.nOther);
                if (m_bDrawn[nOther])
                    continue;
                if (counts[nOther]++ == 0)
                    reached.push_back(link.nOther);
                // What the source suggests for the other: the other's relation is the reverse.
                const double dOffset = link.relation == Relation::Parent  ? -kGeneration
                                       : link.relation == Relation::Child ? kGeneration
                                       : link.relation == Relation::Wife  ? kSpouseGap
                                                                          : -kSpouseGap;
                sums[nOther] += m_years[nAt] + dOffset;
            }
        }
        for (const std::int32_t nPerson : reached)
        {
            const auto nAt = static_cast<std::size_t>(nPerson);
            m_bDrawn[nAt] = 1;
            m_years[nAt] = std::min(sums[nAt] / counts[nAt], static_cast<double>(m_nCurrentYear));
        }
        nSettled += sources.size();
        if (!progress.Report(KIN_GedcomProgress::Stage::Estimate, nSettled / 2, nPeople))
            return false;
        sources.swap(reached);
    }
    return true;
}

// Parents before their children (Kahn's order over the drawn); people in an ancestry loop
// follow in file order.
void KIN_GedcomEstimator::MakeOrder()
{
    const std::size_t nPeople = m_evidence.size();
    std::vector<std::int32_t> parents(nPeople, 0);
    for (std::size_t n = 0; n < nPeople; ++n)
    {
        for (std::int32_t nLink = m_firstLink[n]; nLink < m_firstLink[n + 1]; ++nLink)
            parents[n] += m_links[static_cast<std::size_t>(nLink)].relation == Relation::Parent;
    }
    m_order.clear();
    for (std::size_t n = 0; n < nPeople; ++n)
    {
        if (m_bDrawn[n] && parents[n] == 0)
            m_order.push_back(static_cast<std::int32_t>(n));
    }
    for (std::size_t nNext = 0; nNext < m_order.size(); ++nNext)
    {
        const auto nAt = static_cast<std::size_t>(m_order[nNext]);
        for (std::int32_t nLink = m_firstLink[nAt]; nLink < m_firstLink[nAt + 1]; ++nLink)
        {
            const Link& link = m_links[static_cast<std::size_t>(nLink)];
            if (link.relation == Relation::Child &&
                --parents[static_cast<std::size_t>(link.nOther)] == 0)
                m_order.push_back(link.nOther);
        }
    }
    for (std::size_t n = 0; n < nPeople; ++n)
    {
        if (m_bDrawn[n] && parents[n] > 0)
            m_order.push_back(static_cast<std::int32_t>(n));
    }
}

void KIN_GedcomEstimator::MakeBounds()
{
    const std::size_t nPeople = m_evidence.size();
    m_low.assign(nPeople, static_cast<double>(kFirstBegin));
    m_high.assign(nPeople, static_cast<double>(m_nCurrentYear));
    for (std::size_t n = 0; n < nPeople; ++n)
    {
        const KIN_GedcomEvidence& evidence = m_evidence[n];
        double& dLow = m_low[n];
        double& dHigh = m_high[n];
        if (evidence.bBegin)
        {
            dLow = dHigh = static_cast<double>(evidence.nBegin);
            continue;
        }
        const auto atMost = [&](double dYear) { dHigh = std::min(dHigh, dYear); };
        const auto atLeast = [&](double dYear) { dLow = std::max(dLow, dYear); };
        if (evidence.bEnd)
        {
            atMost(static_cast<double>(evidence.nEnd));
            atLeast(static_cast<double>(evidence.nEnd) - kLongestLife);
        }
        if (evidence.bEvents)
        {
            atMost(static_cast<double>(evidence.nFirstEvent));
            atLeast(static_cast<double>(evidence.nLastEvent) - kLongestLife);
        }
        if (evidence.bMarriage)
            atMost(static_cast<double>(evidence.nFirstMarriage) - kYoungestMarriage);
        for (std::int32_t nLink = m_firstLink[n]; nLink < m_firstLink[n + 1]; ++nLink)
        {
            const Link& link = m_links[static_cast<std::size_t>(nLink)];
            const KIN_GedcomEvidence& other = m_evidence[static_cast<std::size_t>(link.nOther)];
            const bool bMother =
                link.relation == Relation::Parent &&
                std::any_of(m_tree.people[n].childOf.begin(), m_tree.people[n].childOf.end(),
                            [&](std::int32_t nFamily) {
                                return m_tree.families[static_cast<std::size_t>(nFamily)].nWife ==
                                       link.nOther;
                            });
            if (bMother && other.bEnd)
                atMost(static_cast<double>(other.nEnd));
        }
    }
    // Along the lines: ancestors' earliest begins push descendants later, descendants' latest
    // push ancestors earlier; where both cannot hold, the latest wins.
    for (const std::int32_t nPerson : m_order)
    {
        const auto nAt = static_cast<std::size_t>(nPerson);
        for (std::int32_t nLink = m_firstLink[nAt]; nLink < m_firstLink[nAt + 1]; ++nLink)
        {
            const Link& link = m_links[static_cast<std::size_t>(nLink)];
            if (link.relation == Relation::Parent && !m_evidence[nAt].bBegin)
                m_low[nAt] =
                    std::max(m_low[nAt], m_low[static_cast<std::size_t>(link.nOther)] + kYoungest);
        }
    }
    for (auto it = m_order.rbegin(); it != m_order.rend(); ++it)
    {
        const auto nAt = static_cast<std::size_t>(*it);
        for (std::int32_t nLink = m_firstLink[nAt]; nLink < m_firstLink[nAt + 1]; ++nLink)
        {
            const Link& link = m_links[static_cast<std::size_t>(nLink)];
            if (link.relation == Relation::Child && !m_evidence[nAt].bBegin)
                m_high[nAt] = std::min(m_high[nAt],
                                       m_high[static_cast<std::size_t>(link.nOther)] - kYoungest);
        }
        m_low[nAt] = std::min(m_low[nAt], m_high[nAt]);
    }
}

bool KIN_GedcomEstimator::Fit(KIN_GedcomProgress& progress)
{
    std::vector<std::int32_t> unknown;
    double dLinks = 0;
    for (const std::int32_t nPerson : m_order)
    {
        const auto nAt = static_cast<std::size_t>(nPerson);
        if (m_evidence[nAt].bBegin)
            continue;
        unknown.push_back(nPerson);
        dLinks += m_firstLink[nAt + 1] - m_firstLink[nAt] + 1;
        m_years[nAt] = std::clamp(m_years[nAt], m_low[nAt], m_high[nAt]);
    }
    const auto nSweeps = static_cast<std::size_t>(std::clamp<std::int64_t>(
        static_cast<std::int64_t>(kSweepWork / std::max(dLinks, 1.0)), kFewestSweeps, kMostSweeps));
    for (std::size_t nSweep = 0; nSweep < nSweeps && !unknown.empty(); ++nSweep)
    {
        double dMoved = 0;
        if (nSweep % 2 == 0)
        {
            for (const std::int32_t nPerson : unknown)
                dMoved = std::max(dMoved, Update(static_cast<std::size_t>(nPerson), kRelax));
        }
        else
        {
            for (auto it = unknown.rbegin(); it != unknown.rend(); ++it)
                dMoved = std::max(dMoved, Update(static_cast<std::size_t>(*it), kRelax));
        }
        if (dMoved < kSettled)
            break;
        if (nSweep % kSweepsPerReport == 0 &&
            !progress.Report(KIN_GedcomProgress::Stage::Estimate,
                             m_evidence.size() / 2 + nSweep * m_evidence.size() / 2 / nSweeps,
                             m_evidence.size()))
            return false;
    }
    return true;
}

double KIN_GedcomEstimator::Update(std::size_t nPerson, double dRelax)
{
    double dSum = m_ownWeights[nPerson] * m_ownTargets[nPerson];
    double dWeight = m_ownWeights[nPerson];
    double dLow = m_low[nPerson];
    double dHigh = m_high[nPerson];
    for (std::int32_t nLink = m_firstLink[nPerson]; nLink < m_firstLink[nPerson + 1]; ++nLink)
    {
        const Link& link = m_links[static_cast<std::size_t>(nLink)];
        const double dOther = m_years[static_cast<std::size_t>(link.nOther)];
        switch (link.relation)
        {
        case Relation::Parent:
            dSum += dOther + kGeneration;
            dLow = std::max(dLow, dOther + kYoungest);
            dHigh = std::min(dHigh, dOther + kOldest);
            break;
        case Relation::Child:
            dSum += dOther - kGeneration;
            dLow = std::max(dLow, dOther - kOldest);
            dHigh = std::min(dHigh, dOther - kYoungest);
            break;
        case Relation::Husband:
            dSum += dOther + kSpouseGap;
            break;
        case Relation::Wife:
            dSum += dOther - kSpouseGap;
            break;
        }
        dWeight += 1;
    }
    if (dWeight == 0)
        return 0;
    double& dYear = m_years[nPerson];
    double dNext = dYear + dRelax * (dSum / dWeight - dYear);
    if (dLow > dHigh)
    {
        dLow = m_low[nPerson];
        dHigh = m_high[nPerson];
    }
    dNext = std::clamp(dNext, dLow, dHigh);
    const double dMoved = std::abs(dNext - dYear);
    dYear = dNext;
    return dMoved;
}

void KIN_GedcomEstimator::SetLifespans(const std::vector<std::uint8_t>& doubted,
                                       std::vector<KIN_GedcomLifespan>& lifespans) const
{
    lifespans.assign(m_evidence.size(), KIN_GedcomLifespan());
    for (std::size_t n = 0; n < m_evidence.size(); ++n)
    {
        const KIN_GedcomEvidence& evidence = m_evidence[n];
        KIN_GedcomLifespan& lifespan = lifespans[n];
        lifespan.beginFact = evidence.beginFact;
        lifespan.endFact = evidence.endFact;
        if (!m_bDrawn[n])
            continue;
        lifespan.bDrawn = true;
        const auto estimated = [&](bool bKnown, std::uint8_t nDoubtBit)
        {
            return bKnown                   ? KIN_GedcomYearKind::Exact
                   : doubted[n] & nDoubtBit ? KIN_GedcomYearKind::Doubtful
                                            : KIN_GedcomYearKind::Estimated;
        };
        lifespan.begin = estimated(evidence.bBegin, 1);
        lifespan.end = estimated(evidence.bEnd, 2);
        lifespan.bBeginQualified = evidence.bBegin && evidence.bBeginQualified;
        lifespan.bEndQualified = evidence.bEnd && evidence.bEndQualified;
        lifespan.nBegin = evidence.bBegin ? evidence.nBegin
                                          : static_cast<std::int64_t>(std::llround(
                                                std::clamp(m_years[n], m_low[n], m_high[n])));
        lifespan.nBegin = std::clamp(lifespan.nBegin, kFirstBegin, kLastBegin);
        if (evidence.bEnd)
            lifespan.nEnd = evidence.nEnd;
        else if (m_nCurrentYear - lifespan.nBegin < kAliveYears)
        {
            lifespan.nEnd = m_nCurrentYear;
            lifespan.bLiving = true;
            lifespan.end =
                doubted[n] & 2 ? KIN_GedcomYearKind::Doubtful : KIN_GedcomYearKind::Exact;
        }
        else
            lifespan.nEnd = EstimatedEnd(n, lifespan.nBegin);
        lifespan.nEnd = std::clamp(lifespan.nEnd, lifespan.nBegin, kLastEnd);
    }
}

// After the begin's usual lifetime, the last event and the last child (a father may die
// before his child is born).
std::int64_t KIN_GedcomEstimator::EstimatedEnd(std::size_t nPerson, std::int64_t nBegin) const
{
    const KIN_GedcomEvidence& evidence = m_evidence[nPerson];
    double dEnd = static_cast<double>(nBegin) + kLifetime;
    if (evidence.bEvents)
        dEnd = std::max(dEnd, static_cast<double>(evidence.nLastEvent));
    for (std::int32_t nLink = m_firstLink[nPerson]; nLink < m_firstLink[nPerson + 1]; ++nLink)
    {
        const Link& link = m_links[static_cast<std::size_t>(nLink)];
        if (link.relation == Relation::Child)
            dEnd = std::max(dEnd, std::round(m_years[static_cast<std::size_t>(link.nOther)]) - 1);
    }
    dEnd = std::min(dEnd, static_cast<double>(nBegin) + kLongestLife);
    return std::min(static_cast<std::int64_t>(dEnd), m_nCurrentYear);
}
