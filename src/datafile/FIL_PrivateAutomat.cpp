#include "FIL_PrivateAutomat.h"

#include "FIL_LastError.h"
#include "FIL_PrivateElement.h"
#include "FIL_Utf16.h"

#include <fstream>

FIL_PrivateAutomat::FIL_PrivateAutomat()
    : KIT_SafeObject("FIL_IAutomat"), m_automate(new TRE_Automate())
{
}

FIL_PrivateAutomat::FIL_PrivateAutomat(const sp<TRE_Automate>& automate)
    : KIT_SafeObject("FIL_IAutomat"), m_automate(automate)
{
    if (m_automate && m_automate->GetRoot())
        m_racine = sp<FIL_IElement>(new FIL_PrivateElement(m_automate->GetRoot(), m_automate));
}

bool FIL_PrivateAutomat::LoadFile(const char* pPath, const char16_t* pPathW, bool bXml)
{
    if (!m_automate || (!pPath && !pPathW))
        return false;
    const std::string chemin = pPath ? std::string(pPath) : FIL_Utf16VersUtf8(pPathW);
    const bool bCharge =
        bXml ? m_automate->LoadXml(chemin.c_str()) : m_automate->LoadText(chemin.c_str());
    FIL_SetLastError(m_automate->GetErrorCode(), m_automate->GetMessage());
    if (!bCharge || !m_automate->GetRoot())
        return false;
    m_racine = sp<FIL_IElement>(new FIL_PrivateElement(m_automate->GetRoot(), m_automate));
    return true;
}

sp<FIL_IElement> FIL_PrivateAutomat::GetRoot() const
{
    return m_racine;
}

bool FIL_PrivateAutomat::SaveFileW(const char16_t* pPath) const
{
    if (!pPath)
        return false;
    return SaveFile(FIL_Utf16VersUtf8(pPath).c_str());
}

bool FIL_PrivateAutomat::SaveFile(const char* pPath) const
{
    if (!pPath || !m_automate)
        return false;
    return m_automate->SaveFile(pPath);
}

bool FIL_PrivateAutomat::SaveStreamW(const char16_t* pPath) const
{
    if (!pPath)
        return false;
    return SaveStream(FIL_Utf16VersUtf8(pPath).c_str());
}

bool FIL_PrivateAutomat::SaveStream(const char* pPath) const
{
    if (!pPath || !m_racine || !m_automate || !m_automate->GetRoot())
        return false;
    std::ofstream flux(pPath, std::ios::out | std::ios::trunc);
    if (!flux.is_open())
        return false;
    m_automate->GetRoot()->EcrireXml(flux, 0);
    flux.close();
    return !flux.fail();
}
