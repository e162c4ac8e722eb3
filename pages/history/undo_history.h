#pragma once
// The result page's undo history over its two lists, the result list and
// the recycle list, which always move together: a step taken after a filter
// run restores both lists of that moment.
//
// Model: a line of states, each the pair of list snapshots after one
// recorded change, and a cursor on the current one. The states before the
// cursor are the undo steps (the last is undone first), those after it the
// redo steps. The first state is the empty pair, so undoing the first
// recorded change empties both lists.
//
// Memory: snapshots are immutable and shared, so a list that did not change
// in a step costs nothing for that step. The history is bounded by a budget
// of bytes (snapshots and step records, counted once however many steps
// share them): after each record the oldest steps go until the history fits
// again. The current state always stays, even when it alone exceeds the
// budget, and while recording, the new snapshots exist before old steps go,
// so the peak can pass the budget by one step.

#include "pages/history/frozen_list.h"
#include "numbers/number_list.h"

#include <cstddef>
#include <deque>

namespace vesk::history {

struct ListPair {
    FrozenListPtr result;
    FrozenListPtr recycle;
};

class UndoHistory {
public:
    // 256 MiB: some eighty steps of two changed lists of a million 3-digit
    // numbers, or three of ten million 7-digit ones.
    static constexpr std::size_t kDefaultBudget = std::size_t(256) << 20;

    explicit UndoHistory(std::size_t budgetBytes = kDefaultBudget);

    // Records the lists' state as the new current one: the redo steps are
    // discarded and the previous state becomes the last undo step. False
    // when a snapshot cannot be had; the history is then unchanged.
    bool Record(const NumberList& result, const NumberList& recycle);

    // Moves one step back (or forward) and rebuilds both lists from that
    // state. False when there is no such step, or when memory runs out while
    // rebuilding; in both cases the lists and the history are unchanged.
    bool Undo(NumberList& result, NumberList& recycle);
    bool Redo(NumberList& result, NumberList& recycle);

    bool CanUndo() const { return m_current > 0; }
    bool CanRedo() const { return m_current + 1 < m_states.size(); }
    std::size_t UndoSteps() const { return m_current; }
    std::size_t RedoSteps() const { return m_states.size() - 1 - m_current; }
    const ListPair& Current() const { return m_states[m_current]; }

    std::size_t MemoryBytes() const { return m_bytes; }
    std::size_t Budget() const { return m_budget; }

private:
    bool MoveTo(std::size_t state, NumberList& result, NumberList& recycle);
    // Bytes state adds to the history beside previous (null: on its own).
    static std::size_t OwnBytes(const ListPair& state, const ListPair* previous);
    void DropOldest();
    void DropNewest();

    std::deque<ListPair> m_states;
    std::size_t m_current = 0;
    std::size_t m_budget;
    std::size_t m_bytes = 0;
};

} // namespace vesk::history
