#ifndef KIN_DIAGRAMFILEFORMAT_H
#define KIN_DIAGRAMFILEFORMAT_H

#include "KIN_DataDiagram.h"

#include <string>

// The diagram file: root <kinvora>, one E element with the limits, then one empty element
// per period (P), link (L) and image (I), each on its own line, free texts escaped.
class KIN_DiagramFileFormat
{
public:
    // Writes the diagram through KIT_DurableFile: a failed save or a power cut keeps the
    // previous file, a link is followed to the file it names, a read-only file stays as it is
    // and a replaced one keeps its permission bits.
    static bool Save(const KIN_DataDiagram& diagram, const std::string& fileName);

    // A save killed half-way leaves its unfinished file beside the target (beside the file a
    // link names): removes those of writers that no longer run (a running one may still be
    // saving).
    static void RemoveStaleSiblings(const std::string& fileName);

    // Reads a diagram file, XML or the same elements as brace text, into diagram, replacing all of
    // it; false, with diagram left as it was, when the file cannot be read or has no complete E
    // element. Values are not clamped here. Elements missing one of their attributes are skipped.
    static bool Load(const std::string& fileName, KIN_DataDiagram& diagram);
};

#endif
