#include "FIL_LastError.h"

#include "KIT_TextFormat.h"

namespace
{
FIL_LastError& Etat()
{
    static FIL_LastError etat;
    return etat;
}
} // namespace

const FIL_LastError& FIL_GetLastError()
{
    return Etat();
}

void FIL_SetLastError(std::int16_t nCode, const std::string& message)
{
    FIL_LastError& etat = Etat();
    etat.nCode = nCode;
    etat.message = message;
    etat.messageW = KIT_TextToU16(message);
}
