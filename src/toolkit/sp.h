#ifndef KIT_SP_H
#define KIT_SP_H

#include "KIT_ReservedSmartPointer.h"
#include "KIT_SmartPointerException.h"

#include <utility>

// Shared-ownership pointer with a separately allocated counter. T has a virtual
// destructor; deletion goes through it. Wrap each freshly created object exactly once.
template <class T> class sp : public KIT_ReservedSmartPointer
{
    template <class U> friend class sp;

public:
    sp() noexcept = default;

    explicit sp(T* pObject) { Adopt(pObject); }

    sp(const sp& other) noexcept : KIT_ReservedSmartPointer()
    {
        Share(other.m_pObject, other.m_pCounter);
    }

    sp(sp&& other) noexcept : KIT_ReservedSmartPointer()
    {
        m_pObject = std::exchange(other.m_pObject, nullptr);
        m_pCounter = std::exchange(other.m_pCounter, nullptr);
    }

    // Run-time downcast: null when the object is not a T, the source's count untouched.
    template <class U> explicit sp(const sp<U>& other) noexcept : KIT_ReservedSmartPointer()
    {
        if (other.m_pObject)
        {
            if (T* pCast = dynamic_cast<T*>(other.m_pObject))
                Share(pCast, other.m_pCounter);
        }
    }

    ~sp() override { Release(); }

    sp& operator=(T* pObject)
    {
        Release();
        Adopt(pObject);
        return *this;
    }

    sp& operator=(const sp& other) noexcept
    {
        if (this != &other)
        {
            T* pObject = other.m_pObject;
            std::int32_t* pCounter = other.m_pCounter;
            if (pCounter)
                ++*pCounter; // before releasing, so self-sharing assignments stay alive
            Release();
            m_pObject = pObject;
            m_pCounter = pCounter;
        }
        return *this;
    }

    sp& operator=(sp&& other) noexcept
    {
        if (this != &other)
        {
            Release();
            m_pObject = std::exchange(other.m_pObject, nullptr);
            m_pCounter = std::exchange(other.m_pCounter, nullptr);
        }
        return *this;
    }

    void Release() override
    {
        if (m_pObject && m_pCounter)
        {
            if (--*m_pCounter == 0)
            {
                delete m_pObject;
                delete m_pCounter;
            }
        }
        m_pObject = nullptr;
        m_pCounter = nullptr;
    }

    void SetPointer(void* pObject) override { m_pObject = static_cast<T*>(pObject); }
    void* GetPointer() const override { return m_pObject; }
    T* Get() const noexcept { return m_pObject; }

    explicit operator bool() const noexcept { return m_pObject != nullptr; }

    T& operator*() const
    {
        if (!m_pObject)
            throw KIT_SmartPointerException(KIT_SmartPointerException::Dereference);
        return *m_pObject;
    }

    T* operator->() const
    {
        if (!m_pObject)
            throw KIT_SmartPointerException(KIT_SmartPointerException::MemberAccess);
        return m_pObject;
    }

private:
    void Adopt(T* pObject)
    {
        m_pObject = pObject;
        m_pCounter = pObject ? new std::int32_t(1) : nullptr;
    }

    void Share(T* pObject, std::int32_t* pCounter) noexcept
    {
        if (pObject && pCounter)
        {
            m_pObject = pObject;
            m_pCounter = pCounter;
            ++*m_pCounter;
        }
    }

    T* m_pObject = nullptr;
};

#endif
