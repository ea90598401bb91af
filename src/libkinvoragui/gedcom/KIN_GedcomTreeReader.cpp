#include "KIN_GedcomTreeReader.h"

#include "KIN_GedcomAscii.h"
#include "KIN_GedcomDateParser.h"
#include "KIN_GedcomLineReader.h"

#include <algorithm>
#include <array>
#include <utility>

namespace
{
using Relation = KIN_GedcomReference::Relation;
using Sex = KIN_GedcomPerson::Sex;

constexpr std::size_t kLinesPerReport = 4096;
constexpr std::size_t kBytesPerRecord = 200;
constexpr std::size_t kMaxReserved = 1 << 22;

struct FactTag
{
    std::string_view tag;
    KIN_GedcomFact fact;
};

constexpr std::array<FactTag, kGedcomFactCount> kFactTags = {{
    {"BIRT", KIN_GedcomFact::Birth},
    {"CHR", KIN_GedcomFact::Christening},
    {"BAPM", KIN_GedcomFact::Baptism},
    {"DEAT", KIN_GedcomFact::Death},
    {"BURI", KIN_GedcomFact::Burial},
    {"CREM", KIN_GedcomFact::Cremation},
}};

// Events that date a person without being a birth or a death: born before, alive about then.
constexpr std::array<std::string_view, 24> kOtherEventTags = {
    "CENS", "RESI", "OCCU", "EDUC", "GRAD", "WILL", "PROB", "EMIG", "IMMI", "NATU", "RETI", "CONF",
    "FCOM", "ORDN", "EVEN", "ADOP", "BARM", "BASM", "BLES", "CHRA", "PROP", "RELI", "TITL", "FACT"};

Sex SexOf(std::string_view value)
{
    value = KIN_GedcomAscii::Trim(value);
    const char c = value.empty() ? ' ' : value.front();
    if (c == 'M' || c == 'm')
        return Sex::Male;
    if (c == 'F' || c == 'f')
        return Sex::Female;
    return Sex::Unknown;
}
} // namespace

bool KIN_GedcomTreeReader::Read(std::string_view text, KIN_GedcomTree& tree)
{
    m_pTree = &tree;
    // Room for the ids of a file of short records: rehashing costs more than the buckets.
    const std::size_t nExpected =
        std::min<std::size_t>(text.size() / kBytesPerRecord, kMaxReserved);
    m_peopleIds.reserve(nExpected);
    m_familyIds.reserve(nExpected / 2);
    KIN_GedcomLineReader reader(text);
    KIN_GedcomLine line;
    std::size_t nLines = 0;
    while (reader.Next(line))
    {
        OnLine(line);
        if (++nLines % kLinesPerReport == 0 &&
            !m_progress.Report(KIN_GedcomProgress::Stage::Read, reader.Offset(), text.size()))
            return false;
    }
    EndRecord();
    KIN_GedcomTreeLinker::Link(m_references, m_peopleIds, m_familyIds, tree);
    return !m_progress.Cancelled();
}

void KIN_GedcomTreeReader::OnLine(const KIN_GedcomLine& line)
{
    if (line.nLevel < 0)
        return;
    if (line.nLevel == 0)
    {
        EndRecord();
        StartRecord(line);
        return;
    }
    if (line.tag == "CONC" || line.tag == "CONT")
    {
        if (m_pText && line.nLevel == m_nTextLevel + 1)
        {
            if (line.tag == "CONT")
                m_pText->push_back('\n');
            m_pText->append(line.value);
        }
        return;
    }
    if (line.nLevel <= m_nTextLevel)
        m_pText = nullptr;
    if (m_record == Record::Person)
        OnPersonLine(line);
    else if (m_record == Record::Family)
        OnFamilyLine(line);
}

void KIN_GedcomTreeReader::StartRecord(const KIN_GedcomLine& line)
{
    m_record = line.tag == "INDI"  ? Record::Person
               : line.tag == "FAM" ? Record::Family
                                   : Record::Other;
    m_xref = line.xref;
    m_person = KIN_GedcomPerson();
    m_family = KIN_GedcomFamily();
    m_nEvent = kNoEvent;
    m_pOtherDate = nullptr;
    m_bInFirstName = false;
    m_bNamed = false;
    m_pText = nullptr;
    m_nRecordReferences = m_references.size();
}

// A record whose id is taken already is dropped with its pointers: the first one stays.
void KIN_GedcomTreeReader::EndRecord()
{
    if (m_record == Record::Other)
        return;
    const bool bPerson = m_record == Record::Person;
    m_record = Record::Other;
    m_pText = nullptr;
    Ids& ids = bPerson ? m_peopleIds : m_familyIds;
    const auto nIndex =
        static_cast<std::int32_t>(bPerson ? m_pTree->people.size() : m_pTree->families.size());
    if (!m_xref.empty() && !ids.emplace(m_xref, nIndex).second)
    {
        m_references.resize(m_nRecordReferences);
        return;
    }
    if (bPerson)
    {
        m_person.xref = std::string(m_xref);
        m_pTree->people.push_back(std::move(m_person));
    }
    else
    {
        m_family.xref = std::string(m_xref);
        m_pTree->families.push_back(std::move(m_family));
    }
}

void KIN_GedcomTreeReader::OnPersonLine(const KIN_GedcomLine& line)
{
    if (line.nLevel == 1)
    {
        m_nEvent = kNoEvent;
        m_pOtherDate = nullptr;
        m_bInFirstName = false;
        if (line.tag == "NAME" && !m_bNamed)
        {
            m_bNamed = true;
            m_bInFirstName = true;
            ReadText(m_person.name, line);
        }
        else if (line.tag == "SEX")
            m_person.sex = SexOf(line.value);
        else if (line.tag == "FAMC")
            Refer(Relation::ChildOf, line.value);
        else if (line.tag == "FAMS")
            Refer(Relation::SpouseIn, line.value);
        for (const FactTag& factTag : kFactTags)
        {
            if (line.tag == factTag.tag)
                StartEvent(factTag.fact);
        }
        if (std::find(kOtherEventTags.begin(), kOtherEventTags.end(), line.tag) !=
            kOtherEventTags.end())
            m_pOtherDate = &m_person.otherDates.emplace_back();
        return;
    }
    if (line.nLevel != 2)
        return;
    if (m_pOtherDate && line.tag == "DATE")
    {
        ReadText(*m_pOtherDate, line);
        return;
    }
    KIN_GedcomEvent* const pEvent =
        m_nEvent < m_person.events.size() ? &m_person.events[m_nEvent] : nullptr;
    if (pEvent && line.tag == "DATE" && !KIN_GedcomDateParser::Parse(pEvent->date).bHasYear)
        ReadText(pEvent->date, line);
    else if (pEvent && line.tag == "PLAC" && pEvent->place.empty())
        ReadText(pEvent->place, line);
    else if (m_bInFirstName && line.tag == "GIVN")
        ReadText(m_person.given, line);
    else if (m_bInFirstName && line.tag == "SURN")
        ReadText(m_person.surname, line);
}

// The first record of a fact holds it; a later one adds to it until it has a dated year, so
// that an undated first record gives way to a dated one.
void KIN_GedcomTreeReader::StartEvent(KIN_GedcomFact fact)
{
    for (std::size_t n = 0; n < m_person.events.size(); ++n)
    {
        if (m_person.events[n].fact == fact)
        {
            m_nEvent = n;
            return;
        }
    }
    m_nEvent = m_person.events.size();
    m_person.events.push_back(KIN_GedcomEvent{fact, {}, {}});
}

// The first MARR record with a year gives the marriage date.
void KIN_GedcomTreeReader::OnFamilyLine(const KIN_GedcomLine& line)
{
    if (line.nLevel == 2 && m_pOtherDate && line.tag == "DATE" &&
        !KIN_GedcomDateParser::Parse(m_family.marriage).bHasYear)
        ReadText(m_family.marriage, line);
    if (line.nLevel != 1)
        return;
    m_pOtherDate = line.tag == "MARR" ? &m_family.marriage : nullptr;
    if (line.tag == "HUSB")
        Refer(Relation::Husband, line.value);
    else if (line.tag == "WIFE")
        Refer(Relation::Wife, line.value);
    else if (line.tag == "CHIL")
        Refer(Relation::Child, line.value);
}

void KIN_GedcomTreeReader::Refer(Relation relation, std::string_view value)
{
    const bool bPerson = m_record == Record::Person;
    const auto nOwner =
        static_cast<std::int32_t>(bPerson ? m_pTree->people.size() : m_pTree->families.size());
    m_references.push_back(
        KIN_GedcomReference{nOwner, relation, KIN_GedcomAscii::PointerTarget(value)});
}

void KIN_GedcomTreeReader::ReadText(std::string& target, const KIN_GedcomLine& line)
{
    target.assign(line.value);
    m_pText = &target;
    m_nTextLevel = line.nLevel;
}
