// Reads the input in the brace text format and prints the tree back.
#include "FuzzInput.h"
#include "TRE_Automate.h"

#include <cstdint>
#include <sstream>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const FuzzInput input(pData, nSize, ".txt");
    TRE_Automate automate;
    if (!automate.LoadText(input.Path().c_str()))
        return 0;
    automate.SaveFile("/dev/null");
    if (automate.GetRoot())
    {
        std::ostringstream flux;
        automate.GetRoot()->EcrireXml(flux, 0);
    }
    return 0;
}
