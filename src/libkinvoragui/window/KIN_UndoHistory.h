#ifndef KIN_UNDOHISTORY_H
#define KIN_UNDOHISTORY_H

#include "KIN_UndoStep.h"
#include "KIT_SafeObject.h"

#include <QUndoStack>

#include <cstddef>
#include <functional>
#include <memory>

// The undo history of the document: Qt's undo stack, with its memory bounded. Steps hold
// what the document recorded; taking one back or making it again goes through the apply
// function, which changes the document and refreshes the views.
class KIN_UndoHistory : public QUndoStack, public KIT_SafeObject
{
    Q_OBJECT

public:
    using ApplyFunction = std::function<void(const KIN_UndoStep::Record& record, bool bUndo)>;

    static constexpr std::size_t DefaultBudget = std::size_t{64} << 20;

    KIN_UndoHistory(QObject* pQParent, ApplyFunction apply,
                    std::size_t nBudgetBytes = DefaultBudget);

    // Adds a change already made to the document. Steps that could have been redone are
    // dropped; beyond the budget, the oldest steps go first (the newest always stays).
    void Push(const QString& text, KIN_UndoStep::Record record);
    void Apply(const KIN_UndoStep::Record& record, bool bUndo) const;
    // The memory the steps hold.
    std::size_t MemoryBytes() const;

private:
    void DropOldest(int nDropped);

    ApplyFunction m_apply;
    std::size_t m_nBudgetBytes;
};

#endif
