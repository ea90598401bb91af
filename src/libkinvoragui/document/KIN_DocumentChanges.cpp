#include "KIN_DocumentChanges.h"

#include <algorithm>
#include <iterator>
#include <string>

namespace
{
template <class Record> using Changes = std::vector<KIN_DocumentChanges::Change<Record>>;

template <class Record> auto At(std::vector<Record>& records, std::size_t nAt)
{
    return records.begin() + static_cast<std::ptrdiff_t>(nAt);
}

template <class Record>
void Apply(std::vector<Record>& records, std::size_t nAt, const std::optional<Record>& from,
           const std::optional<Record>& to)
{
    if (from && to)
        records[nAt] = *to;
    else if (to)
        records.insert(At(records, nAt), *to);
    else
        records.erase(At(records, nAt));
}

template <class Record> void UndoAll(const Changes<Record>& changes, std::vector<Record>& records)
{
    for (auto change = changes.rbegin(); change != changes.rend(); ++change)
        Apply(records, change->nAt, change->after, change->before);
}

template <class Record> void RedoAll(const Changes<Record>& changes, std::vector<Record>& records)
{
    for (const auto& change : changes)
        Apply(records, change.nAt, change.before, change.after);
}

// An image's index is its place in the list: renumbers those an insertion or erasure moved.
void Renumber(const Changes<KIN_DataImage>& changes, std::vector<KIN_DataImage>& images)
{
    if (changes.empty())
        return;
    std::size_t nFirst = images.size();
    for (const auto& change : changes)
        nFirst = std::min(nFirst, change.nAt);
    for (std::size_t n = nFirst; n < images.size(); ++n)
        images[n].index = static_cast<std::int32_t>(n);
}

std::size_t TextBytes(const std::string& text)
{
    // Short texts live inside the string object itself.
    return text.capacity() > std::string().capacity() ? text.capacity() + 1 : 0;
}

std::size_t HeapBytes(const KIN_DataPeriod& period)
{
    return TextBytes(period.title) + TextBytes(period.details);
}

std::size_t HeapBytes(const KIN_DataLink&)
{
    return 0;
}

std::size_t HeapBytes(const KIN_DataImage& image)
{
    return TextBytes(image.file);
}

template <class Record> std::size_t ListBytes(const std::vector<Record>& records)
{
    std::size_t nBytes = records.capacity() * sizeof(Record);
    for (const Record& record : records)
        nBytes += HeapBytes(record);
    return nBytes;
}

std::size_t DiagramBytes(const KIN_DataDiagram& diagram)
{
    return sizeof diagram + ListBytes(diagram.periods) + ListBytes(diagram.links) +
           ListBytes(diagram.images);
}

template <class Record> std::size_t ChangeBytes(const Changes<Record>& changes)
{
    std::size_t nBytes = changes.capacity() * sizeof(typename Changes<Record>::value_type);
    for (const auto& change : changes)
        nBytes += (change.before ? HeapBytes(*change.before) : 0) +
                  (change.after ? HeapBytes(*change.after) : 0);
    return nBytes;
}

void SetLimits(KIN_DataDiagram& diagram, const KIN_DocumentChanges::Limits& limits)
{
    diagram.begin = limits.begin;
    diagram.end = limits.end;
    diagram.width = limits.width;
}
} // namespace

void KIN_DocumentChanges::RecordLimits(const Limits& before, const Limits& after)
{
    if (!m_limitsBefore)
        m_limitsBefore = before;
    m_limitsAfter = after;
}

void KIN_DocumentChanges::RecordReplaced(KIN_DataDiagram before, const KIN_DataDiagram& after)
{
    m_pReplaced.reset(new Replacement{std::move(before), after});
}

void KIN_DocumentChanges::Record(Change<KIN_DataPeriod> change)
{
    m_periods.push_back(std::move(change));
}

void KIN_DocumentChanges::Record(Change<KIN_DataLink> change)
{
    m_links.push_back(std::move(change));
}

void KIN_DocumentChanges::Record(Change<KIN_DataImage> change)
{
    m_images.push_back(std::move(change));
}

void KIN_DocumentChanges::Undo(KIN_DataDiagram& diagram) const
{
    UndoAll(m_images, diagram.images);
    Renumber(m_images, diagram.images);
    UndoAll(m_links, diagram.links);
    UndoAll(m_periods, diagram.periods);
    if (m_limitsBefore)
        SetLimits(diagram, *m_limitsBefore);
    if (m_pReplaced)
        diagram = m_pReplaced->before;
}

void KIN_DocumentChanges::Redo(KIN_DataDiagram& diagram) const
{
    if (m_pReplaced)
        diagram = m_pReplaced->after;
    if (m_limitsBefore)
        SetLimits(diagram, m_limitsAfter);
    RedoAll(m_periods, diagram.periods);
    RedoAll(m_links, diagram.links);
    RedoAll(m_images, diagram.images);
    Renumber(m_images, diagram.images);
}

bool KIN_DocumentChanges::IsEmpty() const
{
    const bool bSameLimits = !m_limitsBefore || *m_limitsBefore == m_limitsAfter;
    return !m_pReplaced && bSameLimits && m_periods.empty() && m_links.empty() && m_images.empty();
}

std::size_t KIN_DocumentChanges::MemoryBytes() const
{
    std::size_t nBytes =
        sizeof *this + ChangeBytes(m_periods) + ChangeBytes(m_links) + ChangeBytes(m_images);
    if (m_pReplaced)
        nBytes += DiagramBytes(m_pReplaced->before) + DiagramBytes(m_pReplaced->after);
    return nBytes;
}

std::vector<std::int32_t> KIN_DocumentChanges::TouchedPeriodIds() const
{
    std::vector<std::int32_t> ids;
    for (const auto& change : m_periods)
        ids.push_back(change.after ? change.after->id : change.before->id);
    return ids;
}
