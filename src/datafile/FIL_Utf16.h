#ifndef FIL_UTF16_H
#define FIL_UTF16_H

#include <string>

// Wide names and paths as the tree's 8-bit (UTF-8) text; stops at an unpaired surrogate.
std::string FIL_Utf16VersUtf8(const char16_t* pTexte);

#endif
