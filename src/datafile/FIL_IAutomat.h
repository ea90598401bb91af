#ifndef FIL_IAUTOMAT_H
#define FIL_IAUTOMAT_H

#include "FIL_IObject.h"
#include "sp.h"

class FIL_IElement;

// An opened structured file: its root element and the ways to save it.
class FIL_IAutomat : public virtual FIL_IObject
{
public:
    // The root element; a null handle when there is none.
    virtual sp<FIL_IElement> GetRoot() const = 0;
    // In the brace text format.
    virtual bool SaveFileW(const char16_t* pPath) const = 0;
    virtual bool SaveFile(const char* pPath) const = 0;
    // As XML; true when the whole file was written.
    virtual bool SaveStreamW(const char16_t* pPath) const = 0;
    virtual bool SaveStream(const char* pPath) const = 0;
};

#endif
