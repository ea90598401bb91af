#ifndef KIN_DATAFILE_H
#define KIN_DATAFILE_H

#include "KIN_DocumentChanges.h"
#include "KIN_IDataFile.h"
#include "KIT_SafeObject.h"

// The document: one diagram held in memory.
class KIN_DataFile : public KIN_IDataFile, public KIT_SafeObject
{
public:
    KIN_DataFile();
    ~KIN_DataFile() override = default;

    KIN_DataFile(const KIN_DataFile&) = delete;
    KIN_DataFile& operator=(const KIN_DataFile&) = delete;

    bool Load(const std::string& fileName) override;
    bool Save(const std::string& fileName) const override;
    void Replace(KIN_DataDiagram diagram) override;
    void SetLimits(std::int32_t nBegin, std::int32_t nEnd, std::int32_t nWidth,
                   bool bClear) override;
    const KIN_DataDiagram* GetData() const override;
    void AddPeriod(const KIN_DataPeriod& period) override;
    void ChangePeriod(const KIN_DataPeriod& period) override;
    void RemovePeriod(const KIN_DataPeriod& period) override;
    void AddLink(const KIN_DataLink& link) override;
    void RemoveLink(const KIN_DataLink& link) override;
    const KIN_DataImage* AddImage(const KIN_DataImage& image) override;
    void ChangeImage(const KIN_DataImage& image) override;
    void RemoveImage(const KIN_DataImage& image) override;
    void ShiftColumns(std::int32_t nFirstColumn, std::int32_t nLastColumn,
                      std::int32_t nColumnDelta, std::int32_t nFirstX, std::int32_t nLastX,
                      std::int32_t nXDelta) override;
    void Record(KIN_DocumentChanges* pChanges) override;
    void Undo(const KIN_DocumentChanges& changes) override;
    void Redo(const KIN_DocumentChanges& changes) override;

    // The id a period added to these periods receives: one above the highest positive id,
    // 1 when none is positive.
    static std::int32_t NextPeriodId(const std::vector<KIN_DataPeriod>& periods);

private:
    // Pulls the limits and every period back into their allowed ranges.
    void Normalise();
    bool IsImageIndex(std::int32_t nIndex) const;

    // Each list and limit change goes through these, which tell the recorder when there is
    // one.
    void SetLimitsRecorded(const KIN_DocumentChanges::Limits& limits);
    template <class Entry> void AppendRecorded(std::vector<Entry>& records, Entry added);
    template <class Entry>
    void ReplaceRecorded(std::vector<Entry>& records, std::size_t nAt, const Entry& after);
    template <class Entry, class Change>
    void ChangeRecorded(std::vector<Entry>& records, std::size_t nAt, Change change);
    template <class Entry> void EraseRecorded(std::vector<Entry>& records, std::size_t nAt);
    template <class Entry> void ClearRecorded(std::vector<Entry>& records);
    void EraseLinksOf(std::int32_t nId);

    KIN_DataDiagram m_diagram;
    KIN_DocumentChanges* m_pChanges = nullptr;
};

#endif
