#ifndef KIT_SMARTPOINTEREXCEPTION_H
#define KIT_SMARTPOINTEREXCEPTION_H

#include <cstdint>
#include <exception>

// Thrown on every use of a null sp<T>; nothing in the program catches it.
class KIT_SmartPointerException : public std::exception
{
public:
    enum Code : std::int32_t
    {
        Dereference = 0,
        MemberAccess = 1
    };

    explicit KIT_SmartPointerException(std::int32_t nCode) noexcept : m_nCode(nCode) {}
    ~KIT_SmartPointerException() override = default;

    const char* what() const noexcept override;
    virtual std::int32_t GetCode() const noexcept { return m_nCode; }

private:
    std::int32_t m_nCode;
};

#endif
