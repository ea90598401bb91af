#include "TRE_Champ.h"

#include "TRE_Tableau.h"
#include "TRE_Texte.h"

#include <cstring>
#include <ostream>

TRE_Champ::TRE_Champ(const char* pNom, std::unique_ptr<TRE_Element> pValeur)
    : TRE_Element(Champ), KIT_SafeObject("TRE_Champ"), m_nom(pNom ? pNom : ""),
      m_pValeur(std::move(pValeur))
{
}

void TRE_Champ::Ecrire(std::FILE* pFichier) const
{
    std::fprintf(pFichier, "%s = ", m_nom.c_str());
    if (m_pValeur)
        m_pValeur->Ecrire(pFichier);
}

void TRE_Champ::EcrireXml(std::ostream& flux, int nNiveau) const
{
    if (m_pValeur && m_pValeur->GetType() == Tableau)
    {
        // A repeated field: every item on one line, without indentation.
        const auto& elements = static_cast<const TRE_Tableau&>(*m_pValeur).Elements();
        for (TRE_ListeElements::Node* pNoeud = elements.First(); pNoeud; pNoeud = pNoeud->Next())
        {
            flux << '<';
            EcrireTexteXml(flux, m_nom.c_str());
            flux << '>';
            if (pNoeud->Item())
                pNoeud->Item()->EcrireXml(flux, 0);
            flux << "</";
            EcrireTexteXml(flux, m_nom.c_str());
            flux << "> ";
        }
        flux << std::endl;
        return;
    }
    EcrireTabulations(flux, nNiveau);
    flux << '<';
    EcrireTexteXml(flux, m_nom.c_str());
    flux << '>';
    if (m_pValeur)
        m_pValeur->EcrireXml(flux, 0);
    flux << "</";
    EcrireTexteXml(flux, m_nom.c_str());
    flux << '>' << std::endl;
}

void TRE_Champ::EcrireAttribut(std::ostream& flux) const
{
    flux << ' ';
    EcrireTexteXml(flux, m_nom.c_str());
    flux << '=';
    if (m_pValeur)
        m_pValeur->EcrireAttribut(flux);
}

std::unique_ptr<TRE_Element> TRE_Champ::Dupliquer() const
{
    return std::make_unique<TRE_Champ>(m_nom.c_str(), m_pValeur ? m_pValeur->Dupliquer() : nullptr);
}

void TRE_Champ::Liberer()
{
    m_nom = std::string();
    m_bNom = false;
    m_pValeur.reset();
}

TRE_Element* TRE_Champ::ChercherJetons(TRE_Jetons& jetons)
{
    if (jetons.Count() == 0)
        return this;
    return m_pValeur ? m_pValeur->ChercherJetons(jetons) : nullptr;
}

bool TRE_Champ::EstNomme(const char* pTexte) const
{
    return pTexte && m_bNom && m_nom[0] == pTexte[0] && std::strcmp(m_nom.c_str(), pTexte) == 0;
}

const char* TRE_Champ::Valeur() const
{
    return m_pValeur ? m_pValeur->Valeur() : nullptr;
}

std::vector<std::string> TRE_Champ::ListerNoms(bool bAvecIndex) const
{
    return m_pValeur ? m_pValeur->ListerNoms(bAvecIndex) : std::vector<std::string>();
}

const char* TRE_Champ::Nom() const
{
    return m_bNom ? m_nom.c_str() : nullptr;
}

void TRE_Champ::SetValeur(std::unique_ptr<TRE_Element> pValeur)
{
    m_pValeur = std::move(pValeur);
}

std::unique_ptr<TRE_Element> TRE_Champ::PrendreValeur()
{
    return std::move(m_pValeur);
}
