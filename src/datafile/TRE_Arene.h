#ifndef TRE_ARENE_H
#define TRE_ARENE_H

#include "KIT_SafeObject.h"

#include <cstddef>
#include <memory>
#include <vector>

// Memory for the elements that a reader builds: carved from large blocks and released all
// at once with the tree, instead of one heap allocation and one release per element. While
// a Portee is alive, the elements created on its thread come from its arena; elsewhere they
// come from the heap. Destroying an element of an arena releases nothing by itself, so the
// arena must outlive every element it holds (the automaton keeps it beside its root).
class TRE_Arene : public KIT_SafeObject
{
public:
    TRE_Arene() noexcept : KIT_SafeObject("TRE_Arene") {}
    ~TRE_Arene() override = default;
    TRE_Arene(const TRE_Arene&) = delete;
    TRE_Arene& operator=(const TRE_Arene&) = delete;

    class Portee
    {
    public:
        explicit Portee(TRE_Arene& arene) noexcept;
        ~Portee();
        Portee(const Portee&) = delete;
        Portee& operator=(const Portee&) = delete;

    private:
        TRE_Arene* m_pPrecedente;
    };

    // The allocation of every element: from the current arena, or from the heap.
    static void* Nouveau(std::size_t nTaille);
    static void Detruire(void* pMemoire) noexcept;
    // Bytes for texts from the current arena; null when none is current, so that the
    // caller owns heap memory instead.
    static char* NouveauTexte(std::size_t nTaille);

private:
    // The arena pointer before each element; elements hold nothing aligned beyond pointers.
    static constexpr std::size_t kEntete = alignof(void*);
    static constexpr std::size_t kTailleBloc = 64 * 1024;

    void* Allouer(std::size_t nTaille, std::size_t nAlignement);

    std::vector<std::unique_ptr<unsigned char[]>> m_blocs;
    unsigned char* m_pLibre = nullptr;
    std::size_t m_nReste = 0;
};

#endif
