#ifndef KIN_DOCUMENTCHANGES_H
#define KIN_DOCUMENTCHANGES_H

#include "KIN_DataDiagram.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// What one change did to a diagram, record by record, so that it can be taken back and done
// again exactly: ids, order and every field. The document fills it while it records; a
// change that touches one record keeps that record, not a copy of the diagram.
class KIN_DocumentChanges
{
public:
    struct Limits
    {
        std::int32_t begin = 0;
        std::int32_t end = 0;
        std::int32_t width = 0;

        bool operator==(const Limits& other) const
        {
            return begin == other.begin && end == other.end && width == other.width;
        }
    };

    // One record of a list: only after = inserted at nAt, only before = erased from nAt,
    // both = changed in place. Positions are those of the moment the change was made.
    template <class Record> struct Change
    {
        std::size_t nAt = 0;
        std::optional<Record> before;
        std::optional<Record> after;
    };

    void RecordLimits(const Limits& before, const Limits& after);
    // The whole diagram replaced at once (a file loaded); recorded before anything else.
    void RecordReplaced(KIN_DataDiagram before, const KIN_DataDiagram& after);
    void Record(Change<KIN_DataPeriod> change);
    void Record(Change<KIN_DataLink> change);
    void Record(Change<KIN_DataImage> change);

    // Brings the diagram back to its state before the changes, or forward to the state after.
    void Undo(KIN_DataDiagram& diagram) const;
    void Redo(KIN_DataDiagram& diagram) const;

    bool IsEmpty() const;
    // The heap and object memory these changes hold.
    std::size_t MemoryBytes() const;
    // The ids of the periods inserted, erased or changed, in the order of the changes.
    std::vector<std::int32_t> TouchedPeriodIds() const;
    bool ReplacesDiagram() const { return m_pReplaced != nullptr; }
    // True when the limits end up other than they were.
    bool ChangesLimits() const { return m_limitsBefore && !(*m_limitsBefore == m_limitsAfter); }
    // The changes of each list, in the order they were made.
    const std::vector<Change<KIN_DataPeriod>>& PeriodChanges() const { return m_periods; }
    const std::vector<Change<KIN_DataLink>>& LinkChanges() const { return m_links; }
    const std::vector<Change<KIN_DataImage>>& ImageChanges() const { return m_images; }

private:
    struct Replacement
    {
        KIN_DataDiagram before;
        KIN_DataDiagram after;
    };

    std::unique_ptr<Replacement> m_pReplaced;
    std::optional<Limits> m_limitsBefore;
    Limits m_limitsAfter;
    std::vector<Change<KIN_DataPeriod>> m_periods;
    std::vector<Change<KIN_DataLink>> m_links;
    std::vector<Change<KIN_DataImage>> m_images;
};

#endif
