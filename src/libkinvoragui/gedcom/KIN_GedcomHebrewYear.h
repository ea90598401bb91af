#ifndef KIN_GEDCOMHEBREWYEAR_H
#define KIN_GEDCOMHEBREWYEAR_H

#include <cstdint>

// One year of the Hebrew calendar, from its new year (1 Tishri) on: its length follows the
// molad and the postponement rules, its months are numbered as GEDCOM writes them (TSH = 1,
// ADR = 6, ADS = 7, ELL = 13).
class KIN_GedcomHebrewYear
{
public:
    static constexpr int kLongestMonth = 30;

    // Years before 1 read as 1, years past a trillion as a trillion.
    explicit KIN_GedcomHebrewYear(std::int64_t nYear);

    int Length() const { return m_nLength; }
    // The day of the year (from 0) of a day of a month; days past the month's end are its
    // last day, and Adar Sheni in a common year is Adar.
    int DayOfMonth(int nMonth, int nDay) const;
    // The common-era year of a day of the year (Gregorian, negative before the era).
    std::int64_t CommonYearOfDay(int nDayOfYear) const;

private:
    int MonthLength(int nMonth) const;
    // Days from the epoch to the new year by the molad, before the dehiyyot of length.
    static std::int64_t ElapsedDays(std::int64_t nYear);
    // The fixed day number (1 January of year 1 is day 1) of the year's 1 Tishri.
    static std::int64_t NewYear(std::int64_t nYear);

    std::int64_t m_nNewYear = 0;
    int m_nLength = 0;
    bool m_bLeap = false;
};

#endif
