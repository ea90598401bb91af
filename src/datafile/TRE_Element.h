#ifndef TRE_ELEMENT_H
#define TRE_ELEMENT_H

#include "LST_Liste.h"
#include "LST_ListeTab.h"

#include <cstdint>
#include <cstdio>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

class TRE_Element;
using TRE_Jetons = LST_ListeTab<char, int>;
using TRE_ListeElements = LST_Liste<TRE_Element, int>;

// Node of the element tree of a structured data file. Each node owns its texts, its value
// or children and its attribute group; destroying a node frees all of it.
class TRE_Element
{
public:
    enum Type : std::int16_t
    {
        ValeurNue = 0,   // a word or number of the text format
        ValeurTexte = 1, // a quoted text, and every value read from XML
        ValeurAppel = 2, // name(...) of the text format, kept as written
        Champ = 3,
        Table = 4,
        Groupe = 5,
        Tableau = 6,
        Fichier = 7
    };

    virtual ~TRE_Element() = default;

    // Elements built by a reader live in its arena (TRE_Arene), all others on the heap.
    static void* operator new(std::size_t nTaille);
    static void operator delete(void* pMemoire) noexcept;

    TRE_Element(const TRE_Element&) = delete;
    TRE_Element& operator=(const TRE_Element&) = delete;

    // Prints the element in the brace text format.
    virtual void Ecrire(std::FILE* pFichier) const = 0;
    virtual void EcrireXml(std::ostream& flux, int nNiveau) const;
    virtual void EcrireAttribut(std::ostream& flux) const;
    virtual std::unique_ptr<TRE_Element> Dupliquer() const = 0;
    // Frees everything the element owns; the element stays valid and empty.
    virtual void Liberer() = 0;
    // The element at the path ("P[3].b"), or null.
    virtual TRE_Element* Chercher(const char* pChemin);
    // Walks down along the tokens, consuming them from the front.
    virtual TRE_Element* ChercherJetons(TRE_Jetons& jetons) = 0;
    // The same answer as ChercherJetons for the tokens pNom and, when given, pNumero,
    // without building a token list where the class can do without.
    virtual TRE_Element* ChercherNom(const char* pNom, const char* pNumero);
    // The Valeur of the element at the path, or null; classes that can answer without
    // building elements do.
    virtual const char* ChercherValeur(const char* pChemin);
    virtual bool EstNomme(const char* pTexte) const;
    // Takes the child; an element that holds no children destroys it and answers false.
    virtual bool AjouterElement(std::unique_ptr<TRE_Element> pElement);
    virtual bool AjouterAttribut(std::unique_ptr<TRE_Element> pElement);
    virtual const char* Valeur() const;
    virtual std::vector<std::string> ListerNoms(bool bAvecIndex) const = 0;
    // The name of a field, table or file; null for the other kinds.
    virtual const char* Nom() const;

    std::int16_t GetType() const noexcept { return m_nType; }

    // Splits a path into its name and number tokens; false only when memory runs out.
    static bool DecouperChemin(const char* pChemin, TRE_Jetons& jetons);
    // Optional blanks and sign, then digits up to the first other character; 0 without any.
    static int ValeurDecimale(const char* pTexte);
    // Whether DecouperChemin gives exactly one token, the whole text.
    static bool EstJetonSimple(const char* pTexte);

protected:
    explicit TRE_Element(std::int16_t nType) noexcept : m_nType(nType) {}

    static const char* Texte(const char* pTexte) { return pTexte ? pTexte : ""; }
    static void EcrireTabulations(std::ostream& flux, int nNiveau);

private:
    std::int16_t m_nType;
};

#endif
