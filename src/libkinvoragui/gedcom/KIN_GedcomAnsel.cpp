#include "KIN_GedcomAnsel.h"

#include "KIN_GedcomCharacters.h"
#include "KIN_GedcomComposition.h"
#include "KIN_GedcomUtf8.h"

#include <array>
#include <cstddef>

namespace
{
constexpr unsigned char kFirstLetter = 0xA1;
constexpr unsigned char kFirstMark = 0xE0;
constexpr unsigned char kLastMark = 0xFE;
// More marks than this on one letter are written out as they come: no script stacks that
// many, and a run of marks must not grow without end.
constexpr std::size_t kMaxMarks = 8;

// 0xA1..0xCF; 0 where ANSEL defines nothing. 0xC7 is the MARC eszett, 0xCF the GEDCOM one.
constexpr std::array<char32_t, 0xCF - kFirstLetter + 1> kLetters = {
    0x0141, 0x00D8, 0x0110, 0x00DE, 0x00C6, 0x0152, 0x02B9, 0x00B7, // A1..A8
    0x266D, 0x00AE, 0x00B1, 0x01A0, 0x01AF, 0x02BC, 0,      0x02BB, // A9..B0
    0x0142, 0x00F8, 0x0111, 0x00FE, 0x00E6, 0x0153, 0x02BA, 0x0131, // B1..B8
    0x00A3, 0x00F0, 0,      0x01A1, 0x01B0, 0x25A1, 0x25A0, 0x00B0, // B9..C0
    0x2113, 0x2117, 0x00A9, 0x266F, 0x00BF, 0x00A1, 0x00DF, 0x20AC, // C1..C8
    0,      0,      0,      0,      0x0065, 0x006F, 0x00DF,         // C9..CF
};

// 0xE0..0xFE: the combining marks.
constexpr std::array<char32_t, kLastMark - kFirstMark + 1> kMarks = {
    0x0309, 0x0300, 0x0301, 0x0302, 0x0303, 0x0304, 0x0306, 0x0307, // E0..E7
    0x0308, 0x030C, 0x030A, 0xFE20, 0xFE21, 0x0315, 0x030B, 0x0310, // E8..EF
    0x0327, 0x0328, 0x0323, 0x0324, 0x0325, 0x0333, 0x0332, 0x0326, // F0..F7
    0x031C, 0x032E, 0xFE22, 0xFE23, 0,      0,      0x0313,         // F8..FE
};

// Marks waiting for their letter.
class PendingMarks
{
public:
    bool Empty() const { return m_nCount == 0; }
    bool Full() const { return m_nCount == kMaxMarks; }
    void Add(char32_t nMark) { m_marks[m_nCount++] = nMark; }

    // The letter with the marks on it: composed while Unicode composes, the rest combining.
    void ApplyTo(char32_t nBase, std::string& text)
    {
        std::size_t n = 0;
        for (; n < m_nCount; ++n)
        {
            const char32_t nComposed = KIN_GedcomComposition::Compose(nBase, m_marks[n]);
            if (nComposed == 0)
                break;
            nBase = nComposed;
        }
        KIN_GedcomUtf8::Append(text, nBase);
        for (; n < m_nCount; ++n)
            KIN_GedcomUtf8::Append(text, m_marks[n]);
        m_nCount = 0;
    }

    // Marks with no letter after them stay as they are.
    void Flush(std::string& text)
    {
        for (std::size_t n = 0; n < m_nCount; ++n)
            KIN_GedcomUtf8::Append(text, m_marks[n]);
        m_nCount = 0;
    }

private:
    std::array<char32_t, kMaxMarks> m_marks{};
    std::size_t m_nCount = 0;
};
} // namespace

char32_t KIN_GedcomAnsel::Character(unsigned char nByte)
{
    if (nByte >= kFirstLetter && nByte < kFirstLetter + kLetters.size() &&
        kLetters[nByte - kFirstLetter] != 0)
        return kLetters[nByte - kFirstLetter];
    return KIN_GedcomCharacters::Windows1252(nByte);
}

char32_t KIN_GedcomAnsel::Mark(unsigned char nByte)
{
    if (nByte < kFirstMark || nByte > kLastMark)
        return 0;
    return kMarks[nByte - kFirstMark];
}

void KIN_GedcomAnsel::Decode(std::string_view bytes, std::string& text)
{
    PendingMarks marks;
    for (const char c : bytes)
    {
        const auto nByte = static_cast<unsigned char>(c);
        const char32_t nMark = Mark(nByte);
        if (nMark != 0)
        {
            if (marks.Full())
                marks.Flush(text);
            marks.Add(nMark);
            continue;
        }
        if (nByte == '\n' || nByte == '\r')
            marks.Flush(text);
        if (marks.Empty() && nByte < 0x80)
            text.push_back(c);
        else
            marks.ApplyTo(Character(nByte), text);
    }
    marks.Flush(text);
}
