#ifndef LST_LISTE_H
#define LST_LISTE_H

#include "KIT_SafeObject.h"
#include "LST_ListeElem.h"

// Singly linked, counted list of item pointers with 1-based positions. An owning list
// deletes its items with their nodes. The last positional access is remembered, so that
// reading positions in increasing order costs one step each; every insertion and removal
// forgets it.
template <class T, class I> class LST_Liste : public KIT_SafeObject
{
public:
    using Node = LST_ListeElem<T, I>;

    explicit LST_Liste(bool bOwning = true) noexcept
        : KIT_SafeObject("LST_Liste"), m_bOwning(bOwning)
    {
    }

    ~LST_Liste() override { RemoveAll(); }

    LST_Liste(const LST_Liste&) = delete;
    LST_Liste& operator=(const LST_Liste&) = delete;

    void InsertFirst(T* pItem)
    {
        ClearCache();
        m_pFirst = new Node(pItem, m_pFirst, this);
        if (!m_pLast)
            m_pLast = m_pFirst;
        ++m_nCount;
    }

    void Append(T* pItem)
    {
        ClearCache();
        Node* pNode = new Node(pItem, nullptr, this);
        if (m_pLast)
            m_pLast->m_pNext = pNode;
        else
            m_pFirst = pNode;
        m_pLast = pNode;
        ++m_nCount;
    }

    void RemoveFirst()
    {
        ClearCache();
        if (!m_pFirst)
            return;
        Node* pOld = m_pFirst;
        m_pFirst = pOld->m_pNext;
        if (!m_pFirst)
            m_pLast = nullptr;
        --m_nCount;
        delete pOld;
    }

    void RemoveLast()
    {
        ClearCache();
        if (!m_pFirst)
            return;
        if (m_pFirst == m_pLast)
        {
            RemoveFirst();
            return;
        }
        Node* pBefore = m_pFirst;
        while (pBefore->m_pNext != m_pLast)
            pBefore = pBefore->m_pNext;
        delete m_pLast;
        pBefore->m_pNext = nullptr;
        m_pLast = pBefore;
        --m_nCount;
    }

    void RemoveAt(I nPosition)
    {
        ClearCache();
        if (nPosition <= 0 || nPosition > m_nCount)
            return;
        if (nPosition == 1)
        {
            RemoveFirst();
            return;
        }
        if (nPosition == m_nCount)
        {
            RemoveLast();
            return;
        }
        Node* pBefore = m_pFirst;
        for (I n = 1; n < nPosition - 1; ++n)
            pBefore = pBefore->m_pNext;
        Node* pOld = pBefore->m_pNext;
        pBefore->m_pNext = pOld->m_pNext;
        --m_nCount;
        delete pOld;
    }

    void RemoveAll()
    {
        while (m_pFirst)
            RemoveFirst();
    }

    Node* GetNodeAt(I nPosition)
    {
        if (nPosition <= 0 || nPosition > m_nCount || !m_pFirst)
            return nullptr;
        Node* pNode = m_pFirst;
        I nAt = 1;
        if (m_nCachedPosition != 0 && nPosition >= m_nCachedPosition)
        {
            pNode = m_pCachedNode;
            nAt = m_nCachedPosition;
        }
        for (; nAt < nPosition; ++nAt)
            pNode = pNode->m_pNext;
        m_pCachedNode = pNode;
        m_nCachedPosition = nPosition;
        return pNode;
    }

    T* GetAt(I nPosition)
    {
        Node* pNode = GetNodeAt(nPosition);
        return pNode ? pNode->m_pItem : nullptr;
    }

    void SetAt(T* pItem, I nPosition)
    {
        Node* pNode = GetNodeAt(nPosition);
        if (!pNode || pNode->m_pItem == pItem)
            return;
        if (m_bOwning)
            delete pNode->m_pItem;
        pNode->m_pItem = pItem;
    }

    I Count() const noexcept { return m_nCount; }
    bool IsOwning() const noexcept { return m_bOwning; }
    Node* First() const noexcept { return m_pFirst; }
    Node* Last() const noexcept { return m_pLast; }
    // 1-based position remembered by the last positional access, 0 when none.
    I CachedPosition() const noexcept { return m_nCachedPosition; }

private:
    void ClearCache() noexcept
    {
        m_pCachedNode = nullptr;
        m_nCachedPosition = 0;
    }

    Node* m_pFirst = nullptr;
    Node* m_pLast = nullptr;
    Node* m_pCachedNode = nullptr;
    I m_nCachedPosition = 0;
    I m_nCount = 0;
    bool m_bOwning;
};

#endif
