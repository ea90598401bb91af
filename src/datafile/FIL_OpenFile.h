#ifndef FIL_OPENFILE_H
#define FIL_OPENFILE_H

#include "FIL_IAutomat.h"
#include "sp.h"

// Opens a structured file, XML or brace text; a null handle when it cannot be read or
// parsed (the reason is in FIL_GetLastError). With neither path, a null handle.
sp<FIL_IAutomat> FIL_OpenFile(const char* pPath, const char16_t* pPathW, bool bXml);
sp<FIL_IAutomat> FIL_OpenXml(const char* pPath);

#endif
