// Reads the input as XML through the access interface, walks the tree and prints it in the
// brace text format and as XML.
#include "FIL_IAutomat.h"
#include "FIL_IElement.h"
#include "FIL_OpenFile.h"
#include "FuzzInput.h"

#include <cstdint>
#include <string>

namespace
{
constexpr int kMaxDepth = 16;
constexpr int kMaxOccurrences = 64;
constexpr int kMaxVisits = 2000;

// A field's value is reached again under the field's name: the walk keeps a budget so
// that it stays linear in the input.
void Walk(const sp<FIL_IElement>& element, int nDepth, int& nVisits)
{
    if (!element || nDepth > kMaxDepth || ++nVisits > kMaxVisits)
        return;
    element->GetNames(true);
    for (const std::string& name : element->GetNames(false))
    {
        std::string text;
        long long nNumber = 0;
        double fNumber = 0;
        element->GetValue(name.c_str(), text);
        element->GetValue(name.c_str(), nNumber);
        element->GetValue(name.c_str(), fNumber);
        for (int nIndex = 1; nIndex <= kMaxOccurrences; ++nIndex)
        {
            const sp<FIL_IElement> child = element->GetElement(name.c_str(), nIndex);
            if (!child)
                break;
            Walk(child, nDepth + 1, nVisits);
        }
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const FuzzInput input(pData, nSize, ".xml");
    const sp<FIL_IAutomat> automat = FIL_OpenXml(input.Path().c_str());
    if (!automat)
        return 0;
    int nVisits = 0;
    Walk(automat->GetRoot(), 0, nVisits);
    automat->SaveFile("/dev/null");
    automat->SaveStream("/dev/null");
    return 0;
}
