#ifndef KIN_TESTTREES_H
#define KIN_TESTTREES_H

#include <string>
#include <vector>

// Family trees written as a genealogy program writes them, for the chart tests.
class KIN_TestTree
{
public:
    // sex "M" or "F"; an empty date writes no event.
    KIN_TestTree& Person(const std::string& id, const std::string& name, const char* pSex,
                         const std::string& birth, const std::string& death = std::string())
    {
        m_people.push_back({id, name, pSex, birth, death});
        return *this;
    }
    KIN_TestTree& Family(const std::string& id, const std::string& husband, const std::string& wife,
                         const std::vector<std::string>& children)
    {
        m_families.push_back({id, husband, wife, children});
        return *this;
    }

    std::string Text() const
    {
        std::string text = "0 HEAD\n1 SOUR KINVORA-TESTS\n1 GEDC\n2 VERS 5.5.1\n1 CHAR UTF-8\n";
        for (const Individual& person : m_people)
        {
            text += "0 @" + person.id + "@ INDI\n1 NAME " + person.name + "\n1 SEX " + person.pSex +
                    "\n";
            if (!person.birth.empty())
                text += "1 BIRT\n2 DATE " + person.birth + "\n";
            if (!person.death.empty())
                text += "1 DEAT\n2 DATE " + person.death + "\n";
            for (const Couple& family : m_families)
            {
                if (family.husband == person.id || family.wife == person.id)
                    text += "1 FAMS @" + family.id + "@\n";
                for (const std::string& child : family.children)
                    if (child == person.id)
                        text += "1 FAMC @" + family.id + "@\n";
            }
        }
        for (const Couple& family : m_families)
        {
            text += "0 @" + family.id + "@ FAM\n";
            if (!family.husband.empty())
                text += "1 HUSB @" + family.husband + "@\n";
            if (!family.wife.empty())
                text += "1 WIFE @" + family.wife + "@\n";
            for (const std::string& child : family.children)
                text += "1 CHIL @" + child + "@\n";
        }
        return text + "0 TRLR\n";
    }

private:
    struct Individual
    {
        std::string id, name;
        const char* pSex;
        std::string birth, death;
    };
    struct Couple
    {
        std::string id, husband, wife;
        std::vector<std::string> children;
    };
    std::vector<Individual> m_people;
    std::vector<Couple> m_families;
};

// The Linds of a parish: Anna Lind (I9) is the daughter of first cousins, so her
// great-grandparents Per and Kerstin reach her along two lines; Kerstin has no dates of her
// own. Mats Strand (I20), a farmhand, has no relatives in the file.
inline KIN_TestTree KIN_LindFamily()
{
    KIN_TestTree tree;
    tree.Person("I1", "Per /Lind/", "M", "12 MAR 1790", "1860")
        .Person("I2", "Kerstin /Olsdotter/", "F", "")
        .Person("I3", "Johan /Lind/", "M", "1820", "1889")
        .Person("I4", "Maria /Lind/", "F", "ABT 1823", "1891")
        .Person("I5", "Elin /Berg/", "F", "1822", "1880")
        .Person("I6", "Olof /Holm/", "M", "1819", "1870")
        .Person("I7", "Erik /Lind/", "M", "1848", "1910")
        .Person("I8", "Anna /Holm/", "F", "1850", "1921")
        .Person("I9", "Anna /Lind/", "F", "4 MAY 1875", "1950")
        .Person("I10", "Karl /Lind/", "M", "1878", "1940")
        .Person("I11", "Gustav /Ek/", "M", "1870", "1936")
        .Person("I12", "Sven /Ek/", "M", "1900", "1971")
        .Person("I13", "Greta /Ek/", "F", "1903", "1988")
        .Person("I14", "Ida /Nord/", "F", "1902", "1979")
        .Person("I15", "Lars /Ek/", "M", "1930")
        .Person("I16", "Hilda /Sjö/", "F", "1880", "1955")
        .Person("I17", "Nils /Lind/", "M", "1905", "1980")
        .Person("I18", "Anders /Ek/", "M", "1840", "1901")
        .Person("I19", "Brita /Ek/", "F", "1845", "1899")
        .Person("I20", "Mats /Strand/", "M", "1850", "1920");
    tree.Family("F1", "I1", "I2", {"I3", "I4"})
        .Family("F2", "I3", "I5", {"I7"})
        .Family("F3", "I6", "I4", {"I8"})
        .Family("F4", "I7", "I8", {"I9", "I10"})
        .Family("F5", "I11", "I9", {"I12", "I13"})
        .Family("F6", "I12", "I14", {"I15"})
        .Family("F7", "I10", "I16", {"I17"})
        .Family("F8", "I18", "I19", {"I11"});
    return tree;
}

// A line of nGenerations fathers and sons from 1500 (L1 the first), each son with a wife.
inline KIN_TestTree KIN_LongLine(int nGenerations)
{
    KIN_TestTree tree;
    for (int n = 1; n <= nGenerations; ++n)
    {
        const std::string year = std::to_string(1500 + 28 * n);
        const std::string death = std::to_string(1500 + 28 * n + 60);
        tree.Person("L" + std::to_string(n), "Jon" + std::to_string(n) + " /Lang/", "M", year,
                    death);
        tree.Person("W" + std::to_string(n), "Kari" + std::to_string(n) + " /Dal/", "F", year,
                    death);
        std::vector<std::string> children;
        if (n < nGenerations)
            children.push_back("L" + std::to_string(n + 1));
        tree.Family("G" + std::to_string(n), "L" + std::to_string(n), "W" + std::to_string(n),
                    children);
    }
    return tree;
}

#endif
