#include "KIT_SmartPointerException.h"

const char* KIT_SmartPointerException::what() const noexcept
{
    switch (m_nCode)
    {
    case Dereference:
        return "\nKIT_SmartPointer Exception(*): point on an undefined object.\n";
    case MemberAccess:
        return "\nKIT_SmartPointer Exception(->): call method/member of an undefined object.\n";
    default:
        return "\nKIT_SmartPointer unknown exception\n";
    }
}
