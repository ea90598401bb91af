#include "KIN_GedcomLayoutMeasure.h"

#include "KIN_GedcomCrossings.h"
#include "KIN_GedcomRows.h"

#include <algorithm>
#include <utility>

namespace
{
constexpr std::int32_t kWidth = KIN_GedcomRows::kWidth;

double Quantile(std::vector<std::int32_t> values, double dShare)
{
    if (values.empty())
        return 0;
    const auto nAt = static_cast<std::size_t>(dShare * static_cast<double>(values.size() - 1));
    std::nth_element(values.begin(), values.begin() + static_cast<std::ptrdiff_t>(nAt),
                     values.end());
    return values[nAt];
}

// The least width: the most columns the periods alive in one year take, each held at least
// as long as its title needs.
std::int64_t Bound(const std::vector<KIN_GedcomLifespan>& lifespans)
{
    std::vector<std::pair<std::int64_t, std::int32_t>> changes;
    for (const KIN_GedcomLifespan& lifespan : lifespans)
    {
        if (!lifespan.bDrawn)
            continue;
        changes.emplace_back(lifespan.nBegin, kWidth);
        changes.emplace_back(
            std::max(lifespan.nEnd, lifespan.nBegin + KIN_GedcomRows::kTitleYears) + 1, -kWidth);
    }
    std::sort(changes.begin(), changes.end());
    std::int64_t nAlive = 0;
    std::int64_t nMost = 0;
    for (const auto& change : changes)
        nMost = std::max(nMost, nAlive += change.second);
    return nMost;
}
} // namespace

KIN_GedcomLayoutMeasure
KIN_GedcomLayoutMeasure::Of(const KIN_GedcomTree& tree,
                            const std::vector<KIN_GedcomLifespan>& lifespans,
                            const std::vector<std::int32_t>& columns)
{
    KIN_GedcomLayoutMeasure measure;
    std::int32_t nWidth = 0;
    std::size_t nDrawn = 0;
    for (std::size_t n = 0; n < columns.size(); ++n)
    {
        nWidth = std::max(nWidth, columns[n] + kWidth);
        nDrawn += lifespans[n].bDrawn ? 1 : 0;
    }
    const std::int64_t nBound = Bound(lifespans);
    measure.dWidthToBound =
        nBound == 0 ? 0 : static_cast<double>(nWidth) / static_cast<double>(nBound);

    std::size_t nCouples = 0;
    std::size_t nBeside = 0;
    std::vector<std::int32_t> distances;
    for (const KIN_GedcomFamily& family : tree.families)
    {
        const auto drawn = [&](std::int32_t nPerson)
        { return nPerson >= 0 && lifespans[static_cast<std::size_t>(nPerson)].bDrawn; };
        const auto column = [&](std::int32_t nPerson)
        { return columns[static_cast<std::size_t>(nPerson)]; };
        if (drawn(family.nHusband) && drawn(family.nWife) && family.nHusband != family.nWife)
        {
            ++nCouples;
            nBeside += std::abs(column(family.nHusband) - column(family.nWife)) == kWidth ? 1 : 0;
        }
        for (const std::int32_t nParent : {family.nHusband, family.nWife})
        {
            if (!drawn(nParent))
                continue;
            for (const std::int32_t nChild : family.children)
            {
                if (!drawn(nChild) || nChild == nParent)
                    continue;
                const std::int32_t nFrom = std::min(column(nParent), column(nChild));
                const std::int32_t nTo = std::max(column(nParent), column(nChild));
                distances.push_back(nTo - nFrom);
            }
        }
    }
    measure.dCouplesBeside =
        nCouples == 0 ? 1 : static_cast<double>(nBeside) / static_cast<double>(nCouples);
    measure.dDistanceMedian = Quantile(distances, 0.5);
    measure.dDistanceP90 = Quantile(distances, 0.9);
    measure.dDistanceMax =
        distances.empty() ? 0 : *std::max_element(distances.begin(), distances.end());
    std::int64_t nLength = 0;
    for (const std::int32_t nDistance : distances)
        nLength += nDistance;
    measure.dLegPerPerson =
        nDrawn == 0 ? 0 : static_cast<double>(nLength) / static_cast<double>(nDrawn);

    const KIN_GedcomCrossings::Count crossings = KIN_GedcomCrossings(tree, lifespans).Of(columns);
    const auto nCrossings = static_cast<double>(crossings.nCrossings);
    measure.dCrossingsPerLeg =
        crossings.nLegs == 0 ? 0 : nCrossings / static_cast<double>(crossings.nLegs);
    measure.dCrossingsPerPerson = nDrawn == 0 ? 0 : nCrossings / static_cast<double>(nDrawn);
    return measure;
}
