#ifndef KIN_GEDCOMDETAILS_H
#define KIN_GEDCOMDETAILS_H

#include "KIN_GedcomImport.h"
#include "KIN_GedcomLifespan.h"
#include "KIN_GedcomTree.h"

#include <cstdint>
#include <limits>
#include <string>

// The texts of a person's period. The title is the name as people write it; the details
// hold one line per fact ("Born 3 Mar 1871, Ystad, Sweden"), a Born or Died line for an
// estimated year, the file's text of a doubtful date kept and marked ("Born 20 (doubtful);
// 1796 (estimated)"), and last the record's id ("GEDCOM @I12@").
class KIN_GedcomDetails
{
public:
    explicit KIN_GedcomDetails(const KIN_GedcomWords& words) : m_words(words) {}

    // The first NAME without the slashes around the surname, else its GIVN and SURN, else
    // the word for an unknown name.
    std::string Title(const KIN_GedcomPerson& person) const;
    std::string Details(const KIN_GedcomPerson& person, const KIN_GedcomLifespan& lifespan) const;

private:
    static constexpr std::int64_t kNoYear = std::numeric_limits<std::int64_t>::min();
    struct Line
    {
        const KIN_GedcomEvent* pEvent = nullptr; // null for a fact known only by its estimate
        bool bEstimated = false;                 // the estimated year follows, marked
        bool bDoubtful = false;                  // the file's date is marked doubtful
        std::int64_t nEstimatedYear = kNoYear;
    };

    void AppendLine(KIN_GedcomFact fact, const Line& line, std::string& details) const;
    const std::string& WordOf(KIN_GedcomFact fact) const;

    const KIN_GedcomWords& m_words;
};

#endif
