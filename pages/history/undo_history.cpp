#include "pages/history/undo_history.h"

namespace vesk::history {

namespace {

FrozenListPtr SharedOrTaken(const FrozenListPtr& current, const NumberList& list)
{
    return current->Matches(list) ? current : FrozenList::Take(list);
}

} // namespace

UndoHistory::UndoHistory(std::size_t budgetBytes)
    : m_budget(budgetBytes)
{
    const auto empty = std::make_shared<const FrozenList>();
    m_states.push_back({empty, empty});
    m_bytes = OwnBytes(m_states.front(), nullptr);
}

std::size_t UndoHistory::OwnBytes(const ListPair& state, const ListPair* previous)
{
    std::size_t bytes = sizeof(ListPair);
    if (!previous || state.result != previous->result)
        bytes += state.result->MemoryBytes();
    // The first state holds one empty snapshot for both lists.
    const bool recycleShared = previous ? state.recycle == previous->recycle : state.recycle == state.result;
    if (!recycleShared)
        bytes += state.recycle->MemoryBytes();
    return bytes;
}

bool UndoHistory::Record(const NumberList& result, const NumberList& recycle)
{
    const ListPair& current = Current();
    ListPair next{SharedOrTaken(current.result, result), SharedOrTaken(current.recycle, recycle)};
    if (!next.result || !next.recycle)
        return false;
    while (CanRedo())
        DropNewest();
    m_bytes += OwnBytes(next, &m_states.back());
    m_states.push_back(std::move(next));
    ++m_current;
    while (m_bytes > m_budget && CanUndo())
        DropOldest();
    return true;
}

void UndoHistory::DropNewest()
{
    const ListPair& last = m_states.back();
    m_bytes -= OwnBytes(last, &m_states[m_states.size() - 2]);
    m_states.pop_back();
}

void UndoHistory::DropOldest()
{
    // The second state now stands alone: it pays for what it shared with
    // the first.
    const ListPair& first = m_states[0];
    const ListPair& second = m_states[1];
    m_bytes = m_bytes - OwnBytes(first, nullptr) - OwnBytes(second, &first) + OwnBytes(second, nullptr);
    m_states.pop_front();
    --m_current;
}

bool UndoHistory::Undo(NumberList& result, NumberList& recycle)
{
    return CanUndo() && MoveTo(m_current - 1, result, recycle);
}

bool UndoHistory::Redo(NumberList& result, NumberList& recycle)
{
    return CanRedo() && MoveTo(m_current + 1, result, recycle);
}

bool UndoHistory::MoveTo(std::size_t state, NumberList& result, NumberList& recycle)
{
    // A list whose buffer fits its snapshot is rebuilt in place, which
    // cannot fail; any other is built aside first. So running out of memory
    // leaves both lists and the history as they were.
    const ListPair& target = m_states[state];
    const bool resultInPlace = target.result->RestoresInPlace(result);
    const bool recycleInPlace = target.recycle->RestoresInPlace(recycle);
    NumberList resultAside;
    NumberList recycleAside;
    if ((!resultInPlace && !target.result->RestoreInto(resultAside))
        || (!recycleInPlace && !target.recycle->RestoreInto(recycleAside)))
        return false;
    if (resultInPlace)
        target.result->RestoreInto(result);
    else
        result.SwapContent(resultAside);
    if (recycleInPlace)
        target.recycle->RestoreInto(recycle);
    else
        recycle.SwapContent(recycleAside);
    m_current = state;
    return true;
}

} // namespace vesk::history
