#ifndef TRE_INDEX_H
#define TRE_INDEX_H

#include "KIT_SafeObject.h"

#include <cstdint>

// A position in a text buffer: offset from 0, line and column from 1.
class TRE_Index : public KIT_SafeObject
{
public:
    TRE_Index() noexcept : KIT_SafeObject("TRE_Index") {}
    ~TRE_Index() override = default;
    TRE_Index(const TRE_Index&) = default;
    TRE_Index& operator=(const TRE_Index&) = default;

    std::int32_t nPosition = 0;
    std::int32_t nLigne = 0;
    std::int32_t nColonne = 0;
    // A mark slot is taken; for the current position, a file is loaded.
    std::uint8_t bUtilise = 0;
};

#endif
