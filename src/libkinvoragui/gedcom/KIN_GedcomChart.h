#ifndef KIN_GEDCOMCHART_H
#define KIN_GEDCOMCHART_H

#include "KIN_GedcomImport.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <string>
#include <vector>

// Chooses the people of a chart of one person. Each person is in it once, however many lines
// reach them (cousins who married share their ancestors), at the generation nearest the
// person's: parents +1, children -1, spouses beside their partner.
class KIN_GedcomChart
{
public:
    static constexpr std::int32_t kOutside = INT32_MIN; // the generation of a person left out

    explicit KIN_GedcomChart(const KIN_GedcomTree& tree) : m_tree(tree) {}

    // The index of the person with the id (with or without its @ signs), -1 when none has it.
    std::int32_t Find(const std::string& id) const;
    // The generation of each person in the chart those settings draw around nRoot, kOutside
    // for the others.
    std::vector<std::int32_t> Select(const KIN_GedcomChartSpec& spec, std::int32_t nRoot) const;

    // The id without its @ signs.
    static std::string Bare(const std::string& id);

private:
    // Walks from the people at their generations to their parents (bUp) or children, no
    // further than nLimit generations from the root.
    void Walk(std::vector<std::int32_t>& generations, std::vector<std::int32_t> front, bool bUp,
              std::int32_t nLimit) const;
    void AddSpouses(std::vector<std::int32_t>& generations,
                    const std::vector<std::int32_t>& people) const;
    static std::vector<std::int32_t> Members(const std::vector<std::int32_t>& generations);

    const KIN_GedcomTree& m_tree;
};

#endif
