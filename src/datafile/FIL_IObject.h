#ifndef FIL_IOBJECT_H
#define FIL_IOBJECT_H

// Root of the structured-file interfaces: every FIL_ object can be destroyed through it.
class FIL_IObject
{
public:
    virtual ~FIL_IObject() = default;

protected:
    FIL_IObject() = default;
    FIL_IObject(const FIL_IObject&) = default;
    FIL_IObject& operator=(const FIL_IObject&) = default;
};

#endif
