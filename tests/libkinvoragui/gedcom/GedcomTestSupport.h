#ifndef GEDCOMTESTSUPPORT_H
#define GEDCOMTESTSUPPORT_H

#include "KIN_DateLimits.h"
#include "KIN_DateScale.h"
#include "KIN_GedcomImport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

// The checks every imported diagram must pass, and lookups by title.

// A UTF-8 GEDCOM file of the records.
inline std::string GedcomFile(const std::string& records)
{
    return "0 HEAD\n1 CHAR UTF-8\n" + records + "0 TRLR\n";
}

inline KIN_GedcomResult Import(const std::string& text, std::int32_t nCurrentYear = 2026)
{
    KIN_GedcomOptions options;
    options.nCurrentYear = nCurrentYear;
    return KIN_GedcomImport::ImportBytes(text, options);
}

inline const KIN_DataPeriod* FindPeriod(const KIN_DataDiagram& diagram, const std::string& title)
{
    const auto found =
        std::find_if(diagram.periods.begin(), diagram.periods.end(),
                     [&](const KIN_DataPeriod& period) { return period.title == title; });
    return found == diagram.periods.end() ? nullptr : &*found;
}

// Two periods overlap when they share a column and a year (their ends included).
inline bool Overlap(const KIN_DataPeriod& a, const KIN_DataPeriod& b)
{
    const bool bColumns = a.column < b.column + b.width && b.column < a.column + a.width;
    const bool bYears = a.begin <= b.end && b.begin <= a.end;
    return bColumns && bYears;
}

inline void ExpectNoOverlaps(const KIN_DataDiagram& diagram)
{
    const std::vector<KIN_DataPeriod>& periods = diagram.periods;
    for (std::size_t i = 0; i < periods.size(); ++i)
    {
        for (std::size_t j = i + 1; j < periods.size(); ++j)
        {
            EXPECT_FALSE(Overlap(periods[i], periods[j]))
                << periods[i].title << " and " << periods[j].title << " overlap";
        }
    }
}

// Ids 1..N, ranges a document keeps as they are, links between existing periods, each once,
// and limits that enclose every period.
inline void ExpectValidDiagram(const KIN_DataDiagram& diagram)
{
    const std::vector<KIN_DataPeriod>& periods = diagram.periods;
    for (std::size_t n = 0; n < periods.size(); ++n)
    {
        const KIN_DataPeriod& period = periods[n];
        EXPECT_EQ(period.id, static_cast<std::int32_t>(n) + 1);
        EXPECT_GE(period.begin, KIN_DateLimits::kFirstBeginYear);
        EXPECT_LE(period.begin, KIN_DateLimits::kLastBeginYear);
        EXPECT_LE(period.end, KIN_DateLimits::kLastEndYear);
        EXPECT_LE(period.begin, period.end);
        EXPECT_GE(period.column, 0);
        EXPECT_GE(period.width, 2);
        EXPECT_LE(period.column + period.width, diagram.width);
    }
    for (std::size_t n = 0; n < diagram.links.size(); ++n)
    {
        const KIN_DataLink& link = diagram.links[n];
        EXPECT_GE(link.period1, 1);
        EXPECT_LE(link.period1, static_cast<std::int32_t>(periods.size()));
        EXPECT_GE(link.period2, 1);
        EXPECT_LE(link.period2, static_cast<std::int32_t>(periods.size()));
        EXPECT_NE(link.period1, link.period2);
        EXPECT_EQ(std::count(diagram.links.begin(), diagram.links.end(), link), 1);
    }
    if (!periods.empty())
    {
        const auto earliest = std::min_element(periods.begin(), periods.end(),
                                               [](const KIN_DataPeriod& a, const KIN_DataPeriod& b)
                                               { return a.begin < b.begin; });
        const auto latest = std::max_element(periods.begin(), periods.end(),
                                             [](const KIN_DataPeriod& a, const KIN_DataPeriod& b)
                                             { return a.end < b.end; });
        const std::vector<std::int64_t>& years = KIN_ScaleYears();
        EXPECT_LE(years[static_cast<std::size_t>(diagram.begin)], earliest->begin);
        EXPECT_GE(years[static_cast<std::size_t>(diagram.end)], latest->end);
    }
    EXPECT_GE(diagram.begin, 0);
    EXPECT_LE(diagram.begin, KIN_DateLimits::kLastBeginStep);
    EXPECT_GT(diagram.end, diagram.begin);
    EXPECT_LE(diagram.end, KIN_DateLimits::kLastEndStep);
    EXPECT_GE(diagram.width, 10);
}

inline bool SameDiagram(const KIN_DataDiagram& a, const KIN_DataDiagram& b)
{
    return a.periods == b.periods && a.links == b.links && a.begin == b.begin && a.end == b.end &&
           a.width == b.width;
}

#endif
