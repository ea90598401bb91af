#ifndef TRE_TABLE_H
#define TRE_TABLE_H

#include "KIT_SafeObject.h"
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
    ~TRE_Table() override = default;

    void Ecrire(std::FILE* pFichier) const override;
    void EcrireXml(std::ostream& flux, int nNiveau) const override;
    std::unique_ptr<TRE_Element> Dupliquer() const override;
    void Liberer() override;
    TRE_Element* ChercherJetons(TRE_Jetons& jetons) override;
    TRE_Element* ChercherNom(const char* pNom, const char* pNumero) override;
    bool EstNomme(const char* pTexte) const override;
    bool AjouterElement(std::unique_ptr<TRE_Element> pElement) override;
    bool AjouterAttribut(std::unique_ptr<TRE_Element> pElement) override;
    // The text content of an element that has attributes and text: the first simple value
    // of the content; null for every other table.
    const char* Valeur() const override;
    std::vector<std::string> ListerNoms(bool bAvecIndex) const override;
    const char* Nom() const override;

    TRE_Groupe* GetAttributs() const noexcept { return m_pAttributs.get(); }
    TRE_Element* GetContenu() const noexcept { return m_pContenu.get(); }

private:
    std::string m_nom;
    bool m_bNom = true; // cleared by Liberer
    std::unique_ptr<TRE_Groupe> m_pAttributs;
    std::unique_ptr<TRE_Element> m_pContenu;
};

#endif
