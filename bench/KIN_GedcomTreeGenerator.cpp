#include "KIN_GedcomTreeGenerator.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace
{
constexpr std::int32_t kLastBirth = 2020;
constexpr std::int32_t kToday = 2026;
// A list of children mixes generations: cousins who marry are born at most this far apart.
constexpr std::int32_t kCousinAgeGap = 10;

constexpr std::array<const char*, 16> kMen = {
    "Björn", "Søren", "Jürgen", "François", "José", "Ángel", "Nils",   "Håkan",
    "Lukáš", "Jiří",  "Olaf",   "Mikołaj",  "Élie", "Tomáš", "Anders", "Gösta"};
constexpr std::array<const char*, 16> kWomen = {
    "Åsa",   "Zoë",  "Renée", "Małgorzata", "Ingrid", "Mária", "Hélène", "Siobhán",
    "Agnès", "Dóra", "Karin", "Françoise",  "Anneli", "Žofie", "Märta",  "Brigitte"};
constexpr std::array<const char*, 16> kSurnames = {
    "Ström",   "Müller", "Nuñez",   "Dvořák", "Kovačević", "Lefèvre", "Ørsted",   "Åkesson",
    "Łukasik", "Gómez",  "Schäfer", "Brontë", "Svensson",  "Novák",   "Fournier", "Ó Briain"};
constexpr std::array<const char*, 12> kPlaces = {"Ystad, Skåne, Sverige",
                                                 "Besançon, Doubs, France",
                                                 "Kraków, Małopolska, Polska",
                                                 "Zürich, Schweiz",
                                                 "Sønderborg, Danmark",
                                                 "Brno, Morava, Česko",
                                                 "Córdoba, Andalucía, España",
                                                 "Tromsø, Norge",
                                                 "Lübeck, Deutschland",
                                                 "Łódź, Polska",
                                                 "Cork, Éire",
                                                 "Växjö, Småland, Sverige"};
constexpr std::array<const char*, 12> kMonths = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                 "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
} // namespace

std::string KIN_GedcomTreeGenerator::Generate(std::size_t nPeople, std::uint32_t nSeed)
{
    KIN_GedcomTreeGenerator generator(nPeople, nSeed);
    generator.Grow();
    return generator.Write();
}

KIN_GedcomTreeGenerator::KIN_GedcomTreeGenerator(std::size_t nPeople, std::uint32_t nSeed)
    : m_nPeople(nPeople), m_random(nSeed)
{
    m_people.reserve(nPeople + 8);
    m_families.reserve(nPeople / 2 + 8);
}

// Generation after generation until the tree is full; when a line of descent dies out
// before, new founders start another tree in the same file.
void KIN_GedcomTreeGenerator::Grow()
{
    std::vector<std::int32_t> families;
    while (!Full())
    {
        if (families.empty())
            families = AddFounders();
        families = Marry(BearChildren(families));
    }
}

std::vector<std::int32_t> KIN_GedcomTreeGenerator::AddFounders()
{
    std::vector<std::int32_t> families;
    const std::size_t nCouples = std::max<std::size_t>(2, m_nPeople / 400);
    for (std::size_t n = 0; n < nCouples && !Full(); ++n)
    {
        const std::int32_t nBorn = Between(1600, 1680);
        const std::int32_t nHusband = AddPerson(true, nBorn, m_random() % kSurnames.size());
        const std::int32_t nWife =
            AddPerson(false, nBorn + Between(0, 6), m_random() % kSurnames.size());
        families.push_back(AddFamily(nHusband, nWife));
    }
    return families;
}

std::vector<std::int32_t>
KIN_GedcomTreeGenerator::BearChildren(const std::vector<std::int32_t>& families)
{
    std::vector<std::int32_t> children;
    for (const std::int32_t nFamily : families)
    {
        const Family family = m_families[static_cast<std::size_t>(nFamily)];
        const Person& mother = m_people[static_cast<std::size_t>(family.nWife)];
        const int nCount = Chance(12) ? static_cast<int>(m_random() % 2) : Between(2, 4);
        std::int32_t nBorn = mother.nBorn + Between(19, 30);
        const std::size_t nSurname = m_people[static_cast<std::size_t>(family.nHusband)].nSurname;
        const std::int32_t nLast =
            mother.nDied == 0 ? kLastBirth : std::min(kLastBirth, mother.nDied);
        for (int n = 0; n < nCount && !Full() && nBorn <= nLast; ++n)
        {
            const std::int32_t nChild = AddPerson(Chance(50), nBorn, nSurname);
            m_people[static_cast<std::size_t>(nChild)].nChildOf = nFamily;
            m_families[static_cast<std::size_t>(nFamily)].children.push_back(nChild);
            children.push_back(nChild);
            nBorn += Between(1, 4);
        }
    }
    return children;
}

// Most children marry: a quarter of them a cousin of the same generation, the others
// someone from outside the tree; a few marry again after being widowed.
std::vector<std::int32_t> KIN_GedcomTreeGenerator::Marry(const std::vector<std::int32_t>& children)
{
    std::vector<std::int32_t> families;
    std::int32_t nWaiting[2] = {-1, -1}; // an unmarried cousin of each sex
    for (const std::int32_t nChild : children)
    {
        const Person& child = m_people[static_cast<std::size_t>(nChild)];
        const bool bDiedYoung = child.nDied != 0 && child.nDied - child.nBorn < 18;
        if (Full() || bDiedYoung || child.nBorn > kLastBirth - 18 || !Chance(80))
            continue;
        const int nSex = child.bMale ? 1 : 0;
        const std::int32_t nCousin = nWaiting[1 - nSex];
        if (nCousin >= 0 &&
            m_people[static_cast<std::size_t>(nCousin)].nChildOf != child.nChildOf &&
            std::abs(m_people[static_cast<std::size_t>(nCousin)].nBorn - child.nBorn) <=
                kCousinAgeGap)
        {
            nWaiting[1 - nSex] = -1;
            families.push_back(child.bMale ? AddFamily(nChild, nCousin)
                                           : AddFamily(nCousin, nChild));
            continue;
        }
        if (Chance(25))
        {
            nWaiting[nSex] = nChild;
            continue;
        }
        const std::int32_t nSpouse = AddInLaw(!child.bMale, child.nBorn + Between(-5, 5));
        const std::int32_t nHusband = child.bMale ? nChild : nSpouse;
        const std::int32_t nWife = child.bMale ? nSpouse : nChild;
        families.push_back(AddFamily(nHusband, nWife));
        if (Chance(6) && !Full())
        {
            const std::int32_t nSecond = AddInLaw(!child.bMale, child.nBorn + Between(0, 12));
            families.push_back(child.bMale ? AddFamily(nChild, nSecond)
                                           : AddFamily(nSecond, nChild));
        }
    }
    return families;
}

// Someone marrying into the tree; for a third of them the researcher also found the parents.
std::int32_t KIN_GedcomTreeGenerator::AddInLaw(bool bMale, std::int32_t nBorn)
{
    const std::size_t nSurname = m_random() % kSurnames.size();
    const std::int32_t nInLaw = AddPerson(bMale, nBorn, nSurname);
    if (Chance(35) && !Full())
    {
        const std::int32_t nFather = AddPerson(true, nBorn - Between(24, 40), nSurname);
        const std::int32_t nMother =
            AddPerson(false, nBorn - Between(20, 34), m_random() % kSurnames.size());
        const std::int32_t nFamily = AddFamily(nFather, nMother);
        m_people[static_cast<std::size_t>(nInLaw)].nChildOf = nFamily;
        m_families[static_cast<std::size_t>(nFamily)].children.push_back(nInLaw);
    }
    return nInLaw;
}

std::int32_t KIN_GedcomTreeGenerator::AddPerson(bool bMale, std::int32_t nBorn,
                                                std::size_t nSurname)
{
    Person person;
    person.bMale = bMale;
    person.nBorn = nBorn;
    const std::int32_t nDied = nBorn + Lifetime();
    person.nDied = nDied < kToday ? nDied : 0;
    person.nGiven = m_random() % (bMale ? kMen.size() : kWomen.size());
    person.nSurname = nSurname;
    person.nPlace = m_random() % kPlaces.size();
    m_people.push_back(person);
    return static_cast<std::int32_t>(m_people.size()) - 1;
}

std::int32_t KIN_GedcomTreeGenerator::AddFamily(std::int32_t nHusband, std::int32_t nWife)
{
    const auto nFamily = static_cast<std::int32_t>(m_families.size());
    m_families.push_back(Family{nHusband, nWife, {}});
    m_people[static_cast<std::size_t>(nHusband)].spouseIn.push_back(nFamily);
    m_people[static_cast<std::size_t>(nWife)].spouseIn.push_back(nFamily);
    return nFamily;
}

// Some die as children, most between 40 and 95.
std::int32_t KIN_GedcomTreeGenerator::Lifetime()
{
    return Chance(15) ? Between(0, 12) : Between(40, 95);
}

std::int32_t KIN_GedcomTreeGenerator::Between(std::int32_t nLow, std::int32_t nHigh)
{
    return nLow +
           static_cast<std::int32_t>(m_random() % static_cast<std::uint32_t>(nHigh - nLow + 1));
}

std::string KIN_GedcomTreeGenerator::Write()
{
    std::string text = "0 HEAD\n1 SOUR KINVORA_BENCH\n2 VERS 1.0\n1 GEDC\n2 VERS 5.5.1\n"
                       "2 FORM LINEAGE-LINKED\n1 CHAR UTF-8\n1 SUBM @U1@\n0 @U1@ SUBM\n"
                       "1 NAME Kinvora benchmark\n";
    text.reserve(m_people.size() * 190 + m_families.size() * 90);
    for (std::size_t n = 0; n < m_people.size(); ++n)
        WritePerson(n, text);
    for (std::size_t n = 0; n < m_families.size(); ++n)
        WriteFamily(n, text);
    text += "0 TRLR\n";
    return text;
}

void KIN_GedcomTreeGenerator::WritePerson(std::size_t nPerson, std::string& text)
{
    const Person& person = m_people[nPerson];
    const char* const pGiven = person.bMale ? kMen[person.nGiven] : kWomen[person.nGiven];
    const char* const pSurname = kSurnames[person.nSurname];
    text.append("0 @I").append(std::to_string(nPerson + 1)).append("@ INDI\n1 NAME ");
    text.append(pGiven).append(" /").append(pSurname).append("/\n2 GIVN ").append(pGiven);
    text.append("\n2 SURN ").append(pSurname).append(person.bMale ? "\n1 SEX M\n" : "\n1 SEX F\n");
    if (Chance(92))
        WriteDate("BIRT", person.nBorn, 4, person.nPlace, text);
    else if (Chance(50))
        WriteDate("CHR", person.nBorn, 0, person.nPlace, text);
    if (person.nDied != 0 && Chance(85))
        WriteDate(Chance(90) ? "DEAT" : "BURI", person.nDied, 5, person.nPlace, text);
    if (Chance(30))
        text.append("1 OCCU Farmer\n2 SOUR @S1@\n3 PAGE Parish register, folio 12\n");
    if (person.nChildOf >= 0)
        text.append("1 FAMC @F").append(std::to_string(person.nChildOf + 1)).append("@\n");
    for (const std::int32_t nFamily : person.spouseIn)
        text.append("1 FAMS @F").append(std::to_string(nFamily + 1)).append("@\n");
}

void KIN_GedcomTreeGenerator::WriteFamily(std::size_t nFamily, std::string& text)
{
    const Family& family = m_families[nFamily];
    text.append("0 @F").append(std::to_string(nFamily + 1)).append("@ FAM\n");
    text.append("1 HUSB @I").append(std::to_string(family.nHusband + 1)).append("@\n");
    text.append("1 WIFE @I").append(std::to_string(family.nWife + 1)).append("@\n");
    const std::int32_t nMarried =
        std::max(m_people[static_cast<std::size_t>(family.nHusband)].nBorn,
                 m_people[static_cast<std::size_t>(family.nWife)].nBorn) +
        Between(18, 28);
    WriteDate("MARR", nMarried, 20, 0, text);
    for (const std::int32_t nChild : family.children)
        text.append("1 CHIL @I").append(std::to_string(nChild + 1)).append("@\n");
}

// The date in one of the forms files hold, sometimes left out.
void KIN_GedcomTreeGenerator::WriteDate(const char* pTag, std::int32_t nYear, int nMissingPercent,
                                        std::size_t nPlace, std::string& text)
{
    text.append("1 ").append(pTag).append("\n");
    const std::string year = std::to_string(nYear);
    const int nForm = static_cast<int>(m_random() % 100);
    if (nForm >= nMissingPercent)
    {
        text.append("2 DATE ");
        if (nForm < 62)
            text.append(std::to_string(Between(1, 28)))
                .append(" ")
                .append(kMonths[m_random() % 12])
                .append(" ")
                .append(year);
        else if (nForm < 72)
            text.append(kMonths[m_random() % 12]).append(" ").append(year);
        else if (nForm < 82)
            text.append(year);
        else if (nForm < 90)
            text.append("ABT ").append(year);
        else if (nForm < 94)
            text.append("BEF ").append(year);
        else
            text.append("BET ").append(year).append(" AND ").append(std::to_string(nYear + 2));
        text.push_back('\n');
    }
    text.append("2 PLAC ").append(kPlaces[nPlace]).append("\n");
}
