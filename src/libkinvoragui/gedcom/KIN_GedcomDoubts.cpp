#include "KIN_GedcomDoubts.h"

#include "KIN_GedcomEstimator.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace
{
// The estimator's rules, in whole years.
constexpr auto kGeneration = static_cast<std::int64_t>(KIN_GedcomEstimator::kGeneration);
constexpr auto kSpouseGap = static_cast<std::int64_t>(KIN_GedcomEstimator::kSpouseGap);
constexpr auto kLifetime = static_cast<std::int64_t>(KIN_GedcomEstimator::kLifetime);

std::size_t BeginOf(std::size_t nPerson)
{
    return nPerson * 2;
}
std::size_t EndOf(std::size_t nPerson)
{
    return nPerson * 2 + 1;
}
} // namespace

std::vector<std::uint8_t> KIN_GedcomDoubts::SetAside(const KIN_GedcomTree& tree,
                                                     std::int64_t nCurrentYear,
                                                     std::vector<KIN_GedcomEvidence>& evidence)
{
    std::vector<std::uint8_t> doubted(evidence.size() * 2, 0);
    for (std::size_t n = 0; n < evidence.size(); ++n)
    {
        doubted[BeginOf(n)] = evidence[n].bBegin && evidence[n].nBegin > nCurrentYear;
        doubted[EndOf(n)] = evidence[n].bEnd && evidence[n].nEnd > nCurrentYear;
    }
    for (std::size_t n = 0; n < evidence.size(); ++n)
    {
        evidence[n].bBegin = evidence[n].bBegin && !doubted[BeginOf(n)];
        evidence[n].bEnd = evidence[n].bEnd && !doubted[EndOf(n)];
    }
    const std::vector<Conflict> conflicts = FindConflicts(tree, evidence);
    std::vector<std::int32_t> counts(doubted.size(), 0);
    for (const Conflict& conflict : conflicts)
    {
        ++counts[conflict.nLikely];
        ++counts[conflict.nOther];
    }
    std::vector<std::size_t> order(conflicts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto most = [&](const Conflict& conflict)
    { return std::max(counts[conflict.nLikely], counts[conflict.nOther]); };
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b)
                     { return most(conflicts[a]) > most(conflicts[b]); });
    for (const std::size_t nConflict : order)
    {
        const Conflict& conflict = conflicts[nConflict];
        if (doubted[conflict.nLikely] || doubted[conflict.nOther])
            continue;
        doubted[counts[conflict.nOther] > counts[conflict.nLikely] ? conflict.nOther
                                                                   : conflict.nLikely] = 1;
    }
    std::vector<std::uint8_t> marks(evidence.size(), 0);
    for (std::size_t n = 0; n < evidence.size(); ++n)
    {
        marks[n] =
            static_cast<std::uint8_t>((doubted[BeginOf(n)] ? 1 : 0) | (doubted[EndOf(n)] ? 2 : 0));
        evidence[n].bBegin = evidence[n].bBegin && !doubted[BeginOf(n)];
        evidence[n].bEnd = evidence[n].bEnd && !doubted[EndOf(n)];
    }
    return marks;
}

std::vector<KIN_GedcomDoubts::Conflict>
KIN_GedcomDoubts::FindConflicts(const KIN_GedcomTree& tree,
                                const std::vector<KIN_GedcomEvidence>& evidence)
{
    std::vector<Conflict> conflicts;
    for (std::size_t n = 0; n < evidence.size(); ++n)
    {
        const KIN_GedcomEvidence& person = evidence[n];
        if (!person.bBegin || !person.bEnd ||
            (person.nEnd >= person.nBegin &&
             person.nEnd - person.nBegin <=
                 static_cast<std::int64_t>(KIN_GedcomEstimator::kLongestLife)))
            continue;
        double dSuggested = 0;
        const bool bEndFarther =
            Suggested(tree, evidence, n, dSuggested) &&
            std::abs(static_cast<double>(person.nEnd - kLifetime) - dSuggested) >
                std::abs(static_cast<double>(person.nBegin) - dSuggested);
        conflicts.push_back(bEndFarther ? Conflict{EndOf(n), BeginOf(n)}
                                        : Conflict{BeginOf(n), EndOf(n)});
    }
    for (const KIN_GedcomFamily& family : tree.families)
    {
        for (const std::int32_t nChild : family.children)
        {
            const auto nChildAt = static_cast<std::size_t>(nChild);
            if (!evidence[nChildAt].bBegin)
                continue;
            const std::int64_t nBorn = evidence[nChildAt].nBegin;
            for (const std::int32_t nParent : {family.nHusband, family.nWife})
            {
                const auto nParentAt = static_cast<std::size_t>(nParent);
                if (nParent < 0 || nParent == nChild)
                    continue;
                const KIN_GedcomEvidence& parent = evidence[nParentAt];
                if (parent.bBegin && nBorn - parent.nBegin < kYoungestParent)
                    conflicts.push_back({BeginOf(nChildAt), BeginOf(nParentAt)});
                if (nParent == family.nWife && parent.bEnd && nBorn > parent.nEnd)
                    conflicts.push_back({BeginOf(nChildAt), EndOf(nParentAt)});
            }
        }
    }
    return conflicts;
}

bool KIN_GedcomDoubts::Suggested(const KIN_GedcomTree& tree,
                                 const std::vector<KIN_GedcomEvidence>& evidence,
                                 std::size_t nPerson, double& dYear)
{
    double dSum = 0;
    std::int32_t nCount = 0;
    const auto add = [&](std::int32_t nRelative, std::int64_t nOffset)
    {
        if (nRelative < 0 || static_cast<std::size_t>(nRelative) == nPerson)
            return;
        const KIN_GedcomEvidence& relative = evidence[static_cast<std::size_t>(nRelative)];
        if (!relative.bBegin)
            return;
        dSum += static_cast<double>(relative.nBegin + nOffset);
        ++nCount;
    };
    const KIN_GedcomPerson& person = tree.people[nPerson];
    const auto nSelf = static_cast<std::int32_t>(nPerson);
    for (const std::int32_t nFamily : person.childOf)
    {
        const KIN_GedcomFamily& family = tree.families[static_cast<std::size_t>(nFamily)];
        add(family.nHusband, kGeneration);
        add(family.nWife, kGeneration);
    }
    for (const std::int32_t nFamily : person.spouseIn)
    {
        const KIN_GedcomFamily& family = tree.families[static_cast<std::size_t>(nFamily)];
        add(family.nHusband == nSelf ? family.nWife : family.nHusband,
            family.nHusband == nSelf ? -kSpouseGap : kSpouseGap);
        for (const std::int32_t nChild : family.children)
            add(nChild, -kGeneration);
    }
    if (nCount == 0)
        return false;
    dYear = dSum / nCount;
    return true;
}
