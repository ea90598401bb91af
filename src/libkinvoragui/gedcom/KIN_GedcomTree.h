#ifndef KIN_GEDCOMTREE_H
#define KIN_GEDCOMTREE_H

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The facts of a life the import reads, in the order the details list them.
enum class KIN_GedcomFact
{
    Birth,
    Christening,
    Baptism,
    Death,
    Burial,
    Cremation
};
constexpr std::size_t kGedcomFactCount = 6;

// One fact: its date and place as written (CONC and CONT joined).
struct KIN_GedcomEvent
{
    KIN_GedcomFact fact = KIN_GedcomFact::Birth;
    std::string date;
    std::string place;
};

// An individual (INDI record). People and families name each other by their index in the
// tree's lists.
struct KIN_GedcomPerson
{
    enum class Sex
    {
        Unknown,
        Male,
        Female
    };

    std::string xref;    // without its @ signs
    std::string name;    // the first NAME as written
    std::string given;   // its GIVN, for a NAME without a value
    std::string surname; // its SURN
    Sex sex = Sex::Unknown;
    std::vector<KIN_GedcomEvent> events; // one a fact, its first dated record, in file order
    // The dates of the person's other events (census, residence, occupation, will, probate...):
    // the person was born before the first of them and lived until about the last.
    std::vector<std::string> otherDates;
    std::vector<std::int32_t> childOf;  // families naming the person as a child
    std::vector<std::int32_t> spouseIn; // families naming the person as husband or wife

    // The fact's event, null when the record has none.
    const KIN_GedcomEvent* Find(KIN_GedcomFact fact) const
    {
        for (const KIN_GedcomEvent& event : events)
        {
            if (event.fact == fact)
                return &event;
        }
        return nullptr;
    }
};

// A family (FAM record): the couple and their children, each named once.
struct KIN_GedcomFamily
{
    std::string xref;
    std::int32_t nHusband = -1;
    std::int32_t nWife = -1;
    std::vector<std::int32_t> children;
    std::string marriage; // the date of the first dated MARR record, as written
};

// The people and families of a file, in file order; a record whose id was already taken is
// not in it, and neither is a reference to a record that does not exist.
struct KIN_GedcomTree
{
    std::vector<KIN_GedcomPerson> people;
    std::vector<KIN_GedcomFamily> families;
};

#endif
