#ifndef FIL_PRIVATEELEMENT_H
#define FIL_PRIVATEELEMENT_H

#include "FIL_IElement.h"
#include "KIT_SafeObject.h"
#include "TRE_Automate.h"

class FIL_PrivateElement : public FIL_IElement, public KIT_SafeObject
{
public:
    // The element is not owned: the automaton handle keeps its tree alive.
    FIL_PrivateElement(TRE_Element* pElement, const sp<TRE_Automate>& automate);
    ~FIL_PrivateElement() override = default;

    sp<FIL_IAutomat> GetAutomat() const override;

    bool GetValue(const char16_t* pName, std::u16string& value, int nIndex = 0) const override;
    bool GetValue(const char16_t* pName, std::string& value, int nIndex = 0) const override;
    bool GetValue(const char16_t* pName, double& value, int nIndex = 0) const override;
    bool GetValue(const char16_t* pName, float& value, int nIndex = 0) const override;
    bool GetValue(const char16_t* pName, int& value, int nIndex = 0) const override;
    bool GetValue(const char16_t* pName, long& value, int nIndex = 0) const override;
    bool GetValue(const char16_t* pName, short& value, int nIndex = 0) const override;
    bool GetValue(const char16_t* pName, bool& value, int nIndex = 0) const override;
    bool GetValue(const char* pName, std::u16string& value, int nIndex = 0) const override;
    bool GetValue(const char* pName, std::string& value, int nIndex = 0) const override;
    bool GetValue(const char* pName, double& value, int nIndex = 0) const override;
    bool GetValue(const char* pName, float& value, int nIndex = 0) const override;
    bool GetValue(const char* pName, long long& value, int nIndex = 0) const override;
    bool GetValue(const char* pName, int& value, int nIndex = 0) const override;
    bool GetValue(const char* pName, long& value, int nIndex = 0) const override;
    bool GetValue(const char* pName, short& value, int nIndex = 0) const override;
    bool GetValue(const char* pName, bool& value, int nIndex = 0) const override;
    bool GetValueHundredths(const char16_t* pName, short& value, int nIndex = 0) const override;
    bool GetValueHundredths(const char* pName, short& value, int nIndex = 0) const override;

    sp<FIL_IElement> GetElement(const char16_t* pName, int nIndex) const override;
    sp<FIL_IElement> GetElement(const char* pName, int nIndex) const override;

    std::vector<std::u16string> GetNamesW(bool bWithNumbers) const override;
    std::vector<std::string> GetNames(bool bWithNumbers) const override;

    bool SetValue(const char16_t* pName, const std::u16string& value, int nIndex = 0) override;
    bool SetValue(const char16_t* pName, const std::string& value, int nIndex = 0) override;
    bool SetValue(const char16_t* pName, double value, int nIndex = 0) override;
    bool SetValue(const char16_t* pName, int value, int nIndex = 0) override;
    bool SetValue(const char* pName, const std::u16string& value, int nIndex = 0) override;
    bool SetValue(const char* pName, const std::string& value, int nIndex = 0) override;
    bool SetValue(const char* pName, double value, int nIndex = 0) override;
    bool SetValue(const char* pName, int value, int nIndex = 0) override;

    TRE_Element* GetTreeElement() const noexcept { return m_pElement; }

private:
    TRE_Element* Trouver(const char* pName, int nIndex) const;
    // The value text at the path, null when there is none.
    const char* Texte(const char* pName, int nIndex) const;
    bool Remplacer(const char* pName, int nIndex, const std::string& texte);

    TRE_Element* m_pElement;
    sp<TRE_Automate> m_automate;
};

#endif
