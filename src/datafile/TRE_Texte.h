#ifndef TRE_TEXTE_H
#define TRE_TEXTE_H

#include <cstddef>
#include <iosfwd>
#include <memory>
#include <string>

// Texts of the element tree: NUL-terminated byte arrays owned by their element. The 8-bit
// encoding of the tree is UTF-8; the conversions only let valid text through.

std::unique_ptr<char[]> TRE_CopierTexte(const char* pTexte);
std::unique_ptr<char[]> TRE_CopierTexte(const char* pTexte, std::size_t nLongueur);

// Appends the parser's UTF-8 text to sResultat. At the first sequence that cannot be
// represented, prints the conversion message on standard error, stops and answers false.
bool TRE_Utf8VersLocal(const char* pTexte, std::size_t nLongueur, std::string& sResultat);
// The length of the part of the text that the conversion above keeps, with its message
// when it cuts.
std::size_t TRE_LongueurUtf8VersLocal(const char* pTexte, std::size_t nLongueur);
// Appends the 8-bit text as UTF-8; cuts at the first invalid sequence, with its message.
bool TRE_LocalVersUtf8(const char* pTexte, std::size_t nLongueur, std::string& sResultat);

// Writes the text with the five XML special characters replaced by their entities.
void EcrireTexteXml(std::ostream& flux, const char* pTexte);

// Blank, tab, line feed, vertical tab, form feed, carriage return; never a byte >= 128.
inline bool TRE_EstBlanc(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

inline bool TRE_EstLettre(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

inline bool TRE_EstChiffre(char c)
{
    return c >= '0' && c <= '9';
}

inline bool TRE_EstHaut(char c)
{
    return static_cast<unsigned char>(c) >= 128;
}

#endif
