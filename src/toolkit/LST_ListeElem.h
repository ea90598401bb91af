#ifndef LST_LISTEELEM_H
#define LST_LISTEELEM_H

#include "KIT_SafeObject.h"

template <class T, class I> class LST_Liste;

// One node of an LST_Liste. It deletes its item with itself when its list is owning.
template <class T, class I> class LST_ListeElem : public KIT_SafeObject
{
    friend class LST_Liste<T, I>;

public:
    LST_ListeElem(T* pItem, LST_ListeElem* pNext, const LST_Liste<T, I>* pList) noexcept
        : KIT_SafeObject("LST_ListeElem"), m_pItem(pItem), m_pNext(pNext), m_pList(pList)
    {
    }

    ~LST_ListeElem() override
    {
        if (m_pList->IsOwning())
            delete m_pItem;
    }

    LST_ListeElem(const LST_ListeElem&) = delete;
    LST_ListeElem& operator=(const LST_ListeElem&) = delete;

    T* Item() const noexcept { return m_pItem; }
    LST_ListeElem* Next() const noexcept { return m_pNext; }

    // Hands the item to the caller, so that deleting the node leaves it alive.
    T* Detach() noexcept
    {
        T* pItem = m_pItem;
        m_pItem = nullptr;
        return pItem;
    }

private:
    T* m_pItem;
    LST_ListeElem* m_pNext;
    const LST_Liste<T, I>* m_pList;
};

#endif
