#include "TRE_Element.h"

#include "TRE_Arene.h"
#include "TRE_Texte.h"

#include <climits>
#include <cstring>
#include <new>
#include <ostream>

namespace
{
bool DebutJeton(char c)
{
    return TRE_EstLettre(c) || TRE_EstChiffre(c) || TRE_EstHaut(c);
}

bool SuiteJeton(char c)
{
    return DebutJeton(c) || c == '-' || c == '_';
}

bool EstSeparateur(char c)
{
    return c == '.' || c == '[' || c == ']';
}
} // namespace

void* TRE_Element::operator new(std::size_t nTaille)
{
    static_assert(alignof(TRE_Element) <= alignof(void*), "elements need no wider alignment");
    return TRE_Arene::Nouveau(nTaille);
}

void TRE_Element::operator delete(void* pMemoire) noexcept
{
    TRE_Arene::Detruire(pMemoire);
}

void TRE_Element::EcrireXml(std::ostream& /*flux*/, int /*nNiveau*/) const {}

void TRE_Element::EcrireAttribut(std::ostream& /*flux*/) const {}

TRE_Element* TRE_Element::Chercher(const char* pChemin)
{
    // "name" and "name[number]", the paths of the access interface, need no token list.
    if (pChemin && DebutJeton(*pChemin))
    {
        const char* p = pChemin + 1;
        while (SuiteJeton(*p))
            ++p;
        if (*p == '\0')
            return ChercherNom(pChemin, nullptr);
        if (*p == '[' && TRE_EstChiffre(p[1]))
        {
            const char* pNumero = p + 1;
            const char* pFin = pNumero;
            while (TRE_EstChiffre(*pFin))
                ++pFin;
            if (pFin[0] == ']' && pFin[1] == '\0')
            {
                const std::string nom(pChemin, p);
                const std::string numero(pNumero, pFin);
                return ChercherNom(nom.c_str(), numero.c_str());
            }
        }
    }
    TRE_Jetons jetons;
    if (!DecouperChemin(pChemin, jetons))
        return nullptr;
    return ChercherJetons(jetons);
}

TRE_Element* TRE_Element::ChercherNom(const char* pNom, const char* pNumero)
{
    TRE_Jetons jetons;
    jetons.Append(TRE_CopierTexte(pNom).release());
    if (pNumero)
        jetons.Append(TRE_CopierTexte(pNumero).release());
    return ChercherJetons(jetons);
}

const char* TRE_Element::ChercherValeur(const char* pChemin)
{
    const TRE_Element* pTrouve = Chercher(pChemin);
    return pTrouve ? pTrouve->Valeur() : nullptr;
}

bool TRE_Element::EstNomme(const char* /*pTexte*/) const
{
    return false;
}

bool TRE_Element::AjouterElement(std::unique_ptr<TRE_Element> /*pElement*/)
{
    return false;
}

bool TRE_Element::AjouterAttribut(std::unique_ptr<TRE_Element> /*pElement*/)
{
    return false;
}

const char* TRE_Element::Valeur() const
{
    return nullptr;
}

const char* TRE_Element::Nom() const
{
    return nullptr;
}

bool TRE_Element::DecouperChemin(const char* pChemin, TRE_Jetons& jetons)
{
    if (!pChemin)
        return true;
    try
    {
        const char* p = pChemin;
        while (*p)
        {
            while (EstSeparateur(*p))
                ++p;
            if (!DebutJeton(*p))
                return true; // the end, or a character that ends the path
            const char* pDebut = p;
            while (SuiteJeton(*p))
                ++p;
            if (*p && !EstSeparateur(*p))
                return true; // the token in which the stray character stands is dropped
            jetons.Append(TRE_CopierTexte(pDebut, static_cast<std::size_t>(p - pDebut)).release());
        }
        return true;
    }
    catch (const std::bad_alloc&)
    {
        return false;
    }
}

int TRE_Element::ValeurDecimale(const char* pTexte)
{
    if (!pTexte)
        return 0;
    const char* p = pTexte;
    while (*p == ' ')
        ++p;
    bool bNegatif = false;
    if (*p == '+' || *p == '-')
        bNegatif = *p++ == '-';
    long long nValeur = 0;
    for (; TRE_EstChiffre(*p); ++p)
    {
        if (nValeur <= INT_MAX)
            nValeur = nValeur * 10 + (*p - '0');
    }
    if (nValeur > INT_MAX)
        nValeur = INT_MAX;
    return static_cast<int>(bNegatif ? -nValeur : nValeur);
}

bool TRE_Element::EstJetonSimple(const char* pTexte)
{
    if (!pTexte || !DebutJeton(*pTexte))
        return false;
    for (const char* p = pTexte + 1; *p; ++p)
    {
        if (!SuiteJeton(*p))
            return false;
    }
    return true;
}

void TRE_Element::EcrireTabulations(std::ostream& flux, int nNiveau)
{
    for (int n = 0; n < nNiveau; ++n)
        flux << '\t';
}
