#ifndef KIN_EXPORTTOOL_H
#define KIN_EXPORTTOOL_H

#include <functional>
#include <iosfwd>
#include <string>

// Turns a diagram file, or the family tree of a GEDCOM file, into the PNG that "Export image" writes, a PDF page of the same
// drawing, or the diagram loaded and saved again. PNG and PDF need a QApplication.
class KIN_ExportTool
{
public:
    enum Result
    {
        Success = 0,
        Failure = 1,
        BadArguments = 2
    };

    static const char* Usage();
    // Runs the tool on its two arguments; messages go to error, and the summary line of a
    // GEDCOM import to pSummary when given. startGui is called before anything is drawn, so
    // that a diagram that cannot be loaded needs no GUI at all.
    static int Run(
        const std::string& input, const std::string& output, std::ostream& error,
        const std::function<void()>& startGui = [] {}, std::ostream* pSummary = nullptr);
};

#endif
