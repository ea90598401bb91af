#ifndef KIN_DIAGRAMFILEFORMAT_H
#define KIN_DIAGRAMFILEFORMAT_H

#include "KIN_DataDiagram.h"

#include <string>

// The diagram file: root <kinvora>, one E element with the limits, then one empty element
// per period (P), link (L) and image (I), each on its own line, free texts escaped.
class KIN_DiagramFileFormat
{
public:
    // Writes the diagram. The file is written beside the target under another name and
    // renamed over it only once complete, so a failed save keeps the previous file.
    static bool Save(const KIN_DataDiagram& diagram, const std::string& fileName);

    // A save killed half-way leaves its unfinished file beside the target: removes those of
    // writers that no longer run (a running one may still be saving).
    static void RemoveStaleSiblings(const std::string& fileName);

    // Reads a diagram file into diagram, replacing all of it; false, with diagram left as
    // it was, when the file cannot be read or has no complete E element. Values are not
    // clamped here. Elements missing one of their attributes are skipped.
    static bool Load(const std::string& fileName, KIN_DataDiagram& diagram);
};

#endif
