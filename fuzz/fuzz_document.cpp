// Whatever loads as a diagram must save and load back to the very same records.
#include "FuzzInput.h"
#include "KIN_EscapeTable.h"
#include "KIN_IDataFile.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace
{
// The escaping cannot tell a token from the same letters written by the user next to
// another token ("]endl__" reads back as "__tag93" and a line feed): texts that the
// escaping itself does not give back are left out, every other text must come back byte
// for byte.
bool Representable(const std::string& text)
{
    std::string copy = text;
    KIN_EscapeTable::EscapeText(copy);
    KIN_EscapeTable::UnescapeText(copy);
    return copy == text;
}

bool SameText(const std::string& a, const std::string& b)
{
    return a == b || !Representable(a);
}

bool SamePeriod(KIN_DataPeriod a, const KIN_DataPeriod& b)
{
    if (!SameText(a.title, b.title) || !SameText(a.details, b.details))
        return false;
    a.title = b.title;
    a.details = b.details;
    return a == b;
}

bool SameImage(KIN_DataImage a, const KIN_DataImage& b)
{
    if (!SameText(a.file, b.file))
        return false;
    a.file = b.file;
    return a == b;
}

bool Same(const KIN_DataDiagram& a, const KIN_DataDiagram& b)
{
    if (a.begin != b.begin || a.end != b.end || a.width != b.width)
        return false;
    if (a.periods.size() != b.periods.size() || a.images.size() != b.images.size() ||
        a.links.size() != b.links.size())
        return false;
    for (std::size_t n = 0; n < a.periods.size(); ++n)
        if (!SamePeriod(a.periods[n], b.periods[n]))
            return false;
    for (std::size_t n = 0; n < a.images.size(); ++n)
        if (!SameImage(a.images[n], b.images[n]))
            return false;
    for (std::size_t n = 0; n < a.links.size(); ++n)
        if (a.links[n] != b.links[n])
            return false;
    return true;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const FuzzInput input(pData, nSize, ".kin.xml");
    const sp<KIN_IDataFile> document = CreateDataFile();
    if (!document->Load(input.Path()))
        return 0;
    const std::string saved = input.Path() + ".saved.xml";
    if (!document->Save(saved))
    {
        std::fprintf(stderr, "a loaded diagram did not save\n");
        std::abort();
    }
    const sp<KIN_IDataFile> reloaded = CreateDataFile();
    const bool bReloaded = reloaded->Load(saved);
    std::remove(saved.c_str());
    if (!bReloaded || !Same(*document->GetData(), *reloaded->GetData()))
    {
        std::fprintf(stderr, "a saved diagram did not load back the same\n");
        std::abort();
    }
    return 0;
}
