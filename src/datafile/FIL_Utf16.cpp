#include "FIL_Utf16.h"

#include <cstdint>

std::string FIL_Utf16VersUtf8(const char16_t* pTexte)
{
    std::string resultat;
    if (!pTexte)
        return resultat;
    for (const char16_t* p = pTexte; *p; ++p)
    {
        std::uint32_t nCode = *p;
        if (nCode >= 0xD800 && nCode <= 0xDBFF && p[1] >= 0xDC00 && p[1] <= 0xDFFF)
        {
            nCode = 0x10000 + ((nCode - 0xD800) << 10) + (p[1] - 0xDC00);
            ++p;
        }
        else if (nCode >= 0xD800 && nCode <= 0xDFFF)
            break;
        if (nCode < 0x80)
            resultat += static_cast<char>(nCode);
        else if (nCode < 0x800)
        {
            resultat += static_cast<char>(0xC0 | (nCode >> 6));
            resultat += static_cast<char>(0x80 | (nCode & 0x3F));
        }
        else if (nCode < 0x10000)
        {
            resultat += static_cast<char>(0xE0 | (nCode >> 12));
            resultat += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
            resultat += static_cast<char>(0x80 | (nCode & 0x3F));
        }
        else
        {
            resultat += static_cast<char>(0xF0 | (nCode >> 18));
            resultat += static_cast<char>(0x80 | ((nCode >> 12) & 0x3F));
            resultat += static_cast<char>(0x80 | ((nCode >> 6) & 0x3F));
            resultat += static_cast<char>(0x80 | (nCode & 0x3F));
        }
    }
    return resultat;
}
