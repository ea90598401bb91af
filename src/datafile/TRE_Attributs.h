#ifndef TRE_ATTRIBUTS_H
#define TRE_ATTRIBUTS_H

#include <cstddef>
#include <cstdint>
#include <utility>

class TRE_Groupe;

// The attributes of an XML element in one block of text, "name\0value\0" after each other,
// instead of a field and a value object per attribute. A table keeps them so until something
// needs them as elements (TRE_Table then builds its attribute group); reading a value by name
// needs no element at all.
class TRE_Attributs
{
public:
    TRE_Attributs() noexcept = default;
    ~TRE_Attributs() { Liberer(); }
    TRE_Attributs(TRE_Attributs&& autre) noexcept { *this = std::move(autre); }
    TRE_Attributs& operator=(TRE_Attributs&& autre) noexcept;
    TRE_Attributs(const TRE_Attributs&) = delete;
    TRE_Attributs& operator=(const TRE_Attributs&) = delete;

    // Builds the block from a list of name and value pairs ending with a null name, as the
    // parser hands them over, in the current arena when there is one. Texts are cut at their
    // first invalid UTF-8 sequence, with the conversion message, as every text of the tree.
    static TRE_Attributs Depuis(const char* const* ppPaires);

    bool EstVide() const noexcept { return m_pTexte == nullptr; }
    // The value of the first attribute of that name, or null.
    const char* Valeur(const char* pNom) const noexcept;
    // Appends one field holding a quoted value per attribute, in order.
    void Remplir(TRE_Groupe& groupe) const;
    void Liberer() noexcept;

private:
    char* m_pTexte = nullptr;
    // Where the next search starts: the attribute after the one found last.
    std::uint32_t m_nAttributs = 0;
    mutable std::uint32_t m_nSuivant = 0;  // its rank
    mutable std::uint32_t m_nDecalage = 0; // its offset in the block
    // Searches start at the first attribute: a text was cut by the conversion, or the block
    // is too long for the offset.
    bool m_bDepuisDebut = false;
    bool m_bPropre = false; // the block is on the heap, since no arena was current
};

#endif
