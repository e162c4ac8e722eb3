#pragma once
// The preview of a compiled set over the whole number space: how many
// numbers it keeps, and for each condition how many numbers it alone would
// reject (the numbers whose value it refuses, whatever the other conditions
// and the group's allowed errors say).

#include "components/filter/engine/compiled_set.h"

#include <cstdint>
#include <optional>
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

} // namespace vesk::filter
