#include "FIL_PrivateElement.h"

#include "FIL_PrivateAutomat.h"
#include "FIL_Utf16.h"
#include "KIT_TextFormat.h"
#include "TRE_Champ.h"
#include "TRE_Texte.h"
#include "TRE_ValeurSimple.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <locale.h>

namespace
{
// Decimal points are read the same way whatever locale the application has set.
double LireDouble(const char* pTexte)
{
    static const locale_t localeC = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(pTexte, nullptr, localeC);
}

long LireLong(const char* pTexte)
{
    return std::strtol(pTexte, nullptr, 10);
}

int LireInt(const char* pTexte)
{
    return static_cast<int>(LireLong(pTexte));
}

long long LireInt64(const char* pTexte)
{
    char* pFin = nullptr;
    errno = 0;
    const long long nValeur = std::strtoll(pTexte, &pFin, 10);
    return pFin == pTexte ? -32768 : nValeur;
}

short LireCentiemes(const char* pTexte)
{
    double centiemes = std::round(LireDouble(pTexte) * 100.0);
    if (!(centiemes > -9.2e18))
        centiemes = std::isnan(centiemes) ? 0.0 : -9.2e18;
    if (centiemes > 9.2e18)
        centiemes = 9.2e18;
    return static_cast<short>(static_cast<long long>(centiemes));
}

// The 8-bit text of a value: a quoted text loses its first and last characters.
void SansGuillemets(const char* pTexte, std::string& resultat)
{
    const std::size_t nLongueur = std::strlen(pTexte);
    if (nLongueur == 0 || pTexte[0] != '"')
        resultat.assign(pTexte, nLongueur);
    else if (nLongueur == 1)
        resultat.clear();
    else
        resultat.assign(pTexte + 1, nLongueur - 2);
}

std::string SansGuillemets(const char* pTexte)
{
    std::string resultat;
    SansGuillemets(pTexte, resultat);
    return resultat;
}

std::string Nom(const char16_t* pName)
{
    return FIL_Utf16VersUtf8(pName);
}
} // namespace

FIL_PrivateElement::FIL_PrivateElement(TRE_Element* pElement, const sp<TRE_Automate>& automate)
    : KIT_SafeObject("FIL_IElement"), m_pElement(pElement), m_automate(automate)
{
}

sp<FIL_IAutomat> FIL_PrivateElement::GetAutomat() const
{
    return sp<FIL_IAutomat>(new FIL_PrivateAutomat(m_automate));
}

TRE_Element* FIL_PrivateElement::Trouver(const char* pName, int nIndex) const
{
    if (!m_pElement || !pName)
        return nullptr;
    if (nIndex == 0)
        return m_pElement->Chercher(pName);
    std::string chemin(pName);
    chemin += '[';
    chemin += std::to_string(nIndex);
    chemin += ']';
    return m_pElement->Chercher(chemin.c_str());
}

const char* FIL_PrivateElement::Texte(const char* pName, int nIndex) const
{
    if (nIndex == 0)
        return m_pElement && pName ? m_pElement->ChercherValeur(pName) : nullptr;
    const TRE_Element* pTrouve = Trouver(pName, nIndex);
    return pTrouve ? pTrouve->Valeur() : nullptr;
}

// 8-bit names.

bool FIL_PrivateElement::GetValue(const char* pName, std::u16string& value, int nIndex) const
{
    const char* pTexte = Texte(pName, nIndex);
    if (!pTexte)
        return false;
    value = KIT_TextToU16(SansGuillemets(pTexte));
    return true;
}

bool FIL_PrivateElement::GetValue(const char* pName, std::string& value, int nIndex) const
{
    const char* pTexte = Texte(pName, nIndex);
    if (!pTexte)
        return false;
    SansGuillemets(pTexte, value);
    return true;
}

bool FIL_PrivateElement::GetValue(const char* pName, double& value, int nIndex) const
{
    const char* pTexte = Texte(pName, nIndex);
    if (!pTexte)
        return false;
    value = LireDouble(pTexte);
    return true;
}

bool FIL_PrivateElement::GetValue(const char* pName, float& value, int nIndex) const
{
    const char* pTexte = Texte(pName, nIndex);
    if (!pTexte)
        return false;
    value = static_cast<float>(LireDouble(pTexte));
    return true;
}

bool FIL_PrivateElement::GetValue(const char* pName, long long& value, int nIndex) const
{
    const char* pTexte = Texte(pName, nIndex);
    if (!pTexte)
        return false;
    value = pTexte[0] == '"' ? LireInt64(SansGuillemets(pTexte).c_str()) : LireInt64(pTexte);
    return true;
}

bool FIL_PrivateElement::GetValue(const char* pName, int& value, int nIndex) const
{
    const char* pTexte = Texte(pName, nIndex);
    if (!pTexte)
        return false;
    value = LireInt(pTexte);
    return true;
}

bool FIL_PrivateElement::GetValue(const char* pName, long& value, int nIndex) const
{
    const char* pTexte = Texte(pName, nIndex);
    if (!pTexte)
        return false;
    value = LireLong(pTexte);
    return true;
}

bool FIL_PrivateElement::GetValue(const char* pName, short& value, int nIndex) const
{
    const char* pTexte = Texte(pName, nIndex);
    if (!pTexte)
        return false;
    value = static_cast<short>(LireInt(pTexte));
    return true;
}

bool FIL_PrivateElement::GetValue(const char* pName, bool& value, int nIndex) const
{
    const char* pTexte = Texte(pName, nIndex);
    if (!pTexte)
        return false;
    value = LireInt(pTexte) > 0;
    return true;
}

bool FIL_PrivateElement::GetValueHundredths(const char* pName, short& value, int nIndex) const
{
    const char* pTexte = Texte(pName, nIndex);
    if (!pTexte)
        return false;
    value = LireCentiemes(pTexte);
    return true;
}

// Wide names: the same lookups under the name's 8-bit form.

bool FIL_PrivateElement::GetValue(const char16_t* pName, std::u16string& value, int nIndex) const
{
    return pName && GetValue(Nom(pName).c_str(), value, nIndex);
}

bool FIL_PrivateElement::GetValue(const char16_t* pName, std::string& value, int nIndex) const
{
    return pName && GetValue(Nom(pName).c_str(), value, nIndex);
}

bool FIL_PrivateElement::GetValue(const char16_t* pName, double& value, int nIndex) const
{
    return pName && GetValue(Nom(pName).c_str(), value, nIndex);
}

bool FIL_PrivateElement::GetValue(const char16_t* pName, float& value, int nIndex) const
{
    return pName && GetValue(Nom(pName).c_str(), value, nIndex);
}

bool FIL_PrivateElement::GetValue(const char16_t* pName, int& value, int nIndex) const
{
    return pName && GetValue(Nom(pName).c_str(), value, nIndex);
}

bool FIL_PrivateElement::GetValue(const char16_t* pName, long& value, int nIndex) const
{
    return pName && GetValue(Nom(pName).c_str(), value, nIndex);
}

bool FIL_PrivateElement::GetValue(const char16_t* pName, short& value, int nIndex) const
{
    return pName && GetValue(Nom(pName).c_str(), value, nIndex);
}

bool FIL_PrivateElement::GetValue(const char16_t* pName, bool& value, int nIndex) const
{
    return pName && GetValue(Nom(pName).c_str(), value, nIndex);
}

bool FIL_PrivateElement::GetValueHundredths(const char16_t* pName, short& value, int nIndex) const
{
    return pName && GetValueHundredths(Nom(pName).c_str(), value, nIndex);
}

sp<FIL_IElement> FIL_PrivateElement::GetElement(const char16_t* pName, int nIndex) const
{
    return pName ? GetElement(Nom(pName).c_str(), nIndex) : sp<FIL_IElement>();
}

sp<FIL_IElement> FIL_PrivateElement::GetElement(const char* pName, int nIndex) const
{
    TRE_Element* pTrouve = Trouver(pName, nIndex);
    if (!pTrouve)
        return sp<FIL_IElement>();
    return sp<FIL_IElement>(new FIL_PrivateElement(pTrouve, m_automate));
}

std::vector<std::u16string> FIL_PrivateElement::GetNamesW(bool bWithNumbers) const
{
    std::vector<std::u16string> noms;
    for (const std::string& nom : GetNames(bWithNumbers))
        noms.push_back(KIT_TextToU16(nom));
    return noms;
}

std::vector<std::string> FIL_PrivateElement::GetNames(bool bWithNumbers) const
{
    return m_pElement ? m_pElement->ListerNoms(bWithNumbers) : std::vector<std::string>();
}

bool FIL_PrivateElement::Remplacer(const char* pName, int nIndex, const std::string& texte)
{
    TRE_Element* pTrouve = Trouver(pName, nIndex);
    if (!pTrouve)
        return false;
    if (pTrouve->GetType() == TRE_Element::Champ)
    {
        static_cast<TRE_Champ*>(pTrouve)->SetValeur(std::make_unique<TRE_ValeurSimple>(
            TRE_CopierTexte(texte.data(), texte.size()), TRE_Element::ValeurTexte));
        return true;
    }
    if (pTrouve->GetType() <= TRE_Element::ValeurAppel)
    {
        static_cast<TRE_ValeurSimple*>(pTrouve)->SetTexte(
            TRE_CopierTexte(texte.data(), texte.size()));
        return true;
    }
    return false;
}

bool FIL_PrivateElement::SetValue(const char* pName, const std::u16string& value, int nIndex)
{
    std::u16string ancien;
    return GetValue(pName, ancien, nIndex) && Remplacer(pName, nIndex, KIT_U16ToText(value));
}

bool FIL_PrivateElement::SetValue(const char* pName, const std::string& value, int nIndex)
{
    std::string ancien;
    return GetValue(pName, ancien, nIndex) && Remplacer(pName, nIndex, value);
}

bool FIL_PrivateElement::SetValue(const char* pName, double value, int nIndex)
{
    double ancien = 0.0;
    return GetValue(pName, ancien, nIndex) && Remplacer(pName, nIndex, KIT_DoubleToText(value));
}

bool FIL_PrivateElement::SetValue(const char* pName, int value, int nIndex)
{
    int ancien = 0;
    return GetValue(pName, ancien, nIndex) && Remplacer(pName, nIndex, KIT_Int32ToText(value));
}

bool FIL_PrivateElement::SetValue(const char16_t* pName, const std::u16string& value, int nIndex)
{
    return pName && SetValue(Nom(pName).c_str(), value, nIndex);
}

bool FIL_PrivateElement::SetValue(const char16_t* pName, const std::string& value, int nIndex)
{
    return pName && SetValue(Nom(pName).c_str(), value, nIndex);
}

bool FIL_PrivateElement::SetValue(const char16_t* pName, double value, int nIndex)
{
    return pName && SetValue(Nom(pName).c_str(), value, nIndex);
}

bool FIL_PrivateElement::SetValue(const char16_t* pName, int value, int nIndex)
{
    return pName && SetValue(Nom(pName).c_str(), value, nIndex);
}
