#ifndef KIN_GEDCOMIMPORT_H
#define KIN_GEDCOMIMPORT_H

#include "KIN_DataDiagram.h"
#include "KIN_GedcomLifespan.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The words the details are written with; the caller fills them from its text table.
struct KIN_GedcomWords
{
    std::string born = "Born", died = "Died", christened = "Christened", baptised = "Baptised",
                buried = "Buried", cremated = "Cremated";
    std::string about = "about", calculated = "calculated", estimatedDate = "estimated",
                before = "before", after = "after", between = "between", and_ = "and",
                from = "from", to = "to";
    std::string estimatedMark = "(estimated)"; // appended to a fact whose year was estimated
    std::string doubtfulMark = "(doubtful)";   // appended to a date set aside as doubtful
    std::string unknownName = "?";             // title of a person without a name
};

enum class KIN_GedcomError
{
    None,
    Unreadable,
    Empty,
    NotGedcom,
    NoDates, // nobody in the file can be placed on the time axis
    Cancelled,
    NoPerson // the chart's person is not in the file
};

// What a chart draws around its person.
enum class KIN_GedcomChartKind
{
    Everyone,
    Ancestors,
    Descendants,
    AncestorsAndDescendants,
    Relatives // blood relatives (descendants of the ancestors) and, with spouses, their spouses
};

// The people an import draws: everyone, or the relatives of one person within a number of
// generations (the person is generation 0).
struct KIN_GedcomChartSpec
{
    static constexpr std::int32_t kAll = 1 << 30; // no limit on a side

    KIN_GedcomChartKind kind = KIN_GedcomChartKind::Everyone;
    std::string root; // the person's id, with or without its @ signs
    std::int32_t nUp = 4;
    std::int32_t nDown = 4;
    // The spouses of the descendants (and of the relatives), beside them.
    bool bSpouses = true;

    bool IsEveryone() const { return kind == KIN_GedcomChartKind::Everyone; }
};

struct KIN_GedcomOptions
{
    KIN_GedcomWords words;
    std::int32_t nCurrentYear = 2026; // the one place the current year comes from
    KIN_GedcomChartSpec chart;
    // Called now and then with the work done so far out of the total; false cancels.
    std::function<bool(std::size_t nDone, std::size_t nTotal)> progress;
};

// How sure the years of one period are: each exact (the file's date), estimated (no date)
// or doubtful (the file's date set aside), and whether the file's date was qualified (about,
// calculated, estimated, before, after, between, from-to, interpreted or free text).
struct KIN_GedcomPeriodYears
{
    KIN_GedcomYearKind begin = KIN_GedcomYearKind::Exact;
    KIN_GedcomYearKind end = KIN_GedcomYearKind::Exact;
    bool bBeginQualified = false;
    bool bEndQualified = false;
    // Alive: the end is the current year, not a death.
    bool bLiving = false;

    bool UncertainBegin() const { return begin != KIN_GedcomYearKind::Exact || bBeginQualified; }
    bool UncertainEnd() const
    {
        return end != KIN_GedcomYearKind::Exact || bEndQualified || bLiving;
    }
};

struct KIN_GedcomResult
{
    KIN_GedcomError error = KIN_GedcomError::None;
    std::string detail;         // why, for the message: e.g. the first line found, the system error
    KIN_DataDiagram diagram;    // valid (normalised ranges) when error is None
    std::size_t nPeople = 0;    // individuals drawn
    std::size_t nFamilies = 0;  // families read
    std::size_t nEstimated = 0; // people with at least one estimated year (doubtful included)
    std::size_t nDoubtful = 0;  // people with a date set aside as doubtful
    std::size_t nLeftOut = 0;   // people with no date and no dated relative at any distance
    std::int32_t nShownId = 0;  // the period to select first: the earliest of the largest family
    std::vector<KIN_GedcomPeriodYears> periodYears; // one a period of the diagram, in its order
    // A chart of one person: their title (the summary names them) and the generations drawn.
    std::string rootTitle;
    std::int32_t nGenerations = 0;
};

// A file read and its years estimated on the whole tree, ready to be drawn as any chart.
struct KIN_GedcomReadTree
{
    KIN_GedcomTree tree;
    std::vector<KIN_GedcomLifespan> lifespans;
};

// Reads a GEDCOM family tree (5.5, 5.5.1, 5.5.5 or 7.0) into a diagram: one period per
// individual, an elbow link from each parent to each child, laid out without overlaps.
class KIN_GedcomImport
{
public:
    static KIN_GedcomResult ImportFile(const std::string& path, const KIN_GedcomOptions& options);
    static KIN_GedcomResult ImportBytes(std::string_view bytes, const KIN_GedcomOptions& options);

    // The two halves of an import, for a caller that asks what to draw in between: reading
    // (the error is None or why not) and drawing the chart of the options.
    static KIN_GedcomResult ReadFile(const std::string& path, const KIN_GedcomOptions& options,
                                     KIN_GedcomReadTree& read);
    static KIN_GedcomResult ReadBytes(std::string_view bytes, const KIN_GedcomOptions& options,
                                      KIN_GedcomReadTree& read);
    static KIN_GedcomResult Draw(const KIN_GedcomReadTree& read, const KIN_GedcomOptions& options);
};

#endif
