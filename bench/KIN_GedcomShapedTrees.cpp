#include "KIN_GedcomShapedTrees.h"

#include <algorithm>

namespace
{
constexpr std::int32_t kToday = 2026;
} // namespace

std::int32_t KIN_GedcomShapedTrees::Between(std::int32_t nLow, std::int32_t nHigh)
{
    return nLow +
           static_cast<std::int32_t>(m_random() % static_cast<std::uint32_t>(nHigh - nLow + 1));
}

std::int32_t KIN_GedcomShapedTrees::AddPerson(bool bMale, std::int32_t nBorn, std::int32_t nHouse)
{
    Person person;
    person.bMale = bMale;
    person.nBorn = nBorn;
    person.nHouse = nHouse;
    const std::int32_t nDied = nBorn + Between(45, 85);
    person.nDied = nDied >= kToday ? 0 : nDied;
    m_people.push_back(person);
    return static_cast<std::int32_t>(m_people.size()) - 1;
}

std::int32_t KIN_GedcomShapedTrees::AddFamily(std::int32_t nHusband, std::int32_t nWife)
{
    Family family;
    family.nHusband = nHusband;
    family.nWife = nWife;
    m_families.push_back(family);
    const auto nFamily = static_cast<std::int32_t>(m_families.size()) - 1;
    m_people[static_cast<std::size_t>(nHusband)].spouseIn.push_back(nFamily);
    m_people[static_cast<std::size_t>(nWife)].spouseIn.push_back(nFamily);
    return nFamily;
}

void KIN_GedcomShapedTrees::AddChild(std::int32_t nFamily, std::int32_t nChild)
{
    m_families[static_cast<std::size_t>(nFamily)].children.push_back(nChild);
    m_people[static_cast<std::size_t>(nChild)].nChildOf = nFamily;
}

std::vector<std::int32_t> KIN_GedcomShapedTrees::BearChildren(std::int32_t nFamily,
                                                              std::int32_t nMost,
                                                              int nDyingYoungPercent)
{
    const Family family = m_families[static_cast<std::size_t>(nFamily)];
    const Person mother = m_people[static_cast<std::size_t>(family.nWife)];
    const Person father = m_people[static_cast<std::size_t>(family.nHusband)];
    std::vector<std::int32_t> children;
    std::int32_t nBorn = mother.nBorn + Between(19, 28);
    const std::int32_t nCount = Between(nMost / 3, nMost);
    for (std::int32_t n = 0; n < nCount && nBorn <= mother.nBorn + 42 && nBorn < kToday - 1; ++n)
    {
        const std::int32_t nChild = AddPerson(Chance(50), nBorn, father.nHouse);
        if (Chance(nDyingYoungPercent))
            m_people[static_cast<std::size_t>(nChild)].nDied = nBorn + Between(0, 8);
        AddChild(nFamily, nChild);
        children.push_back(nChild);
        nBorn += Between(1, 4);
    }
    return children;
}

std::vector<std::int32_t> KIN_GedcomShapedTrees::MarryAmong(const std::vector<std::int32_t>& people,
                                                            bool bOtherHouse)
{
    std::vector<std::int32_t> men;
    std::vector<std::int32_t> women;
    for (const std::int32_t nPerson : people)
    {
        const Person& person = m_people[static_cast<std::size_t>(nPerson)];
        const bool bGrown = person.nDied == 0 || person.nDied - person.nBorn >= 18;
        if (bGrown && person.spouseIn.empty())
            (person.bMale ? men : women).push_back(nPerson);
    }
    std::vector<std::int32_t> families;
    std::vector<char> taken(women.size(), 0);
    for (const std::int32_t nMan : men)
    {
        const Person& man = m_people[static_cast<std::size_t>(nMan)];
        for (std::size_t n = 0; n < women.size(); ++n)
        {
            const Person& woman = m_people[static_cast<std::size_t>(women[n])];
            const bool bHouse = !bOtherHouse || woman.nHouse != man.nHouse || Chance(10);
            if (taken[n] || !bHouse || woman.nChildOf == man.nChildOf ||
                std::abs(woman.nBorn - man.nBorn) > 8)
                continue;
            taken[n] = 1;
            families.push_back(AddFamily(nMan, women[n]));
            break;
        }
    }
    return families;
}

// Twelve houses; each generation's children marry into the other houses, a few with an
// outsider, and a widower now and then marries again.
std::string KIN_GedcomShapedTrees::Dynasties()
{
    KIN_GedcomShapedTrees trees(24);
    std::vector<std::int32_t> families;
    for (std::int32_t nHouse = 0; nHouse < 12; ++nHouse)
    {
        const std::int32_t nBorn = trees.Between(1480, 1500);
        families.push_back(trees.AddFamily(trees.AddPerson(true, nBorn, nHouse),
                                           trees.AddPerson(false, nBorn + 2, nHouse)));
    }
    std::vector<std::int32_t> unmarried;
    while (!families.empty() && trees.m_people.size() < 4500)
    {
        std::vector<std::int32_t> children;
        for (const std::int32_t nFamily : families)
        {
            const std::vector<std::int32_t> born = trees.BearChildren(nFamily, 6, 15);
            children.insert(children.end(), born.begin(), born.end());
        }
        // The unmarried of the generation before may still marry the younger ones.
        std::vector<std::int32_t> marrying = unmarried;
        marrying.insert(marrying.end(), children.begin(), children.end());
        families = trees.MarryAmong(marrying, true);
        unmarried.clear();
        for (const std::int32_t nChild : children)
        {
            const Person& child = trees.m_people[static_cast<std::size_t>(nChild)];
            if (child.spouseIn.empty())
                unmarried.push_back(nChild);
            if (!child.spouseIn.empty() || trees.Chance(35) ||
                (child.nDied != 0 && child.nDied - child.nBorn < 18))
                continue;
            const std::int32_t nOutsider =
                trees.AddPerson(!child.bMale, child.nBorn + trees.Between(-4, 4), 12);
            families.push_back(child.bMale ? trees.AddFamily(nChild, nOutsider)
                                           : trees.AddFamily(nOutsider, nChild));
        }
    }
    return trees.Write();
}

// Sixty households in 1680; the parish marries among itself, every child is recorded, a
// third die young, and a fifth of the deaths are missing.
std::string KIN_GedcomShapedTrees::Village()
{
    KIN_GedcomShapedTrees trees(45);
    std::vector<std::int32_t> families;
    for (std::int32_t nHouse = 0; nHouse < 60; ++nHouse)
    {
        const std::int32_t nBorn = trees.Between(1660, 1690);
        families.push_back(
            trees.AddFamily(trees.AddPerson(true, nBorn, nHouse),
                            trees.AddPerson(false, nBorn + trees.Between(-3, 5), nHouse)));
    }
    while (!families.empty() && trees.m_people.size() < 4500)
    {
        std::vector<std::int32_t> children;
        for (const std::int32_t nFamily : families)
        {
            const std::vector<std::int32_t> born = trees.BearChildren(nFamily, 8, 33);
            children.insert(children.end(), born.begin(), born.end());
        }
        families = trees.MarryAmong(children, false);
    }
    for (Person& person : trees.m_people)
    {
        if (trees.Chance(20))
            person.nDied = 0;
    }
    return trees.Write();
}

// A line of kings, son after son, a brother reigning now and then; four are dated.
std::string KIN_GedcomShapedTrees::Kings()
{
    KIN_GedcomShapedTrees trees(7);
    std::int32_t nKing = trees.AddPerson(true, 0, 0);
    std::int32_t nQueen = trees.AddPerson(false, 0, 1);
    while (trees.m_people.size() < 161)
    {
        const std::int32_t nFamily = trees.AddFamily(nKing, nQueen);
        const std::int32_t nHeir = trees.AddPerson(true, 0, 0);
        trees.AddChild(nFamily, nHeir);
        if (trees.Chance(30))
            trees.AddChild(nFamily, trees.AddPerson(true, 0, 0));
        nKing = nHeir;
        nQueen = trees.AddPerson(false, 0, 1);
    }
    for (Person& person : trees.m_people)
        person.nBorn = person.nDied = 0;
    const std::int32_t dated[] = {0, 40, 90, 150};
    for (std::size_t n = 0; n < 4; ++n)
    {
        Person& person = trees.m_people[static_cast<std::size_t>(dated[n])];
        person.nBorn = 300 + dated[n] * 11;
        person.nDied = person.nBorn + 55;
    }
    return trees.Write();
}

std::string KIN_GedcomShapedTrees::Write() const
{
    std::string text = "0 HEAD\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";
    for (std::size_t n = 0; n < m_people.size(); ++n)
    {
        const Person& person = m_people[n];
        text += "0 @I" + std::to_string(n + 1) + "@ INDI\n1 NAME Person" + std::to_string(n + 1) +
                " /House" + std::to_string(person.nHouse) + "/\n1 SEX " +
                (person.bMale ? "M" : "F") + "\n";
        if (person.nBorn != 0)
            text += "1 BIRT\n2 DATE " + std::to_string(person.nBorn) + "\n";
        if (person.nDied != 0)
            text += "1 DEAT\n2 DATE " + std::to_string(person.nDied) + "\n";
    }
    for (std::size_t n = 0; n < m_families.size(); ++n)
    {
        const Family& family = m_families[n];
        text += "0 @F" + std::to_string(n + 1) + "@ FAM\n1 HUSB @I" +
                std::to_string(family.nHusband + 1) + "@\n1 WIFE @I" +
                std::to_string(family.nWife + 1) + "@\n";
        for (const std::int32_t nChild : family.children)
            text += "1 CHIL @I" + std::to_string(nChild + 1) + "@\n";
    }
    return text + "0 TRLR\n";
}
