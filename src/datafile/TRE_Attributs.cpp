#include "TRE_Attributs.h"

#include "TRE_Arene.h"
#include "TRE_Champ.h"
#include "TRE_Groupe.h"
#include "TRE_Texte.h"
#include "TRE_ValeurSimple.h"

#include <cstring>

TRE_Attributs TRE_Attributs::Depuis(const char* const* ppPaires)
{
    TRE_Attributs attributs;
    if (!ppPaires || !ppPaires[0])
        return attributs;
    // Room for every text whole; a text cut by the conversion leaves a few bytes unused.
    std::size_t nTotal = 0;
    std::size_t nTextes = 0;
    for (const char* const* pp = ppPaires; *pp; ++pp, ++nTextes)
        nTotal += std::strlen(*pp) + 1;
    char* pBloc = TRE_Arene::NouveauTexte(nTotal);
    if (!pBloc)
    {
        attributs.m_pPropre.reset(new char[nTotal]);
        pBloc = attributs.m_pPropre.get();
    }
    char* p = pBloc;
    for (std::size_t n = 0; n < nTextes; ++n)
    {
        const std::size_t nLongueur =
            TRE_LongueurUtf8VersLocal(ppPaires[n], std::strlen(ppPaires[n]));
        std::memcpy(p, ppPaires[n], nLongueur);
        p += nLongueur;
        *p++ = '\0';
    }
    attributs.m_pTexte = pBloc;
    attributs.m_nAttributs = nTextes / 2;
    return attributs;
}

const char* TRE_Attributs::Valeur(const char* pNom) const noexcept
{
    if (!m_pTexte || !pNom)
        return nullptr;
    const char* p = m_pTexte;
    for (std::size_t n = 0; n < m_nAttributs; ++n)
    {
        const std::size_t nNom = std::strlen(p);
        const char* pValeur = p + nNom + 1;
        if (p[0] == pNom[0] && std::strcmp(p, pNom) == 0)
            return pValeur;
        p = pValeur + std::strlen(pValeur) + 1;
    }
    return nullptr;
}

void TRE_Attributs::Remplir(TRE_Groupe& groupe) const
{
    if (!m_pTexte)
        return;
    const char* p = m_pTexte;
    for (std::size_t n = 0; n < m_nAttributs; ++n)
    {
        const char* pValeur = p + std::strlen(p) + 1;
        const std::size_t nValeur = std::strlen(pValeur);
        auto pTexte = std::make_unique<TRE_ValeurSimple>(std::string(pValeur, nValeur),
                                                         TRE_Element::ValeurTexte);
        groupe.AjouterElement(std::make_unique<TRE_Champ>(p, std::move(pTexte)));
        p = pValeur + nValeur + 1;
    }
}

void TRE_Attributs::Liberer() noexcept
{
    m_pTexte = nullptr;
    m_nAttributs = 0;
    m_pPropre.reset();
}
