#ifndef KIN_UNDOSTEP_H
#define KIN_UNDOSTEP_H

#include "KIN_DocumentChanges.h"
#include "KIT_SafeObject.h"

#include <QUndoCommand>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class KIN_UndoHistory;

// One entry of the undo history. The change is made before the step is pushed, so the
// first redo, which the history runs on push, does nothing.
class KIN_UndoStep : public QUndoCommand, public KIT_SafeObject
{
public:
    // What the step takes back and makes again.
    struct Record
    {
        KIN_DocumentChanges changes;
        // The period to select afterwards, when it exists; -1 for none.
        std::int32_t nPeriodId = -1;
        // The current file on either side; only New and Load change it.
        std::string fileBefore;
        std::string fileAfter;

        std::size_t MemoryBytes() const;
    };

    KIN_UndoStep(KIN_UndoHistory& history, const QString& text,
                 std::shared_ptr<const Record> pRecord);

    void undo() override;
    void redo() override;

    const std::shared_ptr<const Record>& GetRecord() const { return m_pRecord; }

private:
    KIN_UndoHistory& m_history;
    std::shared_ptr<const Record> m_pRecord;
    bool m_bDone = true;
};

#endif
