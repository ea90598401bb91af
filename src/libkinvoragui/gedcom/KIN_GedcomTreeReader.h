#ifndef KIN_GEDCOMTREEREADER_H
#define KIN_GEDCOMTREEREADER_H

#include "KIN_GedcomLine.h"
#include "KIN_GedcomProgress.h"
#include "KIN_GedcomReference.h"
#include "KIN_GedcomTree.h"
#include "KIN_GedcomTreeLinker.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Reads the individuals and families of a GEDCOM text into a tree: names, sex, births,
// christenings, baptisms, deaths, burials and cremations with their dates and places, the
// dates of a person's other events and of marriages, and the pointers between records. Other
// records and lines are passed over.
class KIN_GedcomTreeReader
{
public:
    explicit KIN_GedcomTreeReader(KIN_GedcomProgress& progress) : m_progress(progress) {}

    // False when the caller cancelled.
    bool Read(std::string_view text, KIN_GedcomTree& tree);

private:
    enum class Record
    {
        Other,
        Person,
        Family
    };
    using Ids = KIN_GedcomTreeLinker::Ids;

    void OnLine(const KIN_GedcomLine& line);
    void StartRecord(const KIN_GedcomLine& line);
    void EndRecord();
    void OnPersonLine(const KIN_GedcomLine& line);
    void StartEvent(KIN_GedcomFact fact);
    void OnFamilyLine(const KIN_GedcomLine& line);
    void Refer(KIN_GedcomReference::Relation relation, std::string_view value);
    // The line's text becomes target, which CONC and CONT lines one level deeper extend.
    void ReadText(std::string& target, const KIN_GedcomLine& line);

    KIN_GedcomProgress& m_progress;
    KIN_GedcomTree* m_pTree = nullptr;
    Record m_record = Record::Other;
    std::string_view m_xref;
    KIN_GedcomPerson m_person;
    KIN_GedcomFamily m_family;
    static constexpr std::size_t kNoEvent = static_cast<std::size_t>(-1);
    std::size_t m_nEvent = kNoEvent;     // the event the DATE and PLAC lines go to
    std::string* m_pOtherDate = nullptr; // the date an other event's or marriage's DATE fills
    bool m_bInFirstName = false;
    bool m_bNamed = false;
    std::string* m_pText = nullptr;
    std::int32_t m_nTextLevel = 0;
    std::vector<KIN_GedcomReference> m_references;
    std::size_t m_nRecordReferences = 0; // where the current record's pointers start
    Ids m_peopleIds;
    Ids m_familyIds;
};

#endif
