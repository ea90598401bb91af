#ifndef KIN_EXPORTTOOL_H
#define KIN_EXPORTTOOL_H

#include "KIN_GedcomImport.h"
#include "KIN_PdfOptions.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// Turns a diagram file, or the family tree of a GEDCOM file, into the PNG that "Export image"
// writes (at a resolution), a PDF of one page or a poster, an SVG drawing, or the diagram
// loaded and saved again. PNG, PDF and SVG need a QApplication.
class KIN_ExportTool
{
public:
    enum Result
    {
        Success = 0,
        Failure = 1,
        BadArguments = 2
    };

    struct Options
    {
        std::string input;
        std::string output;
        // 0: the largest resolution image viewers open, at most 1x.
        double resolution = 0;
        KIN_PdfOptions pdf;
        // Of a GEDCOM file: everyone, or the chart of one person.
        KIN_GedcomChartSpec chart;
    };

    static const char* Usage();
    // Reads the arguments after the program's name; false when they do not make a run.
    static bool Parse(const std::vector<std::string>& arguments, Options& options);
    // Runs the tool on its two arguments; messages go to error, and notes (the summary line
    // of a GEDCOM import, a resolution chosen for the image) to pNotes when given. startGui
    // is called before anything is drawn, so that a diagram that cannot be loaded needs no
    // GUI at all.
    static int Run(
        const std::string& input, const std::string& output, std::ostream& error,
        const std::function<void()>& startGui = [] {}, std::ostream* pNotes = nullptr);
    static int Run(
        const Options& options, std::ostream& error, const std::function<void()>& startGui = [] {},
        std::ostream* pNotes = nullptr);
};

#endif
