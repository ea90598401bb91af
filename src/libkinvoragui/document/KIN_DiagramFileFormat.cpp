#include "KIN_DiagramFileFormat.h"

#include "FIL_IElement.h"
#include "FIL_OpenFile.h"
#include "KIN_EscapeTable.h"
#include "KIT_TextFormat.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <unistd.h>

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
        while (m_bGood && nLeft > 0)
        {
            const ssize_t nWritten = ::write(m_nFile, p, nLeft);
            if (nWritten < 0 && errno == EINTR)
                continue;
            if (nWritten <= 0)
                m_bGood = false;
            else
            {
                p += nWritten;
                nLeft -= static_cast<std::size_t>(nWritten);
            }
        }
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

std::string SiblingPrefix(const std::string& fileName)
{
    return fileName + ".saving-";
}

// The pid in "<prefix><pid>-<attempt>", 0 when the name is not one of ours.
pid_t WriterOfSibling(const std::string& name, const std::string& prefix)
{
    if (name.compare(0, prefix.size(), prefix) != 0)
        return 0;
    const char* const pStart = name.c_str() + prefix.size();
    char* pEnd = nullptr;
    const long nPid = std::strtol(pStart, &pEnd, 10);
    if (pEnd == pStart || *pEnd != '-' || nPid <= 0)
        return 0;
    return static_cast<pid_t>(nPid);
}

} // namespace

void KIN_DiagramFileFormat::RemoveStaleSiblings(const std::string& fileName)
{
    const std::size_t nSlash = fileName.rfind('/');
    const std::string folder = nSlash == std::string::npos ? "." : fileName.substr(0, nSlash + 1);
    const std::string prefix =
        SiblingPrefix(nSlash == std::string::npos ? fileName : fileName.substr(nSlash + 1));
    const std::unique_ptr<DIR, int (*)(DIR*)> directory(::opendir(folder.c_str()), ::closedir);
    if (!directory)
        return;
    while (const dirent* pEntry = ::readdir(directory.get()))
    {
        const pid_t nPid = WriterOfSibling(pEntry->d_name, prefix);
        if (nPid > 0 && nPid != ::getpid() && ::kill(nPid, 0) != 0 && errno == ESRCH)
            ::unlinkat(::dirfd(directory.get()), pEntry->d_name, 0);
    }
}

namespace
{

// A new file beside the target, created exclusively; -1 when none can be created.
int CreateSibling(const std::string& fileName, std::string& siblingName)
{
    for (int nAttempt = 0; nAttempt < 100; ++nAttempt)
    {
        siblingName =
            SiblingPrefix(fileName) + std::to_string(::getpid()) + '-' + std::to_string(nAttempt);
        const int nFile =
            ::open(siblingName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (nFile >= 0 || errno != EEXIST)
            return nFile;
    }
    return -1;
}

bool ReadLimits(const FIL_IElement& root, KIN_DataDiagram& diagram)
{
    const sp<FIL_IElement> limits = root.GetElement("E", 1);
    return limits && limits->GetValue("b", diagram.begin) && limits->GetValue("e", diagram.end) &&
           limits->GetValue("w", diagram.width);
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
    return std::atof(KIT_DoubleToText(scale).c_str());
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

// Every complete element of that name below the root, in file order.
template <class Record, class Reader>
void ReadAll(const FIL_IElement& root, const char* pName, Reader read, std::vector<Record>& records)
{
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

bool KIN_DiagramFileFormat::Save(const KIN_DataDiagram& diagram, const std::string& fileName)
{
    std::string siblingName;
    const int nFile = CreateSibling(fileName, siblingName);
    if (nFile < 0)
        return false;
    Output out(nFile);
    WriteDiagram(diagram, out);
    bool bWritten = out.Flush();
    bWritten = ::close(nFile) == 0 && bWritten;
    if (bWritten && std::rename(siblingName.c_str(), fileName.c_str()) == 0)
        return true;
    std::remove(siblingName.c_str());
    return false;
}

bool KIN_DiagramFileFormat::Load(const std::string& fileName, KIN_DataDiagram& diagram)
{
    const sp<FIL_IAutomat> automat = FIL_OpenXml(fileName.c_str());
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
