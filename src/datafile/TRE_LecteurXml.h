#ifndef TRE_LECTEURXML_H
#define TRE_LECTEURXML_H

#include "KIT_SafeObject.h"
#include "TRE_Element.h"

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

class TRE_Table;
class TRE_ValeurSimple;
struct XML_ParserStruct;

// Turns the events of the streaming XML parser into an element tree, using a stack of
// elements under construction (position 1 is the top).
class TRE_LecteurXml : public KIT_SafeObject
{
public:
    static constexpr int kTailleBloc = 2048;
    // Deeper input is refused, so that freeing, copying and printing never exhaust the stack.
    static constexpr int kProfondeurMax = 2000;

    enum Erreur : std::int16_t
    {
        Ouverture = 101,
        Syntaxe = 102,
        Structure = 103,
        TropProfond = 104
    };

    TRE_LecteurXml() noexcept : KIT_SafeObject("TRE_LecteurXml") {}
    ~TRE_LecteurXml() override = default;
    TRE_LecteurXml(const TRE_LecteurXml&) = delete;
    TRE_LecteurXml& operator=(const TRE_LecteurXml&) = delete;

    // The tree of the file, or null with the error code and message set.
    std::unique_ptr<TRE_Element> Lire(const char* pChemin);

    std::int16_t GetErrorCode() const noexcept { return m_nErreur; }
    const std::string& GetMessage() const noexcept { return m_message; }

    void DebutElement(const char* pNom, const char** ppAttributs);
    void FinElement(const char* pNom);
    void Caracteres(const char* pTexte, int nLongueur);

private:
    bool Analyser(std::FILE* pFichier, XML_ParserStruct* pParseur, const char* pChemin);
    void ViderTexte();
    void RangerDans(TRE_Table& conteneur, std::vector<std::unique_ptr<TRE_Element>>& enfants);
    void Deposer(std::unique_ptr<TRE_Element> pElement);

    TRE_ListeElements m_pile{true};
    // The elements whose end tag has not come yet, innermost last.
    std::vector<TRE_Element*> m_ouverts;
    XML_ParserStruct* m_pParseur = nullptr;
    int m_nProfondeur = 0;
    long m_nEvenements = 0; // events of the parser so far, to see a block that brought none
    bool m_bTropProfond = false;
    // The value on top of the stack whose text is still arriving, and that text.
    TRE_ValeurSimple* m_pTexteEnCours = nullptr;
    std::string m_texte;
    std::string m_nom;
    std::int16_t m_nErreur = 0;
    std::string m_message;
};

#endif
