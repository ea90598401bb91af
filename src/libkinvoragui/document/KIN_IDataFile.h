#ifndef KIN_IDATAFILE_H
#define KIN_IDATAFILE_H

#include "KIN_DataDiagram.h"
#include "sp.h"

#include <cstdint>

class KIN_DocumentChanges;
#include <string>

// The diagram document. Records are copied in; pointers handed out point into the
// document's own storage and stay valid only until the next operation that adds or removes
// records of their list. Values out of range are clamped, never refused.
class KIN_IDataFile
{
public:
    virtual ~KIN_IDataFile() = default;

    // Replaces the content from a diagram file; false when the file could not be read.
    virtual bool Load(const std::string& fileName) = 0;
    // Replaces the whole content (an imported tree), clamped like a loaded file.
    virtual void Replace(KIN_DataDiagram diagram) = 0;
    // Writes the content as a diagram file; false when it could not be written.
    virtual bool Save(const std::string& fileName) const = 0;
    // Stores the limits; bClear starts a new, empty diagram.
    virtual void SetLimits(std::int32_t nBegin, std::int32_t nEnd, std::int32_t nWidth,
                           bool bClear) = 0;
    virtual const KIN_DataDiagram* GetData() const = 0;
    // Appends the period under a new id, one above the highest in use.
    virtual void AddPeriod(const KIN_DataPeriod& period) = 0;
    // Every period with the record's id takes all its fields.
    virtual void ChangePeriod(const KIN_DataPeriod& period) = 0;
    // Removes the first period with the record's id, and every link naming that id.
    virtual void RemovePeriod(const KIN_DataPeriod& period) = 0;
    // Appends the link unless the very same link exists.
    virtual void AddLink(const KIN_DataLink& link) = 0;
    // Removes the first link equal to the given one, read in either direction.
    virtual void RemoveLink(const KIN_DataLink& link) = 0;
    // Appends the image at the end of the list and returns the stored copy.
    virtual const KIN_DataImage* AddImage(const KIN_DataImage& image) = 0;
    // The image at the record's index takes its fields; an index out of range does nothing.
    virtual void ChangeImage(const KIN_DataImage& image) = 0;
    // Removes the image at the record's index; the images behind it move up.
    virtual void RemoveImage(const KIN_DataImage& image) = 0;
    // Moves the periods of columns nFirstColumn..nLastColumn by nColumnDelta and the images
    // with x in nFirstX..nLastX by nXDelta. Nothing is clamped afterwards.
    virtual void ShiftColumns(std::int32_t nFirstColumn, std::int32_t nLastColumn,
                              std::int32_t nColumnDelta, std::int32_t nFirstX, std::int32_t nLastX,
                              std::int32_t nXDelta) = 0;

    // While pChanges is set, every change is also written to it, record by record; null
    // stops recording.
    virtual void Record(KIN_DocumentChanges* pChanges) = 0;
    // Takes recorded changes back, or makes them again, exactly: nothing is clamped.
    virtual void Undo(const KIN_DocumentChanges& changes) = 0;
    virtual void Redo(const KIN_DocumentChanges& changes) = 0;

protected:
    KIN_IDataFile() = default;
    KIN_IDataFile(const KIN_IDataFile&) = default;
    KIN_IDataFile& operator=(const KIN_IDataFile&) = default;
};

// A new, empty document with the limits 0, 40 and 10.
sp<KIN_IDataFile> CreateDataFile();

#endif
