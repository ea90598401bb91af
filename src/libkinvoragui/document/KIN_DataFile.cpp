#include "KIN_DataFile.h"

#include "KIN_DiagramFileFormat.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace
{
constexpr std::int32_t kLastBeginStep = 39;
constexpr std::int32_t kLastEndStep = 40;
constexpr std::int32_t kMinDiagramWidth = 10;
constexpr std::int32_t kMinPeriodWidth = 2;
constexpr std::int64_t kFirstBeginYear = -100000000000LL;
constexpr std::int64_t kFirstEndYear = -99999999999LL;
constexpr std::int64_t kLastBeginYear = 2199;
constexpr std::int64_t kLastEndYear = 2200;

// Adds without overflowing: values from a file may sit at the ends of the 32-bit range.
std::int32_t SaturatedSum(std::int32_t nValue, std::int32_t nDelta)
{
    const std::int64_t sum = static_cast<std::int64_t>(nValue) + nDelta;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

void NormalisePeriod(KIN_DataPeriod& period)
{
    period.width = std::max(period.width, kMinPeriodWidth);
    period.column = std::max(period.column, 0);
    period.begin = std::max(period.begin, kFirstBeginYear);
    period.end = std::max(period.end, kFirstEndYear);
    period.begin = std::min(period.begin, kLastBeginYear);
    period.end = std::min(period.end, kLastEndYear);
    if (period.begin > period.end)
        period.end = period.begin + 1;
}
} // namespace

sp<KIN_IDataFile> CreateDataFile()
{
    return sp<KIN_IDataFile>(new KIN_DataFile());
}

KIN_DataFile::KIN_DataFile() : KIT_SafeObject("KIN_DataFile") {}

// A file that cannot be read leaves the document as it was, limits included.
bool KIN_DataFile::Load(const std::string& fileName)
{
    KIN_DataDiagram loaded;
    if (!KIN_DiagramFileFormat::Load(fileName, loaded))
        return false;
    m_diagram = std::move(loaded);
    Normalise();
    return true;
}

bool KIN_DataFile::Save(const std::string& fileName) const
{
    return KIN_DiagramFileFormat::Save(m_diagram, fileName);
}

void KIN_DataFile::SetLimits(std::int32_t nBegin, std::int32_t nEnd, std::int32_t nWidth,
                             bool bClear)
{
    if (bClear)
    {
        // A new diagram starts empty: links and images of the old one would name periods
        // that are gone or show pictures the user did not place.
        m_diagram.periods.clear();
        m_diagram.links.clear();
        m_diagram.images.clear();
    }
    m_diagram.begin = nBegin;
    m_diagram.end = nEnd;
    m_diagram.width = nWidth;
    Normalise();
}

const KIN_DataDiagram* KIN_DataFile::GetData() const
{
    return &m_diagram;
}

void KIN_DataFile::AddPeriod(const KIN_DataPeriod& period)
{
    const std::int32_t nId = NextPeriodId(m_diagram.periods);
    m_diagram.periods.push_back(period);
    m_diagram.periods.back().id = nId;
    Normalise();
}

void KIN_DataFile::ChangePeriod(const KIN_DataPeriod& period)
{
    for (KIN_DataPeriod& stored : m_diagram.periods)
    {
        if (stored.id == period.id)
            stored = period;
    }
    Normalise();
}

void KIN_DataFile::RemovePeriod(const KIN_DataPeriod& period)
{
    std::vector<KIN_DataPeriod>& periods = m_diagram.periods;
    const auto found = std::find_if(periods.begin(), periods.end(),
                                    [&](const KIN_DataPeriod& p) { return p.id == period.id; });
    if (found != periods.end())
    {
        std::vector<KIN_DataLink>& links = m_diagram.links;
        links.erase(std::remove_if(links.begin(), links.end(),
                                   [&](const KIN_DataLink& link) {
                                       return link.period1 == period.id ||
                                              link.period2 == period.id;
                                   }),
                    links.end());
        periods.erase(found);
    }
    Normalise();
}

void KIN_DataFile::AddLink(const KIN_DataLink& link)
{
    std::vector<KIN_DataLink>& links = m_diagram.links;
    if (std::find(links.begin(), links.end(), link) == links.end())
        links.push_back(link);
}

void KIN_DataFile::RemoveLink(const KIN_DataLink& link)
{
    std::vector<KIN_DataLink>& links = m_diagram.links;
    const KIN_DataLink swapped = link.Swapped();
    const auto found = std::find_if(links.begin(), links.end(),
                                    [&](const KIN_DataLink& stored)
                                    { return stored == link || stored == swapped; });
    if (found != links.end())
        links.erase(found);
}

const KIN_DataImage* KIN_DataFile::AddImage(const KIN_DataImage& image)
{
    std::vector<KIN_DataImage>& images = m_diagram.images;
    const auto nIndex = static_cast<std::int32_t>(images.size());
    images.push_back(image);
    images.back().index = nIndex;
    return &images.back();
}

void KIN_DataFile::ChangeImage(const KIN_DataImage& image)
{
    if (IsImageIndex(image.index))
        m_diagram.images[static_cast<std::size_t>(image.index)] = image;
}

void KIN_DataFile::RemoveImage(const KIN_DataImage& image)
{
    if (!IsImageIndex(image.index))
        return;
    std::vector<KIN_DataImage>& images = m_diagram.images;
    images.erase(images.begin() + image.index);
    for (std::size_t i = static_cast<std::size_t>(image.index); i < images.size(); ++i)
        images[i].index = static_cast<std::int32_t>(i);
}

void KIN_DataFile::ShiftColumns(std::int32_t nFirstColumn, std::int32_t nLastColumn,
                                std::int32_t nColumnDelta, std::int32_t nFirstX,
                                std::int32_t nLastX, std::int32_t nXDelta)
{
    for (KIN_DataPeriod& period : m_diagram.periods)
    {
        if (nFirstColumn <= period.column && period.column <= nLastColumn)
            period.column = SaturatedSum(period.column, nColumnDelta);
    }
    for (KIN_DataImage& image : m_diagram.images)
    {
        if (nFirstX <= image.x && image.x <= nLastX)
            image.x = SaturatedSum(image.x, nXDelta);
    }
}

void KIN_DataFile::Normalise()
{
    m_diagram.begin = std::clamp(m_diagram.begin, 0, kLastBeginStep);
    if (m_diagram.end < m_diagram.begin)
        m_diagram.end = m_diagram.begin + 1;
    m_diagram.end = std::clamp(m_diagram.end, 0, kLastEndStep);
    m_diagram.width = std::max(m_diagram.width, kMinDiagramWidth);
    for (KIN_DataPeriod& period : m_diagram.periods)
        NormalisePeriod(period);
}

std::int32_t KIN_DataFile::NextPeriodId(const std::vector<KIN_DataPeriod>& periods)
{
    std::int32_t nHighest = 0;
    for (const KIN_DataPeriod& period : periods)
        nHighest = std::max(nHighest, period.id);
    if (nHighest < std::numeric_limits<std::int32_t>::max())
        return nHighest + 1;

    // The highest id has no successor: take the smallest positive id still free.
    std::vector<std::int32_t> ids;
    for (const KIN_DataPeriod& period : periods)
        ids.push_back(period.id);
    std::sort(ids.begin(), ids.end());
    std::int32_t nCandidate = 1;
    for (const std::int32_t nId : ids)
    {
        if (nId == nCandidate)
            ++nCandidate;
        else if (nId > nCandidate)
            break;
    }
    return nCandidate;
}

bool KIN_DataFile::IsImageIndex(std::int32_t nIndex) const
{
    return nIndex >= 0 && static_cast<std::size_t>(nIndex) < m_diagram.images.size();
}
