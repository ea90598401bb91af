#ifndef TRE_CHAMP_H
#define TRE_CHAMP_H

#include "KIT_SafeObject.h"
#include "TRE_Element.h"

#include <string>

// A named field holding one value: a simple value, or an array for a repeated field.
class TRE_Champ : public TRE_Element, public KIT_SafeObject
{
public:
    TRE_Champ(const char* pNom, std::unique_ptr<TRE_Element> pValeur);
    ~TRE_Champ() override = default;

    void Ecrire(std::FILE* pFichier) const override;
    void EcrireXml(std::ostream& flux, int nNiveau) const override;
    void EcrireAttribut(std::ostream& flux) const override;
    std::unique_ptr<TRE_Element> Dupliquer() const override;
    void Liberer() override;
    TRE_Element* ChercherJetons(TRE_Jetons& jetons) override;
    bool EstNomme(const char* pTexte) const override;
    const char* Valeur() const override;
    std::vector<std::string> ListerNoms(bool bAvecIndex) const override;
    const char* Nom() const override;

    TRE_Element* GetValeur() const noexcept { return m_pValeur.get(); }
    // Replaces the value, destroying the old one.
    void SetValeur(std::unique_ptr<TRE_Element> pValeur);
    std::unique_ptr<TRE_Element> PrendreValeur();

private:
    std::string m_nom;
    bool m_bNom = true; // cleared by Liberer
    std::unique_ptr<TRE_Element> m_pValeur;
};

#endif
