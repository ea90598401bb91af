#ifndef KIN_SUMMARYCASES_H
#define KIN_SUMMARYCASES_H

#include "KIN_GedcomTexts.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <initializer_list>

// The counts of an import and the summary the build's text table gives them, for the tests of
// each language. A chart is one of "Anna Lind".
struct KIN_SummaryCase
{
    std::size_t nPeople, nFamilies, nEstimated, nDoubtful, nLeftOut;
    const char* pSummary;
    KIN_GedcomChartKind kind = KIN_GedcomChartKind::Everyone;
    std::size_t nGenerations = 0;
};

inline void KIN_ExpectSummaries(std::initializer_list<KIN_SummaryCase> cases)
{
    for (const KIN_SummaryCase& c : cases)
    {
        KIN_GedcomResult result;
        result.nPeople = c.nPeople;
        result.nFamilies = c.nFamilies;
        result.nEstimated = c.nEstimated;
        result.nDoubtful = c.nDoubtful;
        result.nLeftOut = c.nLeftOut;
        result.nGenerations = c.nGenerations;
        result.rootTitle = "Anna Lind";
        EXPECT_EQ(KIN_GedcomTexts::Summary(result, c.kind), c.pSummary);
    }
}

#endif
