#include "KIN_GedcomBandOrder.h"

#include <algorithm>
#include <cmath>
#include <utility>

// Fixed columns are kept from the first band's start, so that bands start at 0.
KIN_GedcomBandOrder::KIN_GedcomBandOrder(std::vector<double> widths, std::vector<Link> links,
                                         double dFirst)
    : m_widths(std::move(widths)), m_links(std::move(links)), m_linksOf(m_widths.size()),
      m_linked(m_widths.size(), 0)
{
    for (std::size_t n = 0; n < m_links.size(); ++n)
    {
        Link& link = m_links[n];
        if (link.nTreeA == link.nTreeB)
            continue;
        m_linksOf[static_cast<std::size_t>(link.nTreeA)].push_back(static_cast<std::int32_t>(n));
        if (link.nTreeB == kFixed)
        {
            link.dAtB -= dFirst;
            continue;
        }
        m_linksOf[static_cast<std::size_t>(link.nTreeB)].push_back(static_cast<std::int32_t>(n));
        m_linked[static_cast<std::size_t>(link.nTreeA)] = 1;
        m_linked[static_cast<std::size_t>(link.nTreeB)] = 1;
    }
}

std::vector<std::int32_t> KIN_GedcomBandOrder::Sift(std::vector<std::int32_t> order) const
{
    if (m_links.empty())
        return order;
    const auto nLinked = std::count_if(
        order.begin(), order.end(),
        [&](std::int32_t nTree) { return !m_linksOf[static_cast<std::size_t>(nTree)].empty(); });
    if (static_cast<std::size_t>(nLinked) <= kMostTried)
        return Best(std::move(order));
    // A pass weighs every linked tree at every place; past the budget only the walk is tried.
    const bool bSift =
        static_cast<double>(nLinked) * static_cast<double>(m_links.size() + order.size()) <=
        kMostPassWork;
    const auto sift = [&](std::vector<std::int32_t> start)
    { return bSift ? SiftFrom(std::move(start)) : start; };
    std::vector<std::int32_t> best = sift(order);
    double dBest = Length(best);
    // The walk read both ways: the places of the links inside the trees decide which is shorter.
    std::vector<std::int32_t> walked = Walk(order);
    for (int nWay = 0; nWay < 2; ++nWay)
    {
        std::vector<std::int32_t> sifted = sift(walked);
        const double dLength = Length(sifted);
        if (dLength < dBest - kGain)
        {
            best = std::move(sifted);
            dBest = dLength;
        }
        // Only the linked trees turn round; the others keep their places.
        std::vector<std::int32_t*> linked;
        for (std::int32_t& nTree : walked)
        {
            if (m_linked[static_cast<std::size_t>(nTree)])
                linked.push_back(&nTree);
        }
        for (std::size_t n = 0; n < linked.size() / 2; ++n)
            std::swap(*linked[n], *linked[linked.size() - 1 - n]);
    }
    return best;
}

// Every order of the linked trees among their places, the one given first: it stays unless
// another is shorter.
std::vector<std::int32_t> KIN_GedcomBandOrder::Best(std::vector<std::int32_t> order) const
{
    std::vector<std::size_t> places;
    for (std::size_t n = 0; n < order.size(); ++n)
    {
        if (!m_linksOf[static_cast<std::size_t>(order[n])].empty())
            places.push_back(n);
    }
    std::vector<std::size_t> at(places.size());
    for (std::size_t n = 0; n < at.size(); ++n)
        at[n] = n;
    std::vector<std::int32_t> best = order;
    double dBest = Length(order);
    std::vector<std::int32_t> tried = order;
    while (std::next_permutation(at.begin(), at.end()))
    {
        for (std::size_t n = 0; n < at.size(); ++n)
            tried[places[n]] = order[places[at[n]]];
        const double dLength = Length(tried);
        if (dLength < dBest - kGain)
        {
            best = tried;
            dBest = dLength;
        }
    }
    // The linked trees may still do better among the places of the others.
    return SiftFrom(std::move(best));
}

// Breadth first through the links from a tree with the fewest, the most linked trees first:
// a line of trees comes out in line, which single moves cannot always reach. The trees
// without links keep their places.
std::vector<std::int32_t> KIN_GedcomBandOrder::Walk(const std::vector<std::int32_t>& order) const
{
    std::vector<std::vector<std::pair<std::int32_t, std::int32_t>>> neighbours(m_widths.size());
    const auto count = [&](std::int32_t nFrom, std::int32_t nTo)
    {
        auto& list = neighbours[static_cast<std::size_t>(nFrom)];
        const auto found = std::find_if(list.begin(), list.end(),
                                        [&](const auto& entry) { return entry.first == nTo; });
        if (found == list.end())
            list.emplace_back(nTo, 1);
        else
            ++found->second;
    };
    for (const Link& link : m_links)
    {
        if (link.nTreeA == link.nTreeB || link.nTreeB == kFixed)
            continue;
        count(link.nTreeA, link.nTreeB);
        count(link.nTreeB, link.nTreeA);
    }
    std::vector<std::size_t> ranks(m_widths.size(), 0);
    for (std::size_t n = 0; n < order.size(); ++n)
        ranks[static_cast<std::size_t>(order[n])] = n;
    for (auto& list : neighbours)
    {
        std::sort(list.begin(), list.end(),
                  [&](const auto& a, const auto& b)
                  {
                      return a.second != b.second ? a.second > b.second
                                                  : ranks[static_cast<std::size_t>(a.first)] <
                                                        ranks[static_cast<std::size_t>(b.first)];
                  });
    }
    std::vector<std::int32_t> starts;
    for (const std::int32_t nTree : order)
    {
        if (!neighbours[static_cast<std::size_t>(nTree)].empty())
            starts.push_back(nTree);
    }
    std::stable_sort(starts.begin(), starts.end(),
                     [&](std::int32_t a, std::int32_t b)
                     {
                         return neighbours[static_cast<std::size_t>(a)].size() <
                                neighbours[static_cast<std::size_t>(b)].size();
                     });
    std::vector<char> seen(m_widths.size(), 0);
    std::vector<std::int32_t> walked;
    for (const std::int32_t nStart : starts)
    {
        if (seen[static_cast<std::size_t>(nStart)])
            continue;
        seen[static_cast<std::size_t>(nStart)] = 1;
        const std::size_t nFirst = walked.size();
        walked.push_back(nStart);
        for (std::size_t nNext = nFirst; nNext < walked.size(); ++nNext)
        {
            for (const auto& [nTo, nCount] : neighbours[static_cast<std::size_t>(walked[nNext])])
            {
                if (!seen[static_cast<std::size_t>(nTo)])
                {
                    seen[static_cast<std::size_t>(nTo)] = 1;
                    walked.push_back(nTo);
                }
            }
        }
    }
    std::vector<std::int32_t> result = order;
    std::size_t nNext = 0;
    for (std::int32_t& nTree : result)
    {
        if (!neighbours[static_cast<std::size_t>(nTree)].empty())
            nTree = walked[nNext++];
    }
    return result;
}

std::vector<std::int32_t> KIN_GedcomBandOrder::SiftFrom(std::vector<std::int32_t> order) const
{
    for (int nPass = 0; nPass < kMostPasses; ++nPass)
    {
        bool bGained = false;
        // Each tree once, in the order of the pass's start.
        const std::vector<std::int32_t> trees = order;
        for (const std::int32_t nTree : trees)
        {
            if (m_linksOf[static_cast<std::size_t>(nTree)].empty())
                continue;
            const auto at = std::find(order.begin(), order.end(), nTree) - order.begin();
            bGained = SiftOne(order, static_cast<std::size_t>(at)) || bGained;
        }
        if (!bGained)
            break;
    }
    return order;
}

double KIN_GedcomBandOrder::Length(const std::vector<std::int32_t>& order) const
{
    std::vector<double> lefts(m_widths.size(), 0);
    double dLeft = 0;
    for (const std::int32_t nTree : order)
    {
        lefts[static_cast<std::size_t>(nTree)] = dLeft;
        dLeft += m_widths[static_cast<std::size_t>(nTree)];
    }
    const auto leftOf = [&](std::int32_t nTree)
    { return nTree == kFixed ? 0 : lefts[static_cast<std::size_t>(nTree)]; };
    double dLength = 0;
    for (const Link& link : m_links)
        dLength += std::abs(leftOf(link.nTreeA) + link.dAtA - leftOf(link.nTreeB) - link.dAtB);
    return dLength;
}

// With the tree taken out, putting it back at slot k shifts every tree from slot k on by its
// width. A link between two other trees changes length only for the slots between theirs, so
// all slots are weighed at once with a difference array; the tree's own links are weighed at
// each slot.
bool KIN_GedcomBandOrder::SiftOne(std::vector<std::int32_t>& order, std::size_t nAt) const
{
    const std::int32_t nTree = order[nAt];
    const double dWidth = m_widths[static_cast<std::size_t>(nTree)];
    std::vector<std::int32_t> rest;
    rest.reserve(order.size());
    for (std::size_t n = 0; n < order.size(); ++n)
    {
        if (n != nAt)
            rest.push_back(order[n]);
    }
    const std::size_t nSlots = rest.size() + 1;
    std::vector<std::size_t> slots(m_widths.size(), 0);
    std::vector<double> lefts(m_widths.size(), 0);
    std::vector<double> slotLefts(nSlots, 0);
    double dLeft = 0;
    for (std::size_t n = 0; n < rest.size(); ++n)
    {
        slots[static_cast<std::size_t>(rest[n])] = n;
        lefts[static_cast<std::size_t>(rest[n])] = dLeft;
        slotLefts[n] = dLeft;
        dLeft += m_widths[static_cast<std::size_t>(rest[n])];
    }
    slotLefts[rest.size()] = dLeft;

    std::vector<double> changes(nSlots + 1, 0);
    for (const Link& link : m_links)
    {
        if (link.nTreeA == nTree || link.nTreeB == nTree || link.nTreeA == link.nTreeB)
            continue;
        if (link.nTreeB == kFixed)
        {
            // Band A moves by dWidth for the slots up to its own.
            const double dA = lefts[static_cast<std::size_t>(link.nTreeA)] + link.dAtA;
            changes[0] += std::abs(dA + dWidth - link.dAtB) - std::abs(dA - link.dAtB);
            changes[slots[static_cast<std::size_t>(link.nTreeA)] + 1] -=
                std::abs(dA + dWidth - link.dAtB) - std::abs(dA - link.dAtB);
            continue;
        }
        const std::size_t nSlotA = slots[static_cast<std::size_t>(link.nTreeA)];
        const std::size_t nSlotB = slots[static_cast<std::size_t>(link.nTreeB)];
        const double dA = lefts[static_cast<std::size_t>(link.nTreeA)] + link.dAtA;
        const double dB = lefts[static_cast<std::size_t>(link.nTreeB)] + link.dAtB;
        // For slots after the left one up to the right one, the right end moves by dWidth.
        const bool bAFirst = nSlotA < nSlotB;
        const double dDelta = bAFirst ? std::abs(dA - dB - dWidth) - std::abs(dA - dB)
                                      : std::abs(dB - dA - dWidth) - std::abs(dA - dB);
        changes[std::min(nSlotA, nSlotB) + 1] += dDelta;
        changes[std::max(nSlotA, nSlotB) + 1] -= dDelta;
    }
    std::vector<double> costs(nSlots, 0);
    double dRunning = 0;
    for (std::size_t k = 0; k < nSlots; ++k)
    {
        dRunning += changes[k];
        costs[k] = dRunning;
    }
    for (const std::int32_t nLink : m_linksOf[static_cast<std::size_t>(nTree)])
    {
        const Link& link = m_links[static_cast<std::size_t>(nLink)];
        if (link.nTreeA == link.nTreeB)
            continue;
        const bool bOwnA = link.nTreeA == nTree;
        const std::int32_t nOther = bOwnA ? link.nTreeB : link.nTreeA;
        const double dOwnAt = bOwnA ? link.dAtA : link.dAtB;
        const double dOtherAt = bOwnA ? link.dAtB : link.dAtA;
        if (nOther == kFixed)
        {
            for (std::size_t k = 0; k < nSlots; ++k)
                costs[k] += std::abs(slotLefts[k] + dOwnAt - dOtherAt);
            continue;
        }
        const std::size_t nOtherSlot = slots[static_cast<std::size_t>(nOther)];
        const double dOther = lefts[static_cast<std::size_t>(nOther)] + dOtherAt;
        for (std::size_t k = 0; k < nSlots; ++k)
            costs[k] += std::abs(slotLefts[k] + dOwnAt - dOther - (nOtherSlot >= k ? dWidth : 0));
    }
    std::size_t nBest = nAt;
    for (std::size_t k = 0; k < nSlots; ++k)
    {
        if (costs[k] < costs[nBest] - kGain)
            nBest = k;
    }
    if (nBest == nAt)
        return false;
    for (std::size_t n = 0; n < order.size(); ++n)
        order[n] = n < nBest ? rest[n] : n == nBest ? nTree : rest[n - 1];
    return true;
}
