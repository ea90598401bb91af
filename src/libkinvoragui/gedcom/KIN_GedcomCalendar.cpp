#include "KIN_GedcomCalendar.h"

#include "KIN_GedcomHebrewYear.h"

#include <algorithm>
#include <array>

namespace
{
constexpr std::array<std::string_view, 12> kGregorianMonths = {
    "JAN", "FEB", "MAR", "APR", "MAY", "JUN", "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
constexpr std::array<std::string_view, 13> kHebrewMonths = {
    "TSH", "CSH", "KSL", "TVT", "SHV", "ADR", "ADS", "NSN", "IYR", "SVN", "TMZ", "AAV", "ELL"};
constexpr std::array<std::string_view, 13> kFrenchMonths = {"VEND", "BRUM", "FRIM", "NIVO", "PLUV",
                                                            "VENT", "GERM", "FLOR", "PRAI", "MESS",
                                                            "THER", "FRUC", "COMP"};

// The Republican years were 1 to 14; their first days fell on 22, 23 or 24 September
// (year 1 on 22 September 1792). Later years are taken to start on the 22nd.
constexpr std::array<int, 14> kFrenchNewYearDay = {22, 22, 22, 23, 22, 22, 22,
                                                   23, 23, 23, 23, 24, 23, 23};
constexpr int kFrenchMonthDays = 30;
constexpr int kFrenchLastDay = 6; // of the complementary days, in a leap year
constexpr std::int64_t kFrenchEraOffset = 1791;
// From 22 September to 31 December: 9 + 31 + 30 + 31 days.
constexpr int kDaysFromSeptember22 = 101;

constexpr std::int64_t kRomeFounded = 753; // 1 AUC is 753 B.C.

template <std::size_t N>
int IndexOf(const std::array<std::string_view, N>& codes, std::string_view code)
{
    const auto found = std::find(codes.begin(), codes.end(), code);
    return found == codes.end() ? 0 : static_cast<int>(found - codes.begin()) + 1;
}
} // namespace

bool KIN_GedcomCalendar::FromName(std::string_view name, Kind& kind)
{
    struct Named
    {
        std::string_view name;
        Kind kind;
    };
    static constexpr std::array<Named, 7> kNames = {{{"GREGORIAN", Kind::Gregorian},
                                                     {"JULIAN", Kind::Julian},
                                                     {"HEBREW", Kind::Hebrew},
                                                     {"FRENCH R", Kind::French},
                                                     {"FRENCH_R", Kind::French},
                                                     {"ROMAN", Kind::Roman},
                                                     {"UNKNOWN", Kind::Unknown}}};
    for (const Named& named : kNames)
    {
        if (named.name == name)
        {
            kind = named.kind;
            return true;
        }
    }
    return false;
}

int KIN_GedcomCalendar::Month(Kind kind, std::string_view code)
{
    switch (kind)
    {
    case Kind::Hebrew:
        return IndexOf(kHebrewMonths, code);
    case Kind::French:
        return IndexOf(kFrenchMonths, code);
    case Kind::Roman:
        return 0;
    default:
        return IndexOf(kGregorianMonths, code);
    }
}

bool KIN_GedcomCalendar::IsMonthCode(std::string_view word)
{
    return IndexOf(kGregorianMonths, word) != 0 || IndexOf(kHebrewMonths, word) != 0 ||
           IndexOf(kFrenchMonths, word) != 0;
}

KIN_GedcomCalendar::Years KIN_GedcomCalendar::ToCommonEra(Kind kind, int nDay, int nMonth,
                                                          std::int64_t nYear)
{
    switch (kind)
    {
    case Kind::Hebrew:
        return FromHebrew(nDay, nMonth, nYear);
    case Kind::French:
        return FromFrench(nDay, nMonth, nYear);
    case Kind::Roman:
    {
        const std::int64_t nCommon =
            nYear > kRomeFounded ? nYear - kRomeFounded : nYear - kRomeFounded - 1;
        return {nCommon, nCommon};
    }
    default:
        // Julian years are numbered as common years; their dual forms are read before.
        return {nYear, nYear};
    }
}

KIN_GedcomCalendar::Years KIN_GedcomCalendar::FromHebrew(int nDay, int nMonth, std::int64_t nYear)
{
    const KIN_GedcomHebrewYear year(nYear);
    if (nMonth == 0)
        return {year.CommonYearOfDay(0), year.CommonYearOfDay(year.Length() - 1)};
    const int nFirst = year.DayOfMonth(nMonth, nDay == 0 ? 1 : nDay);
    const int nLast =
        year.DayOfMonth(nMonth, nDay == 0 ? KIN_GedcomHebrewYear::kLongestMonth : nDay);
    return {year.CommonYearOfDay(nFirst), year.CommonYearOfDay(nLast)};
}

KIN_GedcomCalendar::Years KIN_GedcomCalendar::FromFrench(int nDay, int nMonth, std::int64_t nYear)
{
    const std::int64_t nCommon = nYear + kFrenchEraOffset;
    if (nMonth == 0)
        return {nCommon, nCommon + 1};
    const int nNewYearDay =
        nYear >= 1 && nYear <= static_cast<std::int64_t>(kFrenchNewYearDay.size())
            ? kFrenchNewYearDay[static_cast<std::size_t>(nYear - 1)]
            : kFrenchNewYearDay[0];
    // Days of the Republican year that still fall in the common year it began in.
    const int nDaysInFirstYear = kDaysFromSeptember22 - (nNewYearDay - kFrenchNewYearDay[0]);
    const auto yearOf = [&](int nDayOfMonth)
    {
        const int nDayOfYear = (nMonth - 1) * kFrenchMonthDays + nDayOfMonth - 1;
        return nDayOfYear < nDaysInFirstYear ? nCommon : nCommon + 1;
    };
    const int nLastDay =
        nMonth == static_cast<int>(kFrenchMonths.size()) ? kFrenchLastDay : kFrenchMonthDays;
    return {yearOf(nDay == 0 ? 1 : nDay), yearOf(nDay == 0 ? nLastDay : nDay)};
}
