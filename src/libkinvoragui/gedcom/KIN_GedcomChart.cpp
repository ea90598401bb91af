#include "KIN_GedcomChart.h"

#include "KIN_GedcomAscii.h"

#include <utility>

std::string KIN_GedcomChart::Bare(const std::string& id)
{
    return std::string(KIN_GedcomAscii::PointerTarget(id));
}

std::int32_t KIN_GedcomChart::Find(const std::string& id) const
{
    const std::string bare = Bare(id);
    for (std::size_t n = 0; n < m_tree.people.size(); ++n)
    {
        if (m_tree.people[n].xref == bare)
            return static_cast<std::int32_t>(n);
    }
    return -1;
}

std::vector<std::int32_t> KIN_GedcomChart::Members(const std::vector<std::int32_t>& generations)
{
    std::vector<std::int32_t> members;
    for (std::size_t n = 0; n < generations.size(); ++n)
    {
        if (generations[n] != kOutside)
            members.push_back(static_cast<std::int32_t>(n));
    }
    return members;
}

void KIN_GedcomChart::Walk(std::vector<std::int32_t>& generations, std::vector<std::int32_t> front,
                           bool bUp, std::int32_t nLimit) const
{
    const std::int32_t nStep = bUp ? 1 : -1;
    std::vector<std::int32_t> next;
    // Breadth first: a person reached along two lines keeps the nearer generation.
    while (!front.empty())
    {
        next.clear();
        for (const std::int32_t nPerson : front)
        {
            const std::int32_t nGeneration = generations[static_cast<std::size_t>(nPerson)] + nStep;
            if ((bUp ? nGeneration : -nGeneration) > nLimit)
                continue;
            const KIN_GedcomPerson& person = m_tree.people[static_cast<std::size_t>(nPerson)];
            for (const std::int32_t nFamily : bUp ? person.childOf : person.spouseIn)
            {
                const KIN_GedcomFamily& family = m_tree.families[static_cast<std::size_t>(nFamily)];
                const std::vector<std::int32_t> parents{family.nHusband, family.nWife};
                for (const std::int32_t nOther : bUp ? parents : family.children)
                {
                    if (nOther < 0 || generations[static_cast<std::size_t>(nOther)] != kOutside)
                        continue;
                    generations[static_cast<std::size_t>(nOther)] = nGeneration;
                    next.push_back(nOther);
                }
            }
        }
        std::swap(front, next);
    }
}

void KIN_GedcomChart::AddSpouses(std::vector<std::int32_t>& generations,
                                 const std::vector<std::int32_t>& people) const
{
    for (const std::int32_t nPerson : people)
    {
        const std::int32_t nGeneration = generations[static_cast<std::size_t>(nPerson)];
        for (const std::int32_t nFamily : m_tree.people[static_cast<std::size_t>(nPerson)].spouseIn)
        {
            const KIN_GedcomFamily& family = m_tree.families[static_cast<std::size_t>(nFamily)];
            for (const std::int32_t nSpouse : {family.nHusband, family.nWife})
            {
                if (nSpouse >= 0 && generations[static_cast<std::size_t>(nSpouse)] == kOutside)
                    generations[static_cast<std::size_t>(nSpouse)] = nGeneration;
            }
        }
    }
}

std::vector<std::int32_t> KIN_GedcomChart::Select(const KIN_GedcomChartSpec& spec,
                                                  std::int32_t nRoot) const
{
    using Kind = KIN_GedcomChartKind;
    std::vector<std::int32_t> generations(m_tree.people.size(), kOutside);
    if (spec.kind == Kind::Everyone)
    {
        generations.assign(m_tree.people.size(), 0);
        return generations;
    }
    if (nRoot < 0 || static_cast<std::size_t>(nRoot) >= m_tree.people.size())
        return generations;
    generations[static_cast<std::size_t>(nRoot)] = 0;
    const bool bUp = spec.kind != Kind::Descendants;
    const bool bDown = spec.kind != Kind::Ancestors;
    if (bUp)
        Walk(generations, {nRoot}, true, spec.nUp);
    if (spec.kind == Kind::Relatives)
    {
        // Every ancestor's descendants: the root's siblings, cousins and their children.
        Walk(generations, Members(generations), false, spec.nDown);
    }
    else if (bDown)
    {
        std::vector<std::int32_t> line(m_tree.people.size(), kOutside);
        line[static_cast<std::size_t>(nRoot)] = 0;
        Walk(line, {nRoot}, false, spec.nDown);
        for (const std::int32_t nPerson : Members(line))
        {
            if (generations[static_cast<std::size_t>(nPerson)] == kOutside)
                generations[static_cast<std::size_t>(nPerson)] =
                    line[static_cast<std::size_t>(nPerson)];
        }
        if (spec.bSpouses)
            AddSpouses(generations, Members(line));
        return generations;
    }
    if (bDown && spec.bSpouses)
        AddSpouses(generations, Members(generations));
    return generations;
}
