#ifndef TRE_VALEURSIMPLE_H
#define TRE_VALEURSIMPLE_H

#include "KIT_SafeObject.h"
#include "TRE_Element.h"

#include <string>

// A value held as text: bare (kind 0), quoted (kind 1) or a call of the text format (kind 2).
class TRE_ValeurSimple : public TRE_Element, public KIT_SafeObject
{
public:
    TRE_ValeurSimple(std::unique_ptr<char[]> pTexte, std::int16_t nType);
    TRE_ValeurSimple(std::string texte, std::int16_t nType);
    ~TRE_ValeurSimple() override = default;

    void Ecrire(std::FILE* pFichier) const override;
    void EcrireXml(std::ostream& flux, int nNiveau) const override;
    void EcrireAttribut(std::ostream& flux) const override;
    std::unique_ptr<TRE_Element> Dupliquer() const override;
    void Liberer() override;
    // Itself for a null path only.
    TRE_Element* Chercher(const char* pChemin) override;
    TRE_Element* ChercherJetons(TRE_Jetons& jetons) override;
    const char* Valeur() const override;
    std::vector<std::string> ListerNoms(bool bAvecIndex) const override;

    void SetTexte(std::unique_ptr<char[]> pTexte);
    void SetTexte(std::string texte);

private:
    // Short texts need no allocation of their own; a freed value has no text.
    std::string m_texte;
    bool m_bTexte;
};

#endif
