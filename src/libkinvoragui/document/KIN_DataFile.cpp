#include "KIN_DataFile.h"

#include "KIN_DateLimits.h"
#include "KIN_DiagramFileFormat.h"
#include "KIN_DocumentChanges.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <utility>

namespace
{
using namespace KIN_DateLimits;

constexpr std::int32_t kMinDiagramWidth = 10;
constexpr std::int32_t kMinPeriodWidth = 2;

// Adds without overflowing: values from a file may sit at the ends of the 32-bit range.
std::int32_t SaturatedSum(std::int32_t nValue, std::int32_t nDelta)
{
    const std::int64_t sum = static_cast<std::int64_t>(nValue) + nDelta;
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        sum, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

bool IsNormal(const KIN_DataPeriod& period)
{
    return period.width >= kMinPeriodWidth && period.column >= 0 &&
           period.begin >= kFirstBeginYear && period.begin <= kLastBeginYear &&
           period.end >= kFirstEndYear && period.end <= kLastEndYear && period.begin <= period.end;
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
    Replace(std::move(loaded));
    return true;
}

void KIN_DataFile::Replace(KIN_DataDiagram diagram)
{
    for (std::size_t n = 0; n < diagram.images.size(); ++n)
        diagram.images[n].index = static_cast<std::int32_t>(n);
    std::swap(m_diagram, diagram);
    // Recorded as one replacement, clamped values included.
    KIN_DocumentChanges* const pChanges = std::exchange(m_pChanges, nullptr);
    Normalise();
    m_pChanges = pChanges;
    if (m_pChanges)
        m_pChanges->RecordReplaced(std::move(diagram), m_diagram);
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
        // The links go with the periods: new periods take the ids 1, 2, ... again, so a kept
        // link would join periods it was never drawn between. Pictures refer to no period
        // and stay.
        ClearRecorded(m_diagram.periods);
        ClearRecorded(m_diagram.links);
    }
    SetLimitsRecorded({nBegin, nEnd, nWidth});
    Normalise();
}

const KIN_DataDiagram* KIN_DataFile::GetData() const
{
    return &m_diagram;
}

void KIN_DataFile::AddPeriod(const KIN_DataPeriod& period)
{
    KIN_DataPeriod added = period;
    added.id = NextPeriodId(m_diagram.periods);
    NormalisePeriod(added);
    AppendRecorded(m_diagram.periods, std::move(added));
    Normalise();
}

void KIN_DataFile::ChangePeriod(const KIN_DataPeriod& period)
{
    std::vector<KIN_DataPeriod>& periods = m_diagram.periods;
    for (std::size_t n = 0; n < periods.size(); ++n)
    {
        if (periods[n].id == period.id && periods[n] != period)
            ReplaceRecorded(periods, n, period);
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
        EraseLinksOf(period.id);
        EraseRecorded(periods, static_cast<std::size_t>(found - periods.begin()));
    }
    Normalise();
}

void KIN_DataFile::AddLink(const KIN_DataLink& link)
{
    std::vector<KIN_DataLink>& links = m_diagram.links;
    if (std::find(links.begin(), links.end(), link) != links.end())
        return;
    AppendRecorded(links, link);
}

void KIN_DataFile::RemoveLink(const KIN_DataLink& link)
{
    std::vector<KIN_DataLink>& links = m_diagram.links;
    const KIN_DataLink swapped = link.Swapped();
    const auto found = std::find_if(links.begin(), links.end(),
                                    [&](const KIN_DataLink& stored)
                                    { return stored == link || stored == swapped; });
    if (found != links.end())
        EraseRecorded(links, static_cast<std::size_t>(found - links.begin()));
}

const KIN_DataImage* KIN_DataFile::AddImage(const KIN_DataImage& image)
{
    std::vector<KIN_DataImage>& images = m_diagram.images;
    KIN_DataImage added = image;
    added.index = static_cast<std::int32_t>(images.size());
    AppendRecorded(images, std::move(added));
    return &images.back();
}

void KIN_DataFile::ChangeImage(const KIN_DataImage& image)
{
    const auto nAt = static_cast<std::size_t>(image.index);
    if (IsImageIndex(image.index) && m_diagram.images[nAt] != image)
        ReplaceRecorded(m_diagram.images, nAt, image);
}

void KIN_DataFile::RemoveImage(const KIN_DataImage& image)
{
    if (!IsImageIndex(image.index))
        return;
    std::vector<KIN_DataImage>& images = m_diagram.images;
    EraseRecorded(images, static_cast<std::size_t>(image.index));
    for (std::size_t i = static_cast<std::size_t>(image.index); i < images.size(); ++i)
        images[i].index = static_cast<std::int32_t>(i);
}

void KIN_DataFile::ShiftColumns(std::int32_t nFirstColumn, std::int32_t nLastColumn,
                                std::int32_t nColumnDelta, std::int32_t nFirstX,
                                std::int32_t nLastX, std::int32_t nXDelta)
{
    std::vector<KIN_DataPeriod>& periods = m_diagram.periods;
    for (std::size_t n = 0; n < periods.size(); ++n)
    {
        const std::int32_t nColumn = periods[n].column;
        if (nFirstColumn <= nColumn && nColumn <= nLastColumn)
            ChangeRecorded(periods, n,
                           [&](KIN_DataPeriod& period)
                           { period.column = SaturatedSum(nColumn, nColumnDelta); });
    }
    std::vector<KIN_DataImage>& images = m_diagram.images;
    for (std::size_t n = 0; n < images.size(); ++n)
    {
        const std::int32_t nX = images[n].x;
        if (nFirstX <= nX && nX <= nLastX)
            ChangeRecorded(images, n,
                           [&](KIN_DataImage& image) { image.x = SaturatedSum(nX, nXDelta); });
    }
}

void KIN_DataFile::Normalise()
{
    KIN_DocumentChanges::Limits limits{m_diagram.begin, m_diagram.end, m_diagram.width};
    limits.begin = std::clamp(limits.begin, 0, kLastBeginStep);
    if (limits.end < limits.begin)
        limits.end = limits.begin + 1;
    limits.end = std::clamp(limits.end, 0, kLastEndStep);
    limits.width = std::max(limits.width, kMinDiagramWidth);
    SetLimitsRecorded(limits);
    std::vector<KIN_DataPeriod>& periods = m_diagram.periods;
    for (std::size_t n = 0; n < periods.size(); ++n)
    {
        if (!IsNormal(periods[n]))
            ChangeRecorded(periods, n, NormalisePeriod);
    }
}

void KIN_DataFile::Record(KIN_DocumentChanges* pChanges)
{
    m_pChanges = pChanges;
}

void KIN_DataFile::Undo(const KIN_DocumentChanges& changes)
{
    changes.Undo(m_diagram);
}

void KIN_DataFile::Redo(const KIN_DocumentChanges& changes)
{
    changes.Redo(m_diagram);
}

void KIN_DataFile::SetLimitsRecorded(const KIN_DocumentChanges::Limits& limits)
{
    if (m_pChanges)
        m_pChanges->RecordLimits({m_diagram.begin, m_diagram.end, m_diagram.width}, limits);
    m_diagram.begin = limits.begin;
    m_diagram.end = limits.end;
    m_diagram.width = limits.width;
}

template <class Entry, class Change>
void KIN_DataFile::ChangeRecorded(std::vector<Entry>& records, std::size_t nAt, Change change)
{
    if (!m_pChanges)
    {
        change(records[nAt]);
        return;
    }
    Entry after = records[nAt];
    change(after);
    ReplaceRecorded(records, nAt, after);
}

template <class Entry> void KIN_DataFile::AppendRecorded(std::vector<Entry>& records, Entry added)
{
    records.push_back(std::move(added));
    if (m_pChanges)
        m_pChanges->Record(
            KIN_DocumentChanges::Change<Entry>{records.size() - 1, std::nullopt, records.back()});
}

template <class Entry>
void KIN_DataFile::ReplaceRecorded(std::vector<Entry>& records, std::size_t nAt, const Entry& after)
{
    if (m_pChanges)
        m_pChanges->Record(KIN_DocumentChanges::Change<Entry>{nAt, records[nAt], after});
    records[nAt] = after;
}

template <class Entry>
void KIN_DataFile::EraseRecorded(std::vector<Entry>& records, std::size_t nAt)
{
    if (m_pChanges)
        m_pChanges->Record(
            KIN_DocumentChanges::Change<Entry>{nAt, std::move(records[nAt]), std::nullopt});
    records.erase(records.begin() + static_cast<std::ptrdiff_t>(nAt));
}

template <class Entry> void KIN_DataFile::ClearRecorded(std::vector<Entry>& records)
{
    // From the back, so that taking it back appends each record again.
    if (m_pChanges)
        for (std::size_t n = records.size(); n-- > 0;)
            m_pChanges->Record(
                KIN_DocumentChanges::Change<Entry>{n, std::move(records[n]), std::nullopt});
    records.clear();
}

void KIN_DataFile::EraseLinksOf(std::int32_t nId)
{
    std::vector<KIN_DataLink>& links = m_diagram.links;
    std::size_t nKept = 0;
    for (std::size_t n = 0; n < links.size(); ++n)
    {
        if (links[n].period1 != nId && links[n].period2 != nId)
            links[nKept++] = links[n];
        else if (m_pChanges) // where it stands once the links before it are gone
            m_pChanges->Record(
                KIN_DocumentChanges::Change<KIN_DataLink>{nKept, links[n], std::nullopt});
    }
    links.resize(nKept);
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
