#ifndef FIL_IELEMENT_H
#define FIL_IELEMENT_H

#include "FIL_IObject.h"
#include "sp.h"

#include <string>
#include <vector>

class FIL_IAutomat;

// One element of an opened structured file. Values and child elements are reached by name
// and occurrence index: the path is "name[index]", or the bare name for index 0. The name
// may itself be a path ("P[2].b"). Getters answer false and leave the output alone when
// nothing is found; numbers that do not read convert to 0 (-32768 for 64 bits).
// A handle keeps the whole tree alive.
class FIL_IElement : public virtual FIL_IObject
{
public:
    virtual sp<FIL_IAutomat> GetAutomat() const = 0;

    virtual bool GetValue(const char16_t* pName, std::u16string& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char16_t* pName, std::string& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char16_t* pName, double& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char16_t* pName, float& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char16_t* pName, int& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char16_t* pName, long& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char16_t* pName, short& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char16_t* pName, bool& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char* pName, std::u16string& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char* pName, std::string& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char* pName, double& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char* pName, float& value, int nIndex = 0) const = 0;
    // The 64-bit reading: -32768 when the text holds no number.
    virtual bool GetValue(const char* pName, long long& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char* pName, int& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char* pName, long& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char* pName, short& value, int nIndex = 0) const = 0;
    virtual bool GetValue(const char* pName, bool& value, int nIndex = 0) const = 0;
    // A decimal number read as hundredths (1.5 gives 150).
    virtual bool GetValueHundredths(const char16_t* pName, short& value, int nIndex = 0) const = 0;
    virtual bool GetValueHundredths(const char* pName, short& value, int nIndex = 0) const = 0;

    virtual sp<FIL_IElement> GetElement(const char16_t* pName, int nIndex) const = 0;
    virtual sp<FIL_IElement> GetElement(const char* pName, int nIndex) const = 0;

    // The names of the children, as "name[k]" with bWithNumbers.
    virtual std::vector<std::u16string> GetNamesW(bool bWithNumbers) const = 0;
    virtual std::vector<std::string> GetNames(bool bWithNumbers) const = 0;

    // Overwrites an existing value; false when there is none.
    virtual bool SetValue(const char16_t* pName, const std::u16string& value, int nIndex = 0) = 0;
    virtual bool SetValue(const char16_t* pName, const std::string& value, int nIndex = 0) = 0;
    virtual bool SetValue(const char16_t* pName, double value, int nIndex = 0) = 0;
    virtual bool SetValue(const char16_t* pName, int value, int nIndex = 0) = 0;
    virtual bool SetValue(const char* pName, const std::u16string& value, int nIndex = 0) = 0;
    virtual bool SetValue(const char* pName, const std::string& value, int nIndex = 0) = 0;
    virtual bool SetValue(const char* pName, double value, int nIndex = 0) = 0;
    virtual bool SetValue(const char* pName, int value, int nIndex = 0) = 0;
};

#endif
