#include "KIN_GedcomTreeLinker.h"

namespace
{
using Relation = KIN_GedcomReference::Relation;
using Sex = KIN_GedcomPerson::Sex;

std::int32_t Find(const KIN_GedcomTreeLinker::Ids& ids, std::string_view target)
{
    const auto found = ids.find(target);
    return found == ids.end() ? -1 : found->second;
}

bool FromFamily(Relation relation)
{
    return relation == Relation::Husband || relation == Relation::Wife ||
           relation == Relation::Child;
}
} // namespace

void KIN_GedcomTreeLinker::Link(const std::vector<KIN_GedcomReference>& references,
                                const Ids& peopleIds, const Ids& familyIds, KIN_GedcomTree& tree)
{
    for (const KIN_GedcomReference& reference : references)
    {
        if (!FromFamily(reference.relation))
            continue;
        const std::int32_t nPerson = Find(peopleIds, reference.target);
        if (nPerson >= 0)
            LinkFromFamily(reference, nPerson, tree);
    }
    for (const KIN_GedcomReference& reference : references)
    {
        if (FromFamily(reference.relation))
            continue;
        const std::int32_t nFamily = Find(familyIds, reference.target);
        if (nFamily >= 0)
            LinkFromPerson(reference, nFamily, tree);
    }
    RemoveRepeatedChildren(tree);
    ListRelations(tree);
}

void KIN_GedcomTreeLinker::LinkFromFamily(const KIN_GedcomReference& reference,
                                          std::int32_t nPerson, KIN_GedcomTree& tree)
{
    KIN_GedcomFamily& family = tree.families[static_cast<std::size_t>(reference.nOwner)];
    if (reference.relation == Relation::Child)
        family.children.push_back(nPerson);
    else if (reference.relation == Relation::Husband && family.nHusband < 0)
        family.nHusband = nPerson;
    else if (reference.relation == Relation::Wife && family.nWife < 0)
        family.nWife = nPerson;
}

void KIN_GedcomTreeLinker::LinkFromPerson(const KIN_GedcomReference& reference,
                                          std::int32_t nFamily, KIN_GedcomTree& tree)
{
    KIN_GedcomFamily& family = tree.families[static_cast<std::size_t>(nFamily)];
    const std::int32_t nPerson = reference.nOwner;
    if (reference.relation == Relation::ChildOf)
    {
        family.children.push_back(nPerson);
        return;
    }
    if (family.nHusband == nPerson || family.nWife == nPerson)
        return;
    const Sex sex = tree.people[static_cast<std::size_t>(nPerson)].sex;
    if (family.nHusband < 0 && sex != Sex::Female)
        family.nHusband = nPerson;
    else if (family.nWife < 0 && sex != Sex::Male)
        family.nWife = nPerson;
}

void KIN_GedcomTreeLinker::RemoveRepeatedChildren(KIN_GedcomTree& tree)
{
    std::vector<std::int32_t> lastFamily(tree.people.size(), -1);
    for (std::size_t nFamily = 0; nFamily < tree.families.size(); ++nFamily)
    {
        std::vector<std::int32_t>& children = tree.families[nFamily].children;
        std::size_t nKept = 0;
        for (const std::int32_t nChild : children)
        {
            std::int32_t& nLast = lastFamily[static_cast<std::size_t>(nChild)];
            if (nLast == static_cast<std::int32_t>(nFamily))
                continue;
            nLast = static_cast<std::int32_t>(nFamily);
            children[nKept++] = nChild;
        }
        children.resize(nKept);
    }
}

void KIN_GedcomTreeLinker::ListRelations(KIN_GedcomTree& tree)
{
    for (std::size_t nFamily = 0; nFamily < tree.families.size(); ++nFamily)
    {
        const KIN_GedcomFamily& family = tree.families[nFamily];
        const auto nIndex = static_cast<std::int32_t>(nFamily);
        if (family.nHusband >= 0)
            tree.people[static_cast<std::size_t>(family.nHusband)].spouseIn.push_back(nIndex);
        if (family.nWife >= 0 && family.nWife != family.nHusband)
            tree.people[static_cast<std::size_t>(family.nWife)].spouseIn.push_back(nIndex);
        for (const std::int32_t nChild : family.children)
            tree.people[static_cast<std::size_t>(nChild)].childOf.push_back(nIndex);
    }
}
