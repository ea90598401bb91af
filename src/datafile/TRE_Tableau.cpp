#include "TRE_Tableau.h"

#include "TRE_Groupe.h"

TRE_Tableau::TRE_Tableau() : TRE_Element(Tableau), KIT_SafeObject("TRE_Tableau") {}

void TRE_Tableau::Ecrire(std::FILE* pFichier) const
{
    std::fputc('[', pFichier);
    bool bPremier = true;
    for (TRE_ListeElements::Node* pNoeud = m_elements.First(); pNoeud; pNoeud = pNoeud->Next())
    {
        if (!pNoeud->Item())
            continue;
        if (!bPremier)
            std::fputc(',', pFichier);
        bPremier = false;
        pNoeud->Item()->Ecrire(pFichier);
    }
    std::fputc(']', pFichier);
}

std::unique_ptr<TRE_Element> TRE_Tableau::Dupliquer() const
{
    auto pCopie = std::make_unique<TRE_Tableau>();
    TRE_Groupe::DupliquerDans(m_elements, *pCopie);
    return pCopie;
}

void TRE_Tableau::Liberer()
{
    m_elements.RemoveAll();
}

TRE_Element* TRE_Tableau::ChercherJetons(TRE_Jetons& jetons)
{
    if (jetons.Count() == 0)
        return this;
    const int nPosition = ValeurDecimale(jetons.First()->Text());
    TRE_Element* pElement = m_elements.GetAt(nPosition);
    if (!pElement)
        return nullptr;
    jetons.RemoveFirst();
    return pElement->ChercherJetons(jetons);
}

bool TRE_Tableau::AjouterElement(std::unique_ptr<TRE_Element> pElement)
{
    if (!pElement)
        return false;
    m_elements.Append(pElement.release());
    return true;
}

std::vector<std::string> TRE_Tableau::ListerNoms(bool bAvecIndex) const
{
    return TRE_Groupe::ListerNomsDe(m_elements, bAvecIndex);
}
