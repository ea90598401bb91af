#ifndef TRE_FICHIER_H
#define TRE_FICHIER_H

#include "KIT_SafeObject.h"
#include "TRE_Element.h"
#include "TRE_Groupe.h"

// The top of a file in the brace text format: named, with its ordered elements and an
// optional attribute group.
class TRE_Fichier : public TRE_Element, public KIT_SafeObject
{
public:
    explicit TRE_Fichier(std::unique_ptr<char[]> pNom);
    ~TRE_Fichier() override = default;

    void Ecrire(std::FILE* pFichier) const override;
    void EcrireXml(std::ostream& flux, int nNiveau) const override;
    std::unique_ptr<TRE_Element> Dupliquer() const override;
    void Liberer() override;
    // Null without tokens; otherwise a name lookup among the children.
    TRE_Element* ChercherJetons(TRE_Jetons& jetons) override;
    TRE_Element* ChercherNom(const char* pNom, const char* pNumero) override;
    bool AjouterElement(std::unique_ptr<TRE_Element> pElement) override;
    bool AjouterAttribut(std::unique_ptr<TRE_Element> pElement) override;
    std::vector<std::string> ListerNoms(bool bAvecIndex) const override;
    const char* Nom() const override;

    const TRE_ListeElements& Enfants() const noexcept { return m_enfants; }
    TRE_Groupe* GetAttributs() const noexcept { return m_pAttributs.get(); }

private:
    std::unique_ptr<char[]> m_pNom;
    TRE_ListeElements m_enfants{true};
    std::unique_ptr<TRE_Groupe> m_pAttributs;
    TRE_Groupe::Cache m_cache;
};

#endif
