#ifndef KIN_GEDCOMCALENDAR_H
#define KIN_GEDCOMCALENDAR_H

#include <cstdint>
#include <string_view>

// The calendars a GEDCOM date can be written in, and their dates as common-era years
// (negative before the era, 44 B.C. being -44).
class KIN_GedcomCalendar
{
public:
    enum class Kind
    {
        Gregorian,
        Julian,
        Hebrew,
        French, // the French Republican calendar
        Roman,  // years since the founding of Rome
        Unknown
    };
    struct Years
    {
        std::int64_t nFirst = 0;
        std::int64_t nLast = 0;
    };

    // The calendar of an escape's name ("JULIAN", "FRENCH R") or a GEDCOM 7 keyword
    // ("FRENCH_R"), in upper case; false when it names none.
    static bool FromName(std::string_view name, Kind& kind);
    // The month number (from 1) of an upper-case month code of the calendar, else 0.
    static int Month(Kind kind, std::string_view code);
    // True when the upper-case word is a month code of some calendar.
    static bool IsMonthCode(std::string_view word);
    // The first and last common-era year the date can fall in; nDay and nMonth are 0 when
    // the date leaves them out. A Hebrew or Republican year straddles two common years.
    static Years ToCommonEra(Kind kind, int nDay, int nMonth, std::int64_t nYear);

private:
    static Years FromHebrew(int nDay, int nMonth, std::int64_t nYear);
    static Years FromFrench(int nDay, int nMonth, std::int64_t nYear);
};

#endif
