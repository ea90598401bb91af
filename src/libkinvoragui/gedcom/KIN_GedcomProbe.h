#ifndef KIN_GEDCOMPROBE_H
#define KIN_GEDCOMPROBE_H

#include <string>
#include <string_view>

// Tells a GEDCOM file by its content: the first record is the header, "0 HEAD", in any of
// the character sets the import reads. File names say nothing reliable (".ged", ".GED",
// ".txt" or none).
class KIN_GedcomProbe
{
public:
    // Whether the bytes start as a GEDCOM file; a cut last line does not matter.
    static bool StartsAsGedcom(std::string_view bytes);
    // Whether the file can be read and starts as a GEDCOM file.
    static bool IsGedcomFile(const std::string& path);
};

#endif
