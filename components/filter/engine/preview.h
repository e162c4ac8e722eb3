#pragma once
// The preview of a compiled set over the whole number space, or over the
// list the next run judges: how many numbers it keeps, and for each
// condition how many numbers it alone would reject (the numbers whose value
// it refuses, whatever the other conditions and the group's allowed errors
// say).

#include "components/filter/engine/compiled_set.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vesk::filter {

struct Preview {
    std::uint64_t kept = 0;
    std::uint64_t total = 0;
    // [group][condition] of the set; empty for a condition that takes no part
    // (disabled, or in a disabled group).
    std::vector<std::vector<std::optional<std::uint64_t>>> rejectedAlone;
};

// set must be the set compiled was compiled from.
Preview PreviewSet(const ConditionSet& set, const CompiledSet& compiled);
// The same over codes (each below 10^length, each counted as often as it
// is there); codes outside the space are judged by nothing and not counted.
Preview PreviewList(const ConditionSet& set, const CompiledSet& compiled, std::span<const std::uint32_t> codes);

} // namespace vesk::filter
