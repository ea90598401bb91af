#ifndef KIN_COMMALOCALE_H
#define KIN_COMMALOCALE_H

#include <clocale>
#include <string>

// Sets the C library's locale to one that writes a decimal comma, as a French desktop
// does, and puts the previous one back when it goes. Active() is false where no such
// locale is installed: the test then skips itself.
class KIN_CommaLocale
{
public:
    KIN_CommaLocale()
    {
        const char* pPrevious = std::setlocale(LC_ALL, nullptr);
        m_previous = pPrevious ? pPrevious : "C";
        for (const char* pName : {"fr_FR.UTF-8", "fr_FR.utf8", "de_DE.UTF-8", "de_DE.utf8"})
            if (std::setlocale(LC_ALL, pName))
                break;
    }
    ~KIN_CommaLocale() { std::setlocale(LC_ALL, m_previous.c_str()); }
    KIN_CommaLocale(const KIN_CommaLocale&) = delete;
    KIN_CommaLocale& operator=(const KIN_CommaLocale&) = delete;

    static bool Active() { return *std::localeconv()->decimal_point == ','; }
    static const char* SkipReason()
    {
        return "no locale with a decimal comma is installed (./dev.sh generates fr_FR.UTF-8)";
    }

private:
    std::string m_previous;
};

#endif
