#ifndef FIL_LASTERROR_H
#define FIL_LASTERROR_H

#include <cstdint>
#include <string>

// Outcome of the last file load through the structured-file interface, process-wide.
struct FIL_LastError
{
    std::int16_t nCode = 0;
    std::string message;
    std::u16string messageW;
};

const FIL_LastError& FIL_GetLastError();
void FIL_SetLastError(std::int16_t nCode, const std::string& message);

#endif
