#include "FIL_OpenFile.h"

#include "FIL_PrivateAutomat.h"

sp<FIL_IAutomat> FIL_OpenFile(const char* pPath, const char16_t* pPathW, bool bXml)
{
    if (!pPath && !pPathW)
        return sp<FIL_IAutomat>();
    auto* pAutomat = new FIL_PrivateAutomat();
    sp<FIL_IAutomat> automat(pAutomat);
    if (!pAutomat->LoadFile(pPath, pPathW, bXml))
        return sp<FIL_IAutomat>();
    return automat;
}

sp<FIL_IAutomat> FIL_OpenXml(const char* pPath)
{
    return FIL_OpenFile(pPath, nullptr, true);
}
