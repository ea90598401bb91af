#ifndef TRE_TABLE_H
#define TRE_TABLE_H

#include "KIT_SafeObject.h"
#include "TRE_Attributs.h"
#include "TRE_Element.h"
#include "TRE_Groupe.h"

#include <string>

// A named table with an optional attribute group and an optional content group. An XML
// element with attributes or children becomes one.
class TRE_Table : public TRE_Element, public KIT_SafeObject
{
public:
    TRE_Table(const char* pNom, std::unique_ptr<TRE_Element> pContenu);
    TRE_Table(const char* pNom, std::unique_ptr<TRE_Groupe> pAttributs,
              std::unique_ptr<TRE_Element> pContenu);
    // A table of the XML reader: its attributes stay packed until they are needed as elements.
    TRE_Table(const char* pNom, TRE_Attributs attributs);
    ~TRE_Table() override = default;

    void Ecrire(std::FILE* pFichier) const override;
    void EcrireXml(std::ostream& flux, int nNiveau) const override;
    std::unique_ptr<TRE_Element> Dupliquer() const override;
    void Liberer() override;
    TRE_Element* ChercherJetons(TRE_Jetons& jetons) override;
    TRE_Element* ChercherNom(const char* pNom, const char* pNumero) override;
    const char* ChercherValeur(const char* pChemin) override;
    bool EstNomme(const char* pTexte) const override;
    bool AjouterElement(std::unique_ptr<TRE_Element> pElement) override;
    bool AjouterAttribut(std::unique_ptr<TRE_Element> pElement) override;
    // The text content of an element that has attributes and text: the first simple value
    // of the content; null for every other table.
    const char* Valeur() const override;
    std::vector<std::string> ListerNoms(bool bAvecIndex) const override;
    const char* Nom() const override;

    // Packed attributes become a group of fields here, once.
    TRE_Groupe* GetAttributs() const;
    TRE_Element* GetContenu() const noexcept { return m_pContenu.get(); }

private:
    std::string m_nom;
    bool m_bNom = true; // cleared by Liberer
    mutable std::unique_ptr<TRE_Groupe> m_pAttributs;
    mutable TRE_Attributs m_attributsPacked;
    std::unique_ptr<TRE_Element> m_pContenu;
};

#endif
