#include "TRE_Buffer.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <new>

namespace
{
struct FermerFichier
{
    void operator()(std::FILE* pFichier) const { std::fclose(pFichier); }
};
} // namespace

bool TRE_Buffer::Initialiser(const char* pChemin)
{
    std::unique_ptr<std::FILE, FermerFichier> pFichier(pChemin ? std::fopen(pChemin, "rt")
                                                               : nullptr);
    if (!pFichier)
    {
        m_nErreur = Ouverture;
        m_message = pChemin ? pChemin : "";
        return false;
    }
    long nTaille = -1;
    if (std::fseek(pFichier.get(), 0, SEEK_END) == 0)
        nTaille = std::ftell(pFichier.get());
    std::rewind(pFichier.get());
    if (nTaille < 0 || nTaille >= INT_MAX)
    {
        m_nErreur = Memoire;
        m_message = "TRE_Buffer::Initialiser";
        return false;
    }
    std::unique_ptr<char[]> pTexte(new (std::nothrow) char[static_cast<std::size_t>(nTaille) + 1]);
    if (!pTexte)
    {
        m_nErreur = Memoire;
        m_message = "TRE_Buffer::Initialiser";
        return false;
    }
    bool bCommentaire = false;
    std::int32_t nFin = 0;
    for (long i = 0; i <= nTaille; ++i)
    {
        const int c = std::fgetc(pFichier.get());
        char cStocke = '\0';
        if (c == EOF)
            cStocke = '\0';
        else if (c == '\n' || c == '\r')
        {
            cStocke = static_cast<char>(c);
            bCommentaire = false;
        }
        else if (c == '#')
        {
            cStocke = ' ';
            bCommentaire = true;
        }
        else
            cStocke = bCommentaire ? ' ' : static_cast<char>(c);
        pTexte[i] = cStocke;
        if (cStocke != '\0')
            nFin = static_cast<std::int32_t>(i + 1);
    }
    m_pTexte = std::move(pTexte);
    m_nFin = nFin;
    m_courant = TRE_Index();
    m_courant.nLigne = 1;
    m_courant.nColonne = 1;
    m_courant.bUtilise = 1;
    for (TRE_Index& marque : m_marques)
        marque = TRE_Index();
    return true;
}

char TRE_Buffer::CaractereCourant() const noexcept
{
    if (!m_pTexte || m_courant.nPosition >= m_nFin)
        return '\0';
    return m_pTexte[m_courant.nPosition];
}

void TRE_Buffer::Avancer() noexcept
{
    if (!m_pTexte || m_courant.nPosition >= m_nFin)
        return;
    if (m_pTexte[m_courant.nPosition] == '\n')
    {
        ++m_courant.nLigne;
        m_courant.nColonne = 0;
    }
    ++m_courant.nPosition;
    ++m_courant.nColonne;
}

void TRE_Buffer::Reculer() noexcept
{
    if (!m_pTexte || m_courant.nPosition == 0)
        return;
    --m_courant.nPosition;
    --m_courant.nColonne;
    const std::int32_t nPosition = m_courant.nPosition;
    if (nPosition == m_nFin || m_pTexte[nPosition] != '\n')
        return;
    --m_courant.nLigne;
    std::int32_t nPrecedent = nPosition - 1;
    while (nPrecedent >= 0 && m_pTexte[nPrecedent] != '\n')
        --nPrecedent;
    m_courant.nColonne = nPosition - nPrecedent;
}

int TRE_Buffer::PoserIndex() noexcept
{
    for (int n = 0; n < kNombreMarques; ++n)
    {
        if (!m_marques[n].bUtilise)
        {
            m_marques[n] = m_courant;
            m_marques[n].bUtilise = 1;
            return n;
        }
    }
    m_nErreur = MarquesEpuisees;
    return -1;
}

void TRE_Buffer::LibererIndex(int nMarque) noexcept
{
    if (MarqueValide(nMarque))
        m_marques[nMarque].bUtilise = 0;
}

void TRE_Buffer::RevenirIndex(int nMarque) noexcept
{
    if (!MarqueValide(nMarque))
        return;
    m_courant.nPosition = m_marques[nMarque].nPosition;
    m_courant.nLigne = m_marques[nMarque].nLigne;
    m_courant.nColonne = m_marques[nMarque].nColonne;
    m_marques[nMarque].bUtilise = 0;
}

bool TRE_Buffer::ExtraireChaine(int nMarqueA, int nMarqueB, std::unique_ptr<char[]>& pTexte)
{
    if (!m_pTexte || !MarqueValide(nMarqueA) || !MarqueValide(nMarqueB))
        return false;
    const std::int32_t nDebut = m_marques[nMarqueA].nPosition;
    const std::int32_t nLongueur = m_marques[nMarqueB].nPosition - nDebut;
    if (nLongueur < 0)
        return false;
    pTexte.reset(new (std::nothrow) char[static_cast<std::size_t>(nLongueur) + 1]);
    if (!pTexte)
    {
        m_nErreur = Memoire;
        m_message = "TRE_Buffer::ExtraireChaine";
        return false;
    }
    std::memcpy(pTexte.get(), m_pTexte.get() + nDebut, static_cast<std::size_t>(nLongueur));
    pTexte[nLongueur] = '\0';
    return true;
}
