#ifndef KIN_GEDCOMTREEGENERATOR_H
#define KIN_GEDCOMTREEGENERATOR_H

#include <cstddef>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Writes large, realistic family trees as GEDCOM 5.5.1 (UTF-8): founder couples from the
// 17th century, generation after generation of 0 to 4 children, marriages with spouses from
// outside the tree (some with their parents) or between cousins, some second marriages, names and
// places with accents, and dates as genealogists find them: exact, partial, qualified (ABT, BEF,
// BET) or missing, births known from a christening only, the living without a death. About 40
// families come with every 100 people. The same size and seed give the same text.
class KIN_GedcomTreeGenerator
{
public:
    static std::string Generate(std::size_t nPeople, std::uint32_t nSeed = 1);

private:
    struct Person
    {
        bool bMale = false;
        std::int32_t nBorn = 0;
        std::int32_t nDied = 0; // 0 while living
        std::size_t nGiven = 0;
        std::size_t nSurname = 0;
        std::size_t nPlace = 0;
        std::int32_t nChildOf = -1;
        std::vector<std::int32_t> spouseIn;
    };
    struct Family
    {
        std::int32_t nHusband = -1;
        std::int32_t nWife = -1;
        std::vector<std::int32_t> children;
    };

    KIN_GedcomTreeGenerator(std::size_t nPeople, std::uint32_t nSeed);

    void Grow();
    std::vector<std::int32_t> AddFounders();
    std::vector<std::int32_t> BearChildren(const std::vector<std::int32_t>& families);
    std::vector<std::int32_t> Marry(const std::vector<std::int32_t>& children);
    std::int32_t AddInLaw(bool bMale, std::int32_t nBorn);
    std::int32_t AddPerson(bool bMale, std::int32_t nBorn, std::size_t nSurname);
    std::int32_t AddFamily(std::int32_t nHusband, std::int32_t nWife);
    std::int32_t Lifetime();
    bool Chance(int nPercent) { return static_cast<int>(m_random() % 100) < nPercent; }
    std::int32_t Between(std::int32_t nLow, std::int32_t nHigh);
    bool Full() const { return m_people.size() >= m_nPeople; }

    std::string Write();
    void WritePerson(std::size_t nPerson, std::string& text);
    void WriteFamily(std::size_t nFamily, std::string& text);
    void WriteDate(const char* pTag, std::int32_t nYear, int nMissingPercent, std::size_t nPlace,
                   std::string& text);

    std::size_t m_nPeople;
    std::mt19937 m_random;
    std::vector<Person> m_people;
    std::vector<Family> m_families;
};

#endif
