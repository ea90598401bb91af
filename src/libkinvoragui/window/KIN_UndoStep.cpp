#include "KIN_UndoStep.h"

#include "KIN_UndoHistory.h"

std::size_t KIN_UndoStep::Record::MemoryBytes() const
{
    return sizeof(KIN_UndoStep) + sizeof *this + changes.MemoryBytes() + fileBefore.capacity() +
           fileAfter.capacity();
}

KIN_UndoStep::KIN_UndoStep(KIN_UndoHistory& history, const QString& text,
                           std::shared_ptr<const Record> pRecord)
    : QUndoCommand(text), KIT_SafeObject("KIN_UndoStep"), m_history(history),
      m_pRecord(std::move(pRecord))
{
}

void KIN_UndoStep::undo()
{
    m_bDone = false;
    m_history.Apply(*m_pRecord, true);
}

void KIN_UndoStep::redo()
{
    if (m_bDone)
        return;
    m_bDone = true;
    m_history.Apply(*m_pRecord, false);
}
