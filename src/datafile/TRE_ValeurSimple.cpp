#include "TRE_ValeurSimple.h"

#include "TRE_Texte.h"

#include <ostream>

TRE_ValeurSimple::TRE_ValeurSimple(std::unique_ptr<char[]> pTexte, std::int16_t nType)
    : TRE_Element(nType), KIT_SafeObject("TRE_ValeurSimple"), m_texte(pTexte ? pTexte.get() : ""),
      m_bTexte(pTexte != nullptr)
{
}

TRE_ValeurSimple::TRE_ValeurSimple(std::string texte, std::int16_t nType)
    : TRE_Element(nType), KIT_SafeObject("TRE_ValeurSimple"), m_texte(std::move(texte)),
      m_bTexte(true)
{
}

void TRE_ValeurSimple::Ecrire(std::FILE* pFichier) const
{
    const char* pTexte = m_texte.c_str();
    if (GetType() == ValeurTexte && pTexte[0] != '"')
        std::fprintf(pFichier, "\"%s\"", pTexte);
    else
        std::fputs(pTexte, pFichier);
}

void TRE_ValeurSimple::EcrireXml(std::ostream& flux, int /*nNiveau*/) const
{
    EcrireTexteXml(flux, Valeur());
}

void TRE_ValeurSimple::EcrireAttribut(std::ostream& flux) const
{
    flux << '"';
    EcrireTexteXml(flux, Valeur());
    flux << '"';
}

std::unique_ptr<TRE_Element> TRE_ValeurSimple::Dupliquer() const
{
    return std::make_unique<TRE_ValeurSimple>(m_texte, GetType());
}

void TRE_ValeurSimple::Liberer()
{
    m_texte = std::string();
    m_bTexte = false;
}

TRE_Element* TRE_ValeurSimple::Chercher(const char* pChemin)
{
    return pChemin ? nullptr : this;
}

TRE_Element* TRE_ValeurSimple::ChercherJetons(TRE_Jetons& jetons)
{
    if (jetons.Count() == 0)
        return this;
    if (jetons.Count() == 1 && ValeurDecimale(jetons.First()->Text()) == 1)
        return this;
    return nullptr;
}

const char* TRE_ValeurSimple::Valeur() const
{
    return m_bTexte ? m_texte.c_str() : nullptr;
}

std::vector<std::string> TRE_ValeurSimple::ListerNoms(bool /*bAvecIndex*/) const
{
    return {};
}

void TRE_ValeurSimple::SetTexte(std::unique_ptr<char[]> pTexte)
{
    m_bTexte = pTexte != nullptr;
    m_texte = pTexte ? pTexte.get() : "";
}

void TRE_ValeurSimple::SetTexte(std::string texte)
{
    m_texte = std::move(texte);
    m_bTexte = true;
}
