#ifndef LST_LISTETAB_H
#define LST_LISTETAB_H

#include "KIT_SafeObject.h"
#include "LST_ListeTabElem.h"

// Singly linked, counted list of owned text arrays (allocated by the caller with new[]).
template <class Ch, class I> class LST_ListeTab : public KIT_SafeObject
{
public:
    using Node = LST_ListeTabElem<Ch, I>;

    LST_ListeTab() noexcept : KIT_SafeObject("LST_ListeTab") {}
    ~LST_ListeTab() override
    {
        while (m_pFirst)
            RemoveFirst();
    }

    LST_ListeTab(const LST_ListeTab&) = delete;
    LST_ListeTab& operator=(const LST_ListeTab&) = delete;

    void Append(Ch* pText)
    {
        ClearCache();
        Node* pNode = new Node(pText, nullptr);
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

    I Count() const noexcept { return m_nCount; }
    Node* First() const noexcept { return m_pFirst; }
    Node* Last() const noexcept { return m_pLast; }
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
};

#endif
