#pragma once
// What the filter-run benchmarks judge: a 30-condition set and a list of
// three-digit records in a scattered order.

#include "numbers/number_list.h"

#include <cstdint>
#include <string>

namespace vesk::bench {

inline constexpr std::uint32_t kRunRecords = 1000000;

// Ten conditions a group, three groups with allowed errors [0, 2], [1, 3],
// [0, 1], as the condition-set file holds them.
std::string ThirtyConditions();

// count three-digit records, every code 0..999 about equally often.
NumberList ScatteredRecords(std::uint32_t count = kRunRecords);

} // namespace vesk::bench
