#pragma once
// Sorting of 64-bit keys for the list operations: LSD radix sort in 16-bit
// passes that skips every pass in which all keys agree (the tag half of the
// keys is usually one value), so a list of live numbers sorts in two linear
// passes.

#include <cstdint>
#include <vector>

namespace vesk {

void SortKeys(std::vector<std::uint64_t>& keys);

} // namespace vesk
