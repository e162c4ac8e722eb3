#pragma once
// ListSnapshot: the packed copy of a number list that the undo history keeps
// and that other components hand over through the snapshot requests. The
// field order is the contract; the pointer is native, so the record is 24
// bytes here (marker, length, count, then the digit buffer).

#include <cstddef>
#include <cstdint>

namespace vesk {

struct ListSnapshot {
    std::int32_t marker = 0;       // -1 when taken
    std::uint8_t length = 0;       // digits per number
    std::uint8_t unused[3] = {};
    std::uint32_t count = 0;       // numbers
    std::uint32_t alignment = 0;   // keeps the pointer at its natural offset
    std::uint8_t* digits = nullptr; // count × length digit values, list order;
                                    // null when count is 0; owned (std::malloc)
};

static_assert(offsetof(ListSnapshot, marker) == 0);
static_assert(offsetof(ListSnapshot, length) == 4);
static_assert(offsetof(ListSnapshot, count) == 8);
static_assert(offsetof(ListSnapshot, digits) == 16);
static_assert(sizeof(ListSnapshot) == 24);

inline constexpr std::int32_t kSnapshotMarker = -1;

// Frees the snapshot's buffer and empties it; safe on an empty snapshot.
void ReleaseSnapshot(ListSnapshot& snapshot);

} // namespace vesk
