#include "TRE_Table.h"

#include "TRE_Texte.h"

#include <cstring>
#include <ostream>

namespace
{
// A copy of the tokens, for a lookup that may consume them and still fail.
void CopierJetons(const TRE_Jetons& source, TRE_Jetons& copie)
{
    for (TRE_Jetons::Node* pNoeud = source.First(); pNoeud; pNoeud = pNoeud->Next())
        copie.Append(TRE_CopierTexte(pNoeud->Text()).release());
}
} // namespace

TRE_Table::TRE_Table(const char* pNom, std::unique_ptr<TRE_Element> pContenu)
    : TRE_Table(pNom, nullptr, std::move(pContenu))
{
}

TRE_Table::TRE_Table(const char* pNom, std::unique_ptr<TRE_Groupe> pAttributs,
                     std::unique_ptr<TRE_Element> pContenu)
    : TRE_Element(Table), KIT_SafeObject("TRE_Table"), m_nom(pNom ? pNom : ""),
      m_pAttributs(std::move(pAttributs)), m_pContenu(std::move(pContenu))
{
}

TRE_Table::TRE_Table(const char* pNom, TRE_Attributs attributs) : TRE_Table(pNom, nullptr, nullptr)
{
    m_attributsPacked = std::move(attributs);
}

TRE_Groupe* TRE_Table::GetAttributs() const
{
    if (!m_attributsPacked.EstVide())
    {
        auto pAttributs = std::make_unique<TRE_Groupe>();
        m_attributsPacked.Remplir(*pAttributs);
        m_pAttributs = std::move(pAttributs);
        m_attributsPacked.Liberer();
    }
    return m_pAttributs.get();
}

void TRE_Table::Ecrire(std::FILE* pFichier) const
{
    std::fprintf(pFichier, "%s ", m_nom.c_str());
    std::fputs("{\n", pFichier);
    if (TRE_Groupe* pAttributs = GetAttributs())
        pAttributs->Ecrire(pFichier);
    if (m_pContenu)
        m_pContenu->Ecrire(pFichier);
    std::fputc('}', pFichier);
}

void TRE_Table::EcrireXml(std::ostream& flux, int nNiveau) const
{
    EcrireTabulations(flux, nNiveau);
    flux << '<';
    EcrireTexteXml(flux, m_nom.c_str());
    if (TRE_Groupe* pAttributs = GetAttributs())
        pAttributs->EcrireAttribut(flux);
    flux << '>' << std::endl;
    if (m_pContenu)
        m_pContenu->EcrireXml(flux, nNiveau + 1);
    EcrireTabulations(flux, nNiveau);
    flux << "</";
    EcrireTexteXml(flux, m_nom.c_str());
    flux << '>' << std::endl;
}

std::unique_ptr<TRE_Element> TRE_Table::Dupliquer() const
{
    std::unique_ptr<TRE_Groupe> pAttributs;
    if (const TRE_Groupe* pSource = GetAttributs())
    {
        pAttributs = std::make_unique<TRE_Groupe>();
        TRE_Groupe::DupliquerDans(pSource->Enfants(), *pAttributs);
    }
    return std::make_unique<TRE_Table>(m_nom.c_str(), std::move(pAttributs),
                                       m_pContenu ? m_pContenu->Dupliquer() : nullptr);
}

void TRE_Table::Liberer()
{
    m_nom = std::string();
    m_bNom = false;
    m_attributsPacked.Liberer();
    m_pAttributs.reset();
    m_pContenu.reset();
}

TRE_Element* TRE_Table::ChercherJetons(TRE_Jetons& jetons)
{
    if (jetons.Count() == 0)
        return this;
    if (GetAttributs())
    {
        TRE_Element* pTrouve = nullptr;
        if (jetons.Count() == 1)
            pTrouve = m_pAttributs->ChercherJetons(jetons); // consumes nothing when it fails
        else
        {
            TRE_Jetons copie;
            CopierJetons(jetons, copie);
            pTrouve = m_pAttributs->ChercherJetons(copie);
        }
        if (pTrouve)
            return pTrouve;
    }
    return m_pContenu ? m_pContenu->ChercherJetons(jetons) : nullptr;
}

TRE_Element* TRE_Table::ChercherNom(const char* pNom, const char* pNumero)
{
    // A name that no packed attribute has is looked up in the content without unpacking.
    if (m_pAttributs || m_attributsPacked.Valeur(pNom))
    {
        GetAttributs();
        if (TRE_Element* pTrouve = m_pAttributs->ChercherNom(pNom, pNumero))
            return pTrouve;
    }
    return m_pContenu ? m_pContenu->ChercherNom(pNom, pNumero) : nullptr;
}

const char* TRE_Table::ChercherValeur(const char* pChemin)
{
    if (m_attributsPacked.EstVide() || !EstJetonSimple(pChemin))
        return TRE_Element::ChercherValeur(pChemin);
    // A bare name finds the first attribute field of that name, else looks in the content.
    if (const char* pValeur = m_attributsPacked.Valeur(pChemin))
        return pValeur;
    return m_pContenu ? m_pContenu->ChercherValeur(pChemin) : nullptr;
}

bool TRE_Table::EstNomme(const char* pTexte) const
{
    return pTexte && m_bNom && m_nom[0] == pTexte[0] && std::strcmp(m_nom.c_str(), pTexte) == 0;
}

bool TRE_Table::AjouterElement(std::unique_ptr<TRE_Element> pElement)
{
    if (!pElement)
        return false;
    if (!m_pContenu)
        m_pContenu = std::make_unique<TRE_Groupe>();
    return m_pContenu->AjouterElement(std::move(pElement));
}

bool TRE_Table::AjouterAttribut(std::unique_ptr<TRE_Element> pElement)
{
    if (!pElement)
        return false;
    if (!GetAttributs())
        m_pAttributs = std::make_unique<TRE_Groupe>();
    return m_pAttributs->AjouterElement(std::move(pElement));
}

const char* TRE_Table::Valeur() const
{
    if (!m_pContenu || m_pContenu->GetType() != Groupe)
        return nullptr;
    const auto& enfants = static_cast<const TRE_Groupe&>(*m_pContenu).Enfants();
    for (TRE_ListeElements::Node* pNoeud = enfants.First(); pNoeud; pNoeud = pNoeud->Next())
    {
        const TRE_Element* pEnfant = pNoeud->Item();
        if (pEnfant && pEnfant->GetType() <= ValeurAppel)
            return pEnfant->Valeur();
    }
    return nullptr;
}

std::vector<std::string> TRE_Table::ListerNoms(bool bAvecIndex) const
{
    return m_pContenu ? m_pContenu->ListerNoms(bAvecIndex) : std::vector<std::string>();
}

const char* TRE_Table::Nom() const
{
    return m_bNom ? m_nom.c_str() : nullptr;
}
