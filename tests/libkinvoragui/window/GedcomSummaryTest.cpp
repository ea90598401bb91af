// The import's summary counts people, families and generations with the noun each count takes.
#include "KIN_SummaryCases.h"

TEST(GedcomSummary, CountsTakeTheSingularForOne)
{
    KIN_ExpectSummaries(
        {{1, 0, 0, 0, 0, "Imported 1 person and 0 families; 0 with estimated dates."},
         {2, 1, 1, 1, 1,
          "Imported 2 people and 1 family; 1 with estimated dates. 1 with doubtful dates, "
          "placed as if unknown. 1 left out: neither they nor their relatives have a date."},
         {30, 12, 4, 2, 3,
          "Imported 30 people and 12 families; 4 with estimated dates. 2 with doubtful dates, "
          "placed as if unknown. 3 left out: neither they nor their relatives have a date."},
         {1, 0, 0, 0, 0, "Descendants of Anna Lind: 1 person in 1 generation.",
          KIN_GedcomChartKind::Descendants, 1}});
}
