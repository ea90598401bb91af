#ifndef TRE_TABLEAU_H
#define TRE_TABLEAU_H

#include "KIT_SafeObject.h"
#include "TRE_Element.h"

// An ordered array of elements addressed by number from 1: the texts of a repeated field,
// or a [...] of the text format.
class TRE_Tableau : public TRE_Element, public KIT_SafeObject
{
public:
    TRE_Tableau();
    ~TRE_Tableau() override = default;

    void Ecrire(std::FILE* pFichier) const override;
    std::unique_ptr<TRE_Element> Dupliquer() const override;
    void Liberer() override;
    TRE_Element* ChercherJetons(TRE_Jetons& jetons) override;
    bool AjouterElement(std::unique_ptr<TRE_Element> pElement) override;
    std::vector<std::string> ListerNoms(bool bAvecIndex) const override;

    const TRE_ListeElements& Elements() const noexcept { return m_elements; }

private:
    TRE_ListeElements m_elements{true};
};

#endif
