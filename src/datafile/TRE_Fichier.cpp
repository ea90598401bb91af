#include "TRE_Fichier.h"

#include "TRE_Texte.h"

#include <ostream>

TRE_Fichier::TRE_Fichier(std::unique_ptr<char[]> pNom)
    : TRE_Element(Fichier), KIT_SafeObject("TRE_Fichier"), m_pNom(std::move(pNom))
{
}

void TRE_Fichier::Ecrire(std::FILE* pFichier) const
{
    if (m_pAttributs)
        m_pAttributs->Ecrire(pFichier);
    for (TRE_ListeElements::Node* pNoeud = m_enfants.First(); pNoeud; pNoeud = pNoeud->Next())
    {
        if (!pNoeud->Item())
            continue;
        pNoeud->Item()->Ecrire(pFichier);
        std::fputs(";\n", pFichier);
    }
}

void TRE_Fichier::EcrireXml(std::ostream& flux, int nNiveau) const
{
    EcrireTabulations(flux, nNiveau);
    flux << '<';
    EcrireTexteXml(flux, m_pNom.get());
    if (m_pAttributs)
        m_pAttributs->EcrireAttribut(flux);
    flux << '>' << std::endl;
    for (TRE_ListeElements::Node* pNoeud = m_enfants.First(); pNoeud; pNoeud = pNoeud->Next())
    {
        if (pNoeud->Item())
            pNoeud->Item()->EcrireXml(flux, nNiveau + 1);
    }
    EcrireTabulations(flux, nNiveau);
    flux << "</";
    EcrireTexteXml(flux, m_pNom.get());
    flux << '>' << std::endl;
}

std::unique_ptr<TRE_Element> TRE_Fichier::Dupliquer() const
{
    auto pCopie = std::make_unique<TRE_Fichier>(TRE_CopierTexte(Texte(m_pNom.get())));
    if (m_pAttributs)
    {
        for (TRE_ListeElements::Node* pNoeud = m_pAttributs->Enfants().First(); pNoeud;
             pNoeud = pNoeud->Next())
        {
            if (pNoeud->Item())
                pCopie->AjouterAttribut(pNoeud->Item()->Dupliquer());
        }
    }
    TRE_Groupe::DupliquerDans(m_enfants, *pCopie);
    return pCopie;
}

void TRE_Fichier::Liberer()
{
    m_cache.Oublier();
    m_pNom.reset();
    m_pAttributs.reset();
    m_enfants.RemoveAll();
}

TRE_Element* TRE_Fichier::ChercherJetons(TRE_Jetons& jetons)
{
    return TRE_Groupe::ChercherDans(m_enfants, jetons, m_cache);
}

TRE_Element* TRE_Fichier::ChercherNom(const char* pNom, const char* pNumero)
{
    return TRE_Groupe::ChercherNomDans(m_enfants, pNom, pNumero, m_cache);
}

bool TRE_Fichier::AjouterElement(std::unique_ptr<TRE_Element> pElement)
{
    if (!pElement)
        return false;
    m_enfants.Append(pElement.release());
    m_cache.Ajoute(m_enfants);
    return true;
}

bool TRE_Fichier::AjouterAttribut(std::unique_ptr<TRE_Element> pElement)
{
    if (!pElement)
        return false;
    if (!m_pAttributs)
        m_pAttributs = std::make_unique<TRE_Groupe>();
    return m_pAttributs->AjouterElement(std::move(pElement));
}

std::vector<std::string> TRE_Fichier::ListerNoms(bool bAvecIndex) const
{
    return TRE_Groupe::ListerNomsDe(m_enfants, bAvecIndex);
}

const char* TRE_Fichier::Nom() const
{
    return m_pNom.get();
}
