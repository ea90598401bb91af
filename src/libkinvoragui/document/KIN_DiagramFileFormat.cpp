#include "KIN_DiagramFileFormat.h"

#include "FIL_IElement.h"
#include "FIL_OpenFile.h"
#include "KIN_EscapeTable.h"
#include "KIT_DurableFile.h"
#include "KIT_TextFormat.h"

#include <array>
#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>

namespace
{
constexpr std::size_t kBufferSize = 1 << 16;

// Writes through a buffer to a file descriptor and remembers whether every write worked.
class Output
{
public:
    explicit Output(int nFile)
        : m_nFile(nFile), m_pBuffer(new char[kBufferSize]),
          m_tokens(KIN_EscapeTable::TokensOfBytes())
    {
    }

    void Append(const char* pText, std::size_t nLength)
    {
        if (nLength > kBufferSize - m_nUsed)
        {
            Flush();
            if (nLength > kBufferSize)
            {
                WriteAll(pText, nLength);
                return;
            }
        }
        std::memcpy(m_pBuffer.get() + m_nUsed, pText, nLength);
        m_nUsed += nLength;
    }

    template <std::size_t N> void Literal(const char (&text)[N]) { Append(text, N - 1); }

    // Signed decimal, as the integer text functions write it.
    void Number(std::int64_t nValue)
    {
        char digits[24];
        const std::to_chars_result end = std::to_chars(digits, digits + sizeof digits, nValue);
        Append(digits, static_cast<std::size_t>(end.ptr - digits));
    }

    template <std::size_t N> void Attribute(const char (&name)[N], std::int64_t nValue)
    {
        Literal(name);
        Number(nValue);
        Literal("\"");
    }

    template <std::size_t N> void Attribute(const char (&name)[N], const std::string& text)
    {
        Literal(name);
        Append(text.data(), text.size());
        Literal("\"");
    }

    // A free text, escaped on the way.
    template <std::size_t N> void EscapedAttribute(const char (&name)[N], const std::string& text)
    {
        // Underscores may need tokens of their own; the table decides that.
        if (text.find('_') != std::string::npos)
        {
            std::string escaped = text;
            KIN_EscapeTable::EscapeText(escaped);
            Attribute(name, escaped);
            return;
        }
        Literal(name);
        const char* pRun = text.data();
        const char* const pEnd = pRun + text.size();
        for (const char* p = pRun; p != pEnd; ++p)
        {
            const std::string* pToken = m_tokens[static_cast<unsigned char>(*p)];
            if (!pToken)
                continue;
            Append(pRun, static_cast<std::size_t>(p - pRun));
            Append(pToken->data(), pToken->size());
            pRun = p + 1;
        }
        Append(pRun, static_cast<std::size_t>(pEnd - pRun));
        Literal("\"");
    }

    bool Flush()
    {
        WriteAll(m_pBuffer.get(), m_nUsed);
        m_nUsed = 0;
        return m_bGood;
    }

private:
    void WriteAll(const char* p, std::size_t nLeft)
    {
        m_bGood = m_bGood && KIT_DurableFile::WriteAll(m_nFile, p, nLeft);
    }

    int m_nFile;
    std::unique_ptr<char[]> m_pBuffer;
    const std::array<const std::string*, 256>& m_tokens;
    std::size_t m_nUsed = 0;
    bool m_bGood = true;
};

void WriteDiagram(const KIN_DataDiagram& diagram, Output& out)
{
    out.Literal("<kinvora>\n\t<E");
    out.Attribute(" b=\"", diagram.begin);
    out.Attribute(" e=\"", diagram.end);
    out.Attribute(" w=\"", diagram.width);
    out.Literal(" />\n");
    for (const KIN_DataPeriod& period : diagram.periods)
    {
        out.Literal("\t<P");
        out.Attribute(" b=\"", period.begin);
        out.Attribute(" e=\"", period.end);
        out.Attribute(" w=\"", period.width);
        out.Attribute(" s=\"", period.column);
        out.Attribute(" i=\"", period.id);
        out.EscapedAttribute(" t=\"", period.title);
        out.EscapedAttribute(" d=\"", period.details);
        out.Attribute(" cp=\"", period.colorBorder);
        out.Attribute(" cb=\"", period.colorBackground);
        out.Attribute(" ct=\"", period.colorText);
        // Only when set: a diagram without uncertain years is saved as it always was.
        if (period.uncertainBegin)
            out.Literal(" ub=\"1\"");
        if (period.uncertainEnd)
            out.Literal(" ue=\"1\"");
        out.Literal(" />\n");
    }
    for (const KIN_DataLink& link : diagram.links)
    {
        out.Literal("\t<L");
        out.Attribute(" i1=\"", link.period1);
        out.Attribute(" i2=\"", link.period2);
        out.Attribute(" p1=\"", link.point1);
        out.Attribute(" p2=\"", link.point2);
        out.Literal(" />\n");
    }
    for (const KIN_DataImage& image : diagram.images)
    {
        out.Literal("\t<I");
        out.Attribute(" x=\"", image.x);
        out.Attribute(" y=\"", image.y);
        out.Attribute(" s=\"", KIT_DoubleToText(image.scale));
        out.EscapedAttribute(" f=\"", image.file);
        out.Literal(" />\n");
    }
    out.Literal("</kinvora>\n");
}

// XML starts with a tag (after blanks or a byte-order mark); anything else is brace text.
bool IsXml(const std::string& fileName)
{
    std::ifstream file(fileName, std::ios::binary);
    char c = 0;
    while (file.get(c))
    {
        if (c == '<')
            return true;
        if (!std::isspace(static_cast<unsigned char>(c)) && static_cast<unsigned char>(c) < 0x80)
            return false;
    }
    return true; // unreadable or empty: the XML reader says why
}

bool ReadLimits(const FIL_IElement& root, KIN_DataDiagram& diagram)
{
    const sp<FIL_IElement> limits = root.GetElement("E", 1);
    return limits && limits->GetValue("b", diagram.begin) && limits->GetValue("e", diagram.end) &&
           limits->GetValue("w", diagram.width);
}

// An optional flag: absent, "0" or text that is no number leaves it unset.
bool FlagOf(const FIL_IElement& element, const char* pName)
{
    std::int32_t nValue = 0;
    return element.GetValue(pName, nValue) && nValue != 0;
}

bool ReadPeriod(const FIL_IElement& element, KIN_DataPeriod& period)
{
    long long nBegin = 0;
    long long nEnd = 0;
    if (!element.GetValue("b", nBegin) || !element.GetValue("e", nEnd) ||
        !element.GetValue("w", period.width) || !element.GetValue("s", period.column) ||
        !element.GetValue("i", period.id) || !element.GetValue("t", period.title) ||
        !element.GetValue("d", period.details) || !element.GetValue("cp", period.colorBorder) ||
        !element.GetValue("cb", period.colorBackground) ||
        !element.GetValue("ct", period.colorText))
        return false;
    period.begin = nBegin;
    period.end = nEnd;
    period.uncertainBegin = FlagOf(element, "ub");
    period.uncertainEnd = FlagOf(element, "ue");
    KIN_EscapeTable::UnescapeText(period.title);
    KIN_EscapeTable::UnescapeText(period.details);
    return true;
}

bool ReadLink(const FIL_IElement& element, KIN_DataLink& link)
{
    return element.GetValue("i1", link.period1) && element.GetValue("i2", link.period2) &&
           element.GetValue("p1", link.point1) && element.GetValue("p2", link.point2);
}

// A scale that is not a number would draw at an undefined size: it falls back to 1. Others
// keep the digits the file can hold, so what loads saves and loads back the same.
double StorableScale(double scale)
{
    if (!std::isfinite(scale))
        return 1.0;
    const std::string& text = KIT_DoubleToText(scale);
    double stored = 1.0;
    // Read back in the C locale's terms: a locale with a decimal comma must not cut "0.5" to 0.
    std::from_chars(text.data(), text.data() + text.size(), stored);
    return stored;
}

bool ReadImage(const FIL_IElement& element, KIN_DataImage& image)
{
    if (!element.GetValue("x", image.x) || !element.GetValue("y", image.y) ||
        !element.GetValue("s", image.scale) || !element.GetValue("f", image.file))
        return false;
    image.scale = StorableScale(image.scale);
    KIN_EscapeTable::UnescapeText(image.file);
    return true;
}

// How many occurrences of the name the root has, found by doubling and halving: a few
// lookups instead of a walk. Only a capacity hint: the reading stops where lookups fail.
int CountOf(const FIL_IElement& root, const char* pName)
{
    if (!root.GetElement(pName, 1))
        return 0;
    int nFound = 1;
    int nMissing = 2;
    while (root.GetElement(pName, nMissing))
    {
        nFound = nMissing;
        if (nMissing > INT_MAX / 2)
            return nFound;
        nMissing *= 2;
    }
    while (nMissing - nFound > 1)
    {
        const int nMiddle = nFound + (nMissing - nFound) / 2;
        (root.GetElement(pName, nMiddle) ? nFound : nMissing) = nMiddle;
    }
    return nFound;
}

// Every complete element of that name below the root, in file order.
template <class Record, class Reader>
void ReadAll(const FIL_IElement& root, const char* pName, Reader read, std::vector<Record>& records)
{
    records.reserve(static_cast<std::size_t>(CountOf(root, pName)));
    for (int nOccurrence = 1;; ++nOccurrence)
    {
        const sp<FIL_IElement> element = root.GetElement(pName, nOccurrence);
        if (!element)
            return;
        Record record;
        if (read(*element, record))
            records.push_back(std::move(record));
    }
}
} // namespace

void KIN_DiagramFileFormat::RemoveStaleSiblings(const std::string& fileName)
{
    KIT_DurableFile::RemoveStaleSiblings(fileName);
}

bool KIN_DiagramFileFormat::Save(const KIN_DataDiagram& diagram, const std::string& fileName)
{
    return KIT_DurableFile::Replace(fileName,
                                    [&diagram](int nFile)
                                    {
                                        Output out(nFile);
                                        WriteDiagram(diagram, out);
                                        return out.Flush();
                                    });
}

bool KIN_DiagramFileFormat::Load(const std::string& fileName, KIN_DataDiagram& diagram)
{
    const sp<FIL_IAutomat> automat = FIL_OpenFile(fileName.c_str(), nullptr, IsXml(fileName));
    if (!automat)
        return false;
    const sp<FIL_IElement> root = automat->GetRoot();
    if (!root)
        return false;
    KIN_DataDiagram loaded;
    if (!ReadLimits(*root, loaded))
        return false;
    ReadAll<KIN_DataPeriod>(*root, "P", ReadPeriod, loaded.periods);
    ReadAll<KIN_DataLink>(*root, "L", ReadLink, loaded.links);
    ReadAll<KIN_DataImage>(*root, "I", ReadImage, loaded.images);
    for (std::size_t n = 0; n < loaded.images.size(); ++n)
        loaded.images[n].index = static_cast<std::int32_t>(n);
    diagram = std::move(loaded);
    return true;
}
