#pragma once
// Sorting of 64-bit keys for the list operations: LSD radix sort in 11-bit
// passes that skips every pass in which all keys agree (the tag half of the
// keys is usually one value), so a list of live numbers sorts in a few
// linear passes.

#include "numbers/record_allocator.h"

#include <cstdint>
#include <vector>

namespace vesk {

// Keys are written before they are read, so they skip the zero fill.
using SortKeyVector = std::vector<std::uint64_t, RecordAllocator<std::uint64_t>>;

void SortKeys(SortKeyVector& keys);

} // namespace vesk
