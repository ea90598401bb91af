#ifndef KIT_RESERVEDSMARTPOINTER_H
#define KIT_RESERVEDSMARTPOINTER_H

#include "KIT_SafeObject.h"

#include <cstdint>

// Untyped base of every sp<T>: carries the shared reference counter.
class KIT_ReservedSmartPointer : public KIT_SafeObject
{
public:
    KIT_ReservedSmartPointer() noexcept : KIT_SafeObject("KIT_SmartPointer") {}
    ~KIT_ReservedSmartPointer() override = default;

    virtual void Release() = 0;
    virtual void SetPointer(void* pObject) = 0;
    virtual void* GetPointer() const = 0;

    // Number of smart pointers sharing the object, 0 for a null pointer.
    std::int32_t GetCount() const noexcept { return m_pCounter ? *m_pCounter : 0; }

protected:
    KIT_ReservedSmartPointer(const KIT_ReservedSmartPointer&) = default;
    KIT_ReservedSmartPointer& operator=(const KIT_ReservedSmartPointer&) = default;

    std::int32_t* m_pCounter = nullptr;
};

#endif
