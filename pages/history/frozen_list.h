#pragma once
// An immutable snapshot of a number list (its digits in list order, no
// tags), shared by every history step in which the list did not change.

#include "numbers/list_snapshot.h"
#include "numbers/number_list.h"

#include <cstddef>
#include <memory>

namespace vesk::history {

class FrozenList {
public:
    // The empty snapshot: restoring it empties a list.
    FrozenList() = default;
    ~FrozenList() { ReleaseSnapshot(m_snapshot); }
    FrozenList(const FrozenList&) = delete;
    FrozenList& operator=(const FrozenList&) = delete;

    // A snapshot of list, or null when its buffer cannot be had.
    static std::shared_ptr<const FrozenList> Take(const NumberList& list);

    // Whether restoring this gives list's numbers (tags aside), so a new
    // step can share this snapshot instead of copying the list again.
    bool Matches(const NumberList& list) const;
    // Rebuilds list from the snapshot, every record live. False (list
    // empty) when memory runs out.
    bool RestoreInto(NumberList& list) const { return list.FromSnapshot(m_snapshot); }
    // Whether RestoreInto can reuse list's buffer as it is, so that it
    // allocates nothing and cannot fail.
    bool RestoresInPlace(const NumberList& list) const;

    const ListSnapshot& Snapshot() const { return m_snapshot; }
    // What this snapshot keeps alive: the record and its digit buffer.
    std::size_t MemoryBytes() const;

private:
    ListSnapshot m_snapshot;
};

using FrozenListPtr = std::shared_ptr<const FrozenList>;

} // namespace vesk::history
