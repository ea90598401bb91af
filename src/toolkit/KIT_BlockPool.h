#ifndef KIT_BLOCKPOOL_H
#define KIT_BLOCKPOOL_H

#include <cstddef>
#include <new>

// Recycles blocks of one size for objects created and destroyed by the hundred thousand
// (tree nodes, list nodes). Each thread keeps its own free blocks, at most kMaxFree of
// them; the rest go back to the heap. A block may be freed on another thread than the one
// that allocated it.
template <std::size_t Size> class KIT_BlockPool
{
public:
    static constexpr std::size_t kMaxFree = std::size_t(1) << 22;

    static void* Allocate(std::size_t nSize)
    {
        if (nSize != Size)
            return ::operator new(nSize);
        FreeBlocks& free = Free();
        if (!free.pFirst)
            return ::operator new(kBlockSize);
        Block* pBlock = free.pFirst;
        free.pFirst = pBlock->pNext;
        --free.nCount;
        return pBlock;
    }

    static void Release(void* pMemory, std::size_t nSize) noexcept
    {
        if (!pMemory)
            return;
        if (nSize != Size)
        {
            ::operator delete(pMemory);
            return;
        }
        FreeBlocks& free = Free();
        if (free.nCount >= kMaxFree)
        {
            ::operator delete(pMemory);
            return;
        }
        free.pFirst = new (pMemory) Block{free.pFirst};
        ++free.nCount;
    }

private:
    struct Block
    {
        Block* pNext;
    };
    static constexpr std::size_t kBlockSize = Size < sizeof(Block) ? sizeof(Block) : Size;

    struct FreeBlocks
    {
        ~FreeBlocks()
        {
            while (pFirst)
            {
                Block* pNext = pFirst->pNext;
                ::operator delete(pFirst);
                pFirst = pNext;
            }
        }
        Block* pFirst = nullptr;
        std::size_t nCount = 0;
    };

    static FreeBlocks& Free()
    {
        thread_local FreeBlocks free;
        return free;
    }
};

// Declares class-specific allocation through the pool of the class's size.
#define KIT_POOLED_ALLOCATION(Class)                                                               \
    static void* operator new(std::size_t nSize)                                                   \
    {                                                                                              \
        return KIT_BlockPool<sizeof(Class)>::Allocate(nSize);                                      \
    }                                                                                              \
    static void operator delete(void* pMemory, std::size_t nSize) noexcept                         \
    {                                                                                              \
        KIT_BlockPool<sizeof(Class)>::Release(pMemory, nSize);                                     \
    }

#endif
