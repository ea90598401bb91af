#ifndef FIL_PRIVATEAUTOMAT_H
#define FIL_PRIVATEAUTOMAT_H

#include "FIL_IAutomat.h"
#include "FIL_IElement.h"
#include "KIT_SafeObject.h"
#include "TRE_Automate.h"

class FIL_PrivateAutomat : public FIL_IAutomat, public KIT_SafeObject
{
public:
    // Over a new, empty automaton.
    FIL_PrivateAutomat();
    // Over an existing automaton, with a root handle when it has a root.
    explicit FIL_PrivateAutomat(const sp<TRE_Automate>& automate);
    ~FIL_PrivateAutomat() override = default;

    // Reads the file (the 8-bit path if given, else the wide one) and records the outcome
    // in the last-error state.
    bool LoadFile(const char* pPath, const char16_t* pPathW, bool bXml);

    sp<FIL_IElement> GetRoot() const override;
    bool SaveFileW(const char16_t* pPath) const override;
    bool SaveFile(const char* pPath) const override;
    bool SaveStreamW(const char16_t* pPath) const override;
    bool SaveStream(const char* pPath) const override;

private:
    sp<FIL_IElement> m_racine;
    sp<TRE_Automate> m_automate;
};

#endif
