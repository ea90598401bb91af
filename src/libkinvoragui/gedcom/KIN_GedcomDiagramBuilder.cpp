#include "KIN_GedcomDiagramBuilder.h"

#include "KIN_DateLimits.h"
#include "KIN_DateScale.h"
#include "KIN_GedcomRows.h"

#include <algorithm>
#include <unordered_set>

namespace
{
constexpr std::size_t kPeoplePerReport = 4096;
using KIN_DateLimits::kLastBeginStep;
using KIN_DateLimits::kLastEndStep;
constexpr std::int32_t kMinWidth = 10;

std::int32_t BorderOf(KIN_GedcomPerson::Sex sex)
{
    switch (sex)
    {
    case KIN_GedcomPerson::Sex::Male:
        return KIN_GedcomDiagramBuilder::kColorMan;
    case KIN_GedcomPerson::Sex::Female:
        return KIN_GedcomDiagramBuilder::kColorWoman;
    default:
        return KIN_GedcomDiagramBuilder::kColorOther;
    }
}
} // namespace

KIN_GedcomDiagramBuilder::KIN_GedcomDiagramBuilder(const KIN_GedcomTree& tree,
                                                   const std::vector<KIN_GedcomLifespan>& lifespans,
                                                   const std::vector<std::int32_t>& columns,
                                                   const KIN_GedcomWords& words)
    : m_tree(tree), m_lifespans(lifespans), m_columns(columns), m_details(words),
      m_ids(tree.people.size(), 0)
{
}

bool KIN_GedcomDiagramBuilder::Build(KIN_GedcomProgress& progress, KIN_GedcomResult& result)
{
    if (!AddPeriods(progress, result))
        return false;
    AddLinks(result.diagram);
    SetLimits(result.diagram);
    result.nPeople = result.diagram.periods.size();
    result.nFamilies = m_tree.families.size();
    result.nLeftOut = m_tree.people.size() - result.nPeople;
    result.nShownId = ShownId();
    for (const KIN_GedcomLifespan& lifespan : m_lifespans)
    {
        if (!lifespan.bDrawn)
            continue;
        result.nEstimated += lifespan.BeginEstimated() || lifespan.EndEstimated() ? 1 : 0;
        result.nDoubtful += lifespan.Doubtful() ? 1 : 0;
    }
    return true;
}

bool KIN_GedcomDiagramBuilder::AddPeriods(KIN_GedcomProgress& progress, KIN_GedcomResult& result)
{
    std::vector<KIN_DataPeriod>& periods = result.diagram.periods;
    for (std::size_t n = 0; n < m_tree.people.size(); ++n)
    {
        const KIN_GedcomLifespan& lifespan = m_lifespans[n];
        if (!lifespan.bDrawn)
            continue;
        const KIN_GedcomPerson& person = m_tree.people[n];
        KIN_DataPeriod period;
        period.id = static_cast<std::int32_t>(periods.size()) + 1;
        period.title = m_details.Title(person);
        period.details = m_details.Details(person, lifespan);
        period.begin = lifespan.nBegin;
        period.end = lifespan.nEnd;
        period.column = m_columns[n];
        period.width = KIN_GedcomRows::kWidth;
        period.colorBorder = BorderOf(person.sex);
        const KIN_GedcomPeriodYears years{lifespan.begin, lifespan.end, lifespan.bBeginQualified,
                                          lifespan.bEndQualified, lifespan.bLiving};
        // The chart shows as uncertain what the file does not state plainly.
        period.uncertainBegin = years.UncertainBegin();
        period.uncertainEnd = years.UncertainEnd();
        m_ids[n] = period.id;
        periods.push_back(std::move(period));
        result.periodYears.push_back(years);
        if ((n + 1) % kPeoplePerReport == 0 &&
            !progress.Report(KIN_GedcomProgress::Stage::Build, n + 1, m_tree.people.size()))
            return false;
    }
    return true;
}

void KIN_GedcomDiagramBuilder::AddLinks(KIN_DataDiagram& diagram) const
{
    std::unordered_set<std::uint64_t> added;
    for (const KIN_GedcomFamily& family : m_tree.families)
    {
        for (const std::int32_t nParent : {family.nHusband, family.nWife})
        {
            const std::int32_t nParentId =
                nParent < 0 ? 0 : m_ids[static_cast<std::size_t>(nParent)];
            if (nParentId == 0)
                continue;
            for (const std::int32_t nChild : family.children)
            {
                const std::int32_t nChildId = m_ids[static_cast<std::size_t>(nChild)];
                const std::uint64_t nKey = (static_cast<std::uint64_t>(nParentId) << 32) |
                                           static_cast<std::uint32_t>(nChildId);
                if (nChildId != 0 && nChildId != nParentId && added.insert(nKey).second)
                    diagram.links.push_back(KIN_DataLink{nParentId, nChildId, 1, 0});
            }
        }
    }
}

void KIN_GedcomDiagramBuilder::SetLimits(KIN_DataDiagram& diagram)
{
    if (diagram.periods.empty())
        return;
    std::int64_t nEarliest = diagram.periods.front().begin;
    std::int64_t nLatest = diagram.periods.front().end;
    std::int32_t nWidth = kMinWidth;
    for (const KIN_DataPeriod& period : diagram.periods)
    {
        nEarliest = std::min(nEarliest, period.begin);
        nLatest = std::max(nLatest, period.end);
        nWidth = std::max(nWidth, period.column + period.width);
    }
    const std::vector<std::int64_t>& years = KIN_ScaleYears();
    std::int32_t nBegin = 0;
    while (nBegin < kLastBeginStep && years[static_cast<std::size_t>(nBegin) + 1] <= nEarliest)
        ++nBegin;
    std::int32_t nEnd = nBegin + 1;
    while (nEnd < kLastEndStep && years[static_cast<std::size_t>(nEnd)] < nLatest)
        ++nEnd;
    diagram.begin = nBegin;
    diagram.end = nEnd;
    diagram.width = nWidth;
}

std::int32_t KIN_GedcomDiagramBuilder::ShownId() const
{
    std::size_t nMost = 0;
    std::int32_t nShown = 0;
    for (const KIN_GedcomFamily& family : m_tree.families)
    {
        std::vector<std::int32_t> members = family.children;
        members.push_back(family.nHusband);
        members.push_back(family.nWife);
        std::size_t nDrawn = 0;
        std::int32_t nEarliest = -1;
        for (const std::int32_t nMember : members)
        {
            if (nMember < 0 || m_ids[static_cast<std::size_t>(nMember)] == 0)
                continue;
            ++nDrawn;
            const auto begin = [&](std::int32_t n)
            { return m_lifespans[static_cast<std::size_t>(n)].nBegin; };
            if (nEarliest < 0 || begin(nMember) < begin(nEarliest))
                nEarliest = nMember;
        }
        if (nDrawn > nMost)
        {
            nMost = nDrawn;
            nShown = m_ids[static_cast<std::size_t>(nEarliest)];
        }
    }
    if (nShown == 0)
    {
        const auto first =
            std::find_if(m_ids.begin(), m_ids.end(), [](std::int32_t n) { return n != 0; });
        nShown = first == m_ids.end() ? 0 : *first;
    }
    return nShown;
}
