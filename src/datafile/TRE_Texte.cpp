#include "TRE_Texte.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ostream>

namespace
{
// Length of the valid UTF-8 sequence starting at pTexte, 0 when it is invalid (overlong
// forms, surrogates and values above U+10FFFF included).
std::size_t LongueurSequence(const unsigned char* p, std::size_t nReste)
{
    const unsigned char c = p[0];
    if (c < 0x80)
        return 1;
    std::size_t nLongueur = 0;
    unsigned char nMin = 0x80;
    unsigned char nMax = 0xBF;
    if (c >= 0xC2 && c <= 0xDF)
        nLongueur = 2;
    else if (c >= 0xE0 && c <= 0xEF)
    {
        nLongueur = 3;
        if (c == 0xE0)
            nMin = 0xA0;
        else if (c == 0xED)
            nMax = 0x9F;
    }
    else if (c >= 0xF0 && c <= 0xF4)
    {
        nLongueur = 4;
        if (c == 0xF0)
            nMin = 0x90;
        else if (c == 0xF4)
            nMax = 0x8F;
    }
    else
        return 0;
    if (nReste < nLongueur || p[1] < nMin || p[1] > nMax)
        return 0;
    for (std::size_t i = 2; i < nLongueur; ++i)
    {
        if (p[i] < 0x80 || p[i] > 0xBF)
            return 0;
    }
    return nLongueur;
}

// The length of the valid prefix of the text.
std::size_t PrefixeValide(const char* pTexte, std::size_t nLongueur)
{
    const auto* p = reinterpret_cast<const unsigned char*>(pTexte);
    std::size_t i = 0;
    while (i < nLongueur)
    {
        // Runs of ASCII, the bulk of every file, eight bytes at a time.
        std::uint64_t nMot = 0;
        if (nLongueur - i >= sizeof nMot)
        {
            std::memcpy(&nMot, p + i, sizeof nMot);
            if ((nMot & 0x8080808080808080ull) == 0)
            {
                i += sizeof nMot;
                continue;
            }
        }
        if (p[i] < 0x80)
        {
            ++i;
            continue;
        }
        const std::size_t n = LongueurSequence(p + i, nLongueur - i);
        if (n == 0)
            return i;
        i += n;
    }
    return nLongueur;
}

// Appends the valid prefix of the text; false when an invalid sequence cut it.
bool AjouterValide(const char* pTexte, std::size_t nLongueur, std::string& sResultat)
{
    const std::size_t nValide = PrefixeValide(pTexte, nLongueur);
    sResultat.append(pTexte, nValide);
    return nValide == nLongueur;
}

void MessageUtf8VersLocal()
{
    std::fputs("(wcstombs error:) wide character encountered encountered, that cannot be "
               "represented in multibyte\n",
               stderr);
}
} // namespace

std::unique_ptr<char[]> TRE_CopierTexte(const char* pTexte)
{
    return TRE_CopierTexte(pTexte, pTexte ? std::strlen(pTexte) : 0);
}

std::unique_ptr<char[]> TRE_CopierTexte(const char* pTexte, std::size_t nLongueur)
{
    std::unique_ptr<char[]> copie(new char[nLongueur + 1]);
    if (nLongueur > 0)
        std::memcpy(copie.get(), pTexte, nLongueur);
    copie[nLongueur] = '\0';
    return copie;
}

bool TRE_Utf8VersLocal(const char* pTexte, std::size_t nLongueur, std::string& sResultat)
{
    if (AjouterValide(pTexte, nLongueur, sResultat))
        return true;
    MessageUtf8VersLocal();
    return false;
}

std::size_t TRE_LongueurUtf8VersLocal(const char* pTexte, std::size_t nLongueur)
{
    const std::size_t nValide = PrefixeValide(pTexte, nLongueur);
    if (nValide != nLongueur)
        MessageUtf8VersLocal();
    return nValide;
}

bool TRE_LocalVersUtf8(const char* pTexte, std::size_t nLongueur, std::string& sResultat)
{
    if (AjouterValide(pTexte, nLongueur, sResultat))
        return true;
    std::fputs("(mbstowcs error:) invalid multibyte character encountered\n", stderr);
    return false;
}

void EcrireTexteXml(std::ostream& flux, const char* pTexte)
{
    if (!pTexte)
        return;
    std::string remplace;
    for (const char* p = pTexte; *p; ++p)
    {
        switch (*p)
        {
        case '"':
            remplace += "&quot;";
            break;
        case '&':
            remplace += "&amp;";
            break;
        case '\'':
            remplace += "&apos;";
            break;
        case '<':
            remplace += "&lt;";
            break;
        case '>':
            remplace += "&gt;";
            break;
        default:
            remplace += *p;
        }
    }
    std::string utf8;
    TRE_LocalVersUtf8(remplace.data(), remplace.size(), utf8);
    flux << utf8;
}
