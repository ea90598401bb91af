#ifndef KIN_GEDCOMTREELINKER_H
#define KIN_GEDCOMTREELINKER_H

#include "KIN_GedcomReference.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <string_view>
#include <unordered_map>
#include <vector>

// Turns the pointers read into the links between people and families. A family's own HUSB,
// WIFE and CHIL lines come first; a person's FAMC adds a child the family does not name,
// and FAMS fills the husband's or wife's place when it is free. Pointers to records that do
// not exist are dropped, and every person stands once in each list.
class KIN_GedcomTreeLinker
{
public:
    using Ids = std::unordered_map<std::string_view, std::int32_t>;

    static void Link(const std::vector<KIN_GedcomReference>& references, const Ids& peopleIds,
                     const Ids& familyIds, KIN_GedcomTree& tree);

private:
    static void LinkFromFamily(const KIN_GedcomReference& reference, std::int32_t nPerson,
                               KIN_GedcomTree& tree);
    static void LinkFromPerson(const KIN_GedcomReference& reference, std::int32_t nFamily,
                               KIN_GedcomTree& tree);
    static void RemoveRepeatedChildren(KIN_GedcomTree& tree);
    static void ListRelations(KIN_GedcomTree& tree);
};

#endif
