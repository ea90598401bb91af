#include "KIN_UndoHistory.h"

#include <utility>
#include <vector>

namespace
{
const KIN_UndoStep& StepAt(const QUndoStack& stack, int nIndex)
{
    return static_cast<const KIN_UndoStep&>(*stack.command(nIndex));
}
} // namespace

KIN_UndoHistory::KIN_UndoHistory(QObject* pQParent, ApplyFunction apply, std::size_t nBudgetBytes)
    : QUndoStack(pQParent), KIT_SafeObject("KIN_UndoHistory"), m_apply(std::move(apply)),
      m_nBudgetBytes(nBudgetBytes)
{
}

void KIN_UndoHistory::Push(const QString& text, KIN_UndoStep::Record record)
{
    push(new KIN_UndoStep(*this, text,
                          std::make_shared<const KIN_UndoStep::Record>(std::move(record))));
    std::size_t nBytes = MemoryBytes();
    int nDropped = 0;
    while (nBytes > m_nBudgetBytes && nDropped < count() - 1)
        nBytes -= StepAt(*this, nDropped++).GetRecord()->MemoryBytes();
    if (nDropped > 0)
        DropOldest(nDropped);
}

void KIN_UndoHistory::Apply(const KIN_UndoStep::Record& record, bool bUndo) const
{
    m_apply(record, bUndo);
}

std::size_t KIN_UndoHistory::MemoryBytes() const
{
    std::size_t nBytes = 0;
    for (int n = 0; n < count(); ++n)
        nBytes += StepAt(*this, n).GetRecord()->MemoryBytes();
    return nBytes;
}

// The stack cannot drop its oldest commands once it holds any: it is refilled with the
// newer ones, which share their records and, already done, change nothing when pushed.
void KIN_UndoHistory::DropOldest(int nDropped)
{
    std::vector<std::pair<QString, std::shared_ptr<const KIN_UndoStep::Record>>> kept;
    for (int n = nDropped; n < count(); ++n)
        kept.emplace_back(command(n)->text(), StepAt(*this, n).GetRecord());
    clear();
    for (auto& [text, pRecord] : kept)
        push(new KIN_UndoStep(*this, text, std::move(pRecord)));
}
