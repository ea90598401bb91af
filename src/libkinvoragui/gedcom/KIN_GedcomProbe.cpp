#include "KIN_GedcomProbe.h"

#include "KIN_GedcomDecoder.h"
#include "KIN_GedcomLine.h"
#include "KIN_GedcomLineReader.h"

#include <fstream>

namespace
{
// Room for a byte-order mark, blank lines and the header line, in 16-bit text too.
constexpr std::streamsize kProbeBytes = 4096;
} // namespace

bool KIN_GedcomProbe::StartsAsGedcom(std::string_view bytes)
{
    const std::string text = KIN_GedcomDecoder::Decode(bytes);
    KIN_GedcomLineReader reader(text);
    KIN_GedcomLine line;
    return reader.Next(line) && line.nLevel == 0 && line.tag == "HEAD";
}

bool KIN_GedcomProbe::IsGedcomFile(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return false;
    std::string bytes(static_cast<std::size_t>(kProbeBytes), '\0');
    file.read(bytes.data(), kProbeBytes);
    bytes.resize(static_cast<std::size_t>(file.gcount()));
    return StartsAsGedcom(bytes);
}
