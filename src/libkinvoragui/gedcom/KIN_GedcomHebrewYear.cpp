#include "KIN_GedcomHebrewYear.h"

#include <algorithm>

namespace
{
constexpr std::int64_t kMaxYear = 1000000000000LL;
constexpr std::int64_t kEpoch = -1373427; // fixed day of 1 Tishri AM 1 (7 October 3761 B.C.)
constexpr std::int64_t kHalakimPerDay = 25920;
constexpr int kMonths = 13;

std::int64_t FloorDiv(std::int64_t nValue, std::int64_t nDivisor)
{
    const std::int64_t nQuotient = nValue / nDivisor;
    return nValue % nDivisor < 0 ? nQuotient - 1 : nQuotient;
}

std::int64_t FloorMod(std::int64_t nValue, std::int64_t nDivisor)
{
    return nValue - FloorDiv(nValue, nDivisor) * nDivisor;
}

// The proleptic Gregorian year of a fixed day, numbered as the program does (no year 0).
std::int64_t GregorianYear(std::int64_t nFixedDay)
{
    const std::int64_t nDay0 = nFixedDay - 1;
    const std::int64_t n400 = FloorDiv(nDay0, 146097);
    const std::int64_t nDay1 = FloorMod(nDay0, 146097);
    const std::int64_t n100 = nDay1 / 36524;
    const std::int64_t nDay2 = nDay1 % 36524;
    const std::int64_t n4 = nDay2 / 1461;
    const std::int64_t nDay3 = nDay2 % 1461;
    const std::int64_t n1 = nDay3 / 365;
    std::int64_t nYear = 400 * n400 + 100 * n100 + 4 * n4 + n1;
    if (n100 != 4 && n1 != 4)
        ++nYear;
    return nYear > 0 ? nYear : nYear - 1;
}
} // namespace

KIN_GedcomHebrewYear::KIN_GedcomHebrewYear(std::int64_t nYear)
{
    nYear = std::clamp<std::int64_t>(nYear, 1, kMaxYear);
    m_nNewYear = NewYear(nYear);
    m_nLength = static_cast<int>(NewYear(nYear + 1) - m_nNewYear);
    m_bLeap = FloorMod(7 * nYear + 1, 19) < 7;
}

int KIN_GedcomHebrewYear::DayOfMonth(int nMonth, int nDay) const
{
    nMonth = std::clamp(nMonth, 1, kMonths);
    if (nMonth == 7 && !m_bLeap)
        nMonth = 6;
    int nDayOfYear = 0;
    for (int n = 1; n < nMonth; ++n)
        nDayOfYear += MonthLength(n);
    return nDayOfYear + std::clamp(nDay, 1, MonthLength(nMonth)) - 1;
}

std::int64_t KIN_GedcomHebrewYear::CommonYearOfDay(int nDayOfYear) const
{
    return GregorianYear(m_nNewYear + nDayOfYear);
}

int KIN_GedcomHebrewYear::MonthLength(int nMonth) const
{
    switch (nMonth)
    {
    case 2: // Heshvan is long in complete years
        return m_nLength % 10 == 5 ? 30 : 29;
    case 3: // Kislev is short in deficient years
        return m_nLength % 10 == 3 ? 29 : 30;
    case 6: // Adar, or Adar I in a leap year
        return m_bLeap ? 30 : 29;
    case 7: // Adar II
        return m_bLeap ? 29 : 0;
    case 4:
    case 9:
    case 11:
    case 13:
        return 29;
    default:
        return 30;
    }
}

std::int64_t KIN_GedcomHebrewYear::ElapsedDays(std::int64_t nYear)
{
    const std::int64_t nMonthsElapsed = FloorDiv(235 * nYear - 234, 19);
    const std::int64_t nHalakimElapsed = 12084 + 13753 * nMonthsElapsed;
    const std::int64_t nDays = 29 * nMonthsElapsed + FloorDiv(nHalakimElapsed, kHalakimPerDay);
    return FloorMod(3 * (nDays + 1), 7) < 3 ? nDays + 1 : nDays;
}

std::int64_t KIN_GedcomHebrewYear::NewYear(std::int64_t nYear)
{
    const std::int64_t nBefore = ElapsedDays(nYear - 1);
    const std::int64_t nThis = ElapsedDays(nYear);
    const std::int64_t nAfter = ElapsedDays(nYear + 1);
    std::int64_t nCorrection = 0;
    if (nAfter - nThis == 356)
        nCorrection = 2;
    else if (nThis - nBefore == 382)
        nCorrection = 1;
    return kEpoch + nThis + nCorrection;
}
