#ifndef LST_LISTETABELEM_H
#define LST_LISTETABELEM_H

#include "KIT_SafeObject.h"

template <class Ch, class I> class LST_ListeTab;

// One node of an LST_ListeTab: owns its text array.
template <class Ch, class I> class LST_ListeTabElem : public KIT_SafeObject
{
    friend class LST_ListeTab<Ch, I>;

public:
    LST_ListeTabElem(Ch* pText, LST_ListeTabElem* pNext) noexcept
        : KIT_SafeObject("LST_ListeTabElem"), m_pText(pText), m_pNext(pNext)
    {
    }

    ~LST_ListeTabElem() override { delete[] m_pText; }

    LST_ListeTabElem(const LST_ListeTabElem&) = delete;
    LST_ListeTabElem& operator=(const LST_ListeTabElem&) = delete;

    const Ch* Text() const noexcept { return m_pText; }
    LST_ListeTabElem* Next() const noexcept { return m_pNext; }

private:
    Ch* m_pText;
    LST_ListeTabElem* m_pNext;
};

#endif
