#include "TRE_Arene.h"

#include <cstdint>
#include <new>

namespace
{
TRE_Arene*& Courante()
{
    thread_local TRE_Arene* pArene = nullptr;
    return pArene;
}
} // namespace

TRE_Arene::Portee::Portee(TRE_Arene& arene) noexcept : m_pPrecedente(Courante())
{
    Courante() = &arene;
}

TRE_Arene::Portee::~Portee()
{
    Courante() = m_pPrecedente;
}

// Each element is preceded by the arena it comes from, null for the heap.
void* TRE_Arene::Nouveau(std::size_t nTaille)
{
    TRE_Arene* pArene = Courante();
    void* pBrut =
        pArene ? pArene->Allouer(nTaille + kEntete, kEntete) : ::operator new(nTaille + kEntete);
    *static_cast<TRE_Arene**>(pBrut) = pArene;
    return static_cast<unsigned char*>(pBrut) + kEntete;
}

void TRE_Arene::Detruire(void* pMemoire) noexcept
{
    if (!pMemoire)
        return;
    void* pBrut = static_cast<unsigned char*>(pMemoire) - kEntete;
    if (!*static_cast<TRE_Arene**>(pBrut))
        ::operator delete(pBrut);
}

char* TRE_Arene::NouveauTexte(std::size_t nTaille)
{
    TRE_Arene* pArene = Courante();
    return pArene ? static_cast<char*>(pArene->Allouer(nTaille, 1)) : nullptr;
}

void* TRE_Arene::Allouer(std::size_t nTaille, std::size_t nAlignement)
{
    const std::size_t nDecalage =
        (nAlignement - reinterpret_cast<std::uintptr_t>(m_pLibre) % nAlignement) % nAlignement;
    if (nTaille + nDecalage <= m_nReste)
    {
        m_pLibre += nDecalage;
        m_nReste -= nDecalage;
    }
    else
    {
        const std::size_t nBloc = nTaille > kTailleBloc ? nTaille : kTailleBloc;
        m_blocs.emplace_back(new unsigned char[nBloc]);
        m_pLibre = m_blocs.back().get();
        m_nReste = nBloc;
    }
    void* pMemoire = m_pLibre;
    m_pLibre += nTaille;
    m_nReste -= nTaille;
    return pMemoire;
}
