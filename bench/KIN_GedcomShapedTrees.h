#ifndef KIN_GEDCOMSHAPEDTREES_H
#define KIN_GEDCOMSHAPEDTREES_H

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Family trees shaped like the hard cases of real files, written as GEDCOM 5.5.1:
// - Dynasties: a dozen royal houses over five centuries that marry among themselves,
//   cousins included, nearly every date known.
// - Village: a parish register of about 4,500 people over two centuries, every marriage
//   within the parish, many children dying young, some deaths unrecorded.
// - Kings: a line of 161 legendary kings, son after son with a brother now and then, of
//   whom only four have a date.
// The same call always gives the same text.
class KIN_GedcomShapedTrees
{
public:
    static std::string Dynasties();
    static std::string Village();
    static std::string Kings();

private:
    struct Person
    {
        bool bMale = false;
        std::int32_t nBorn = 0; // 0: not written
        std::int32_t nDied = 0; // 0: not written
        std::int32_t nHouse = 0;
        std::int32_t nChildOf = -1;
        std::vector<std::int32_t> spouseIn;
    };
    struct Family
    {
        std::int32_t nHusband = -1;
        std::int32_t nWife = -1;
        std::vector<std::int32_t> children;
    };

    explicit KIN_GedcomShapedTrees(std::uint32_t nSeed) : m_random(nSeed) {}

    std::int32_t Between(std::int32_t nLow, std::int32_t nHigh);
    bool Chance(int nPercent) { return static_cast<int>(m_random() % 100) < nPercent; }
    std::int32_t AddPerson(bool bMale, std::int32_t nBorn, std::int32_t nHouse);
    std::int32_t AddFamily(std::int32_t nHusband, std::int32_t nWife);
    void AddChild(std::int32_t nFamily, std::int32_t nChild);
    // Children of a couple: nMost at most, born from the mother's 19th to 42nd year.
    std::vector<std::int32_t> BearChildren(std::int32_t nFamily, std::int32_t nMost,
                                           int nDyingYoungPercent);
    // Pairs the unmarried of similar age from the list; those without a match are returned.
    std::vector<std::int32_t> MarryAmong(const std::vector<std::int32_t>& people, bool bOtherHouse);
    std::string Write() const;

    std::mt19937 m_random;
    std::vector<Person> m_people;
    std::vector<Family> m_families;
};

#endif
