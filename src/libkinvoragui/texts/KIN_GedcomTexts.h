#ifndef KIN_GEDCOMTEXTS_H
#define KIN_GEDCOMTEXTS_H

#include "KIN_GedcomImport.h"

#include <string>

// The build's words for an imported tree, and why an import was refused, in its language.
// The window and the export tool both import through these.
class KIN_GedcomTexts
{
public:
    static KIN_GedcomWords Words();
    // The options of an import in this build: its words and the current year.
    static KIN_GedcomOptions Options();
    // One line saying why; empty for a result without error. file: the tree read, as named.
    static std::string Reason(const KIN_GedcomResult& result, const std::string& file = {});
    // The summary of a successful import: what the chart of the kind drew.
    static std::string Summary(const KIN_GedcomResult& result,
                               KIN_GedcomChartKind kind = KIN_GedcomChartKind::Everyone);

private:
    static std::string ChartSummary(const KIN_GedcomResult& result, KIN_GedcomChartKind kind);
};

#endif
