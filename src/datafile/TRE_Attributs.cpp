#include "TRE_Attributs.h"

#include "TRE_Arene.h"
#include "TRE_Champ.h"
#include "TRE_Groupe.h"
#include "TRE_Texte.h"
#include "TRE_ValeurSimple.h"

#include <cstdint>
#include <cstring>

TRE_Attributs TRE_Attributs::Depuis(const char* const* ppPaires)
{
    TRE_Attributs attributs;
    if (!ppPaires || !ppPaires[0])
        return attributs;
    // Room for every text whole; a text cut by the conversion leaves a few bytes unused.
    constexpr std::size_t kLongueursGardees = 64;
    std::size_t longueurs[kLongueursGardees];
    std::size_t nTotal = 0;
    std::size_t nTextes = 0;
    for (const char* const* pp = ppPaires; *pp; ++pp, ++nTextes)
    {
        const std::size_t nLongueur = std::strlen(*pp);
        if (nTextes < kLongueursGardees)
            longueurs[nTextes] = nLongueur;
        nTotal += nLongueur + 1;
    }
    attributs.m_bDepuisDebut = nTotal > UINT32_MAX;
    char* pBloc = TRE_Arene::NouveauTexte(nTotal);
    attributs.m_bPropre = pBloc == nullptr;
    if (!pBloc)
        pBloc = new char[nTotal];
    char* p = pBloc;
    for (std::size_t n = 0; n < nTextes; ++n)
    {
        const std::size_t nEntier = n < kLongueursGardees ? longueurs[n] : std::strlen(ppPaires[n]);
        const std::size_t nLongueur = TRE_LongueurUtf8VersLocal(ppPaires[n], nEntier);
        // The parser never repeats a name, but two names cut to the same text could be equal.
        attributs.m_bDepuisDebut = attributs.m_bDepuisDebut || nLongueur != nEntier;
        std::memcpy(p, ppPaires[n], nLongueur);
        p += nLongueur;
        *p++ = '\0';
    }
    attributs.m_pTexte = pBloc;
    attributs.m_nAttributs = static_cast<std::uint32_t>(nTextes / 2);
    return attributs;
}

const char* TRE_Attributs::Valeur(const char* pNom) const noexcept
{
    if (!m_pTexte || !pNom)
        return nullptr;
    // Names are read mostly in the order they were written: the search starts after the
    // attribute found last and goes round once. Only with unique names is the first match
    // found that way the first of the block.
    const char* p = m_bDepuisDebut ? m_pTexte : m_pTexte + m_nDecalage;
    std::size_t nRang = m_bDepuisDebut ? 0 : m_nSuivant;
    for (std::size_t n = 0; n < m_nAttributs; ++n)
    {
        if (nRang == m_nAttributs)
        {
            p = m_pTexte;
            nRang = 0;
        }
        const std::size_t nNom = std::strlen(p);
        const char* pValeur = p + nNom + 1;
        const char* pApres = pValeur + std::strlen(pValeur) + 1;
        ++nRang;
        if (p[0] == pNom[0] && std::strcmp(p, pNom) == 0)
        {
            m_nDecalage = static_cast<std::uint32_t>(pApres - m_pTexte);
            m_nSuivant = nRang;
            return pValeur;
        }
        p = pApres;
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

TRE_Attributs& TRE_Attributs::operator=(TRE_Attributs&& autre) noexcept
{
    if (this != &autre)
    {
        Liberer();
        m_pTexte = std::exchange(autre.m_pTexte, nullptr);
        m_nDecalage = std::exchange(autre.m_nDecalage, 0);
        m_nAttributs = std::exchange(autre.m_nAttributs, 0);
        m_nSuivant = std::exchange(autre.m_nSuivant, 0);
        m_bDepuisDebut = std::exchange(autre.m_bDepuisDebut, false);
        m_bPropre = std::exchange(autre.m_bPropre, false);
    }
    return *this;
}

void TRE_Attributs::Liberer() noexcept
{
    if (m_bPropre)
        delete[] m_pTexte;
    m_bPropre = false;
    m_pTexte = nullptr;
    m_nDecalage = 0;
    m_nAttributs = 0;
    m_nSuivant = 0;
    m_bDepuisDebut = false;
}
