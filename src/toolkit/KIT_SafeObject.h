#ifndef KIT_SAFEOBJECT_H
#define KIT_SAFEOBJECT_H

// Common base giving an object a fixed class name. It stays free: one pointer, no
// allocation, no registration, since scene items are created by the hundreds per refresh.
class KIT_SafeObject
{
public:
    explicit KIT_SafeObject(const char* pName) noexcept : m_pName(pName) {}
    virtual ~KIT_SafeObject() = default;

    KIT_SafeObject(const KIT_SafeObject&) = default;
    KIT_SafeObject& operator=(const KIT_SafeObject&) = default;

    // The class name given at construction (a literal, never owned).
    const char* GetSafeObjectName() const noexcept { return m_pName; }

private:
    const char* m_pName;
};

#endif
