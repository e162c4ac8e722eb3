#pragma once
// 特征串查询: where the values of K consecutive draws repeated a pattern
// before, and what value came next.
//
// The draws are the history, oldest first; the window is its last
// n = min(N, H) draws. A place is an index t below the newest draw where
// draws t-K+1 .. t have exactly the pattern's values and draws t-K+1 .. t+1
// all lie in the window; places may overlap.

#include "components/features/analysis/figure.h"

#include "components/filter/engine/condition_set.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vesk::analysis {

inline constexpr std::size_t kMaxPatternLength = 10;
inline constexpr std::size_t kDefaultPatternLength = 3;

// The value of each draw under the condition's type and fields, by the
// filter engine. The type must need no history (a caller's fault otherwise:
// such values come out as if there were no draws before).
std::vector<std::int64_t> DrawValues(const filter::Condition& type, int length, std::span<const std::uint32_t> draws);

struct PatternNext {
    std::int64_t value = 0;
    std::int64_t count = 0; // places followed by a draw of this value
    Figure share;           // count over the places; 0 when there are none
    Figure probability;     // the value's share of the number space
};

struct PatternResult {
    std::size_t window = 0;          // n
    std::vector<std::size_t> places; // index of the next draw (t + 1) of each place, ascending
    // Every value of positive probability, ascending, zero counts included.
    std::vector<PatternNext> summary;
};

// values: DrawValues of the history; pattern: 1..kMaxPatternLength values
// (an empty or longer pattern finds no places). last: N, 0 for every draw.
PatternResult SearchPattern(const filter::Condition& type, int length, std::span<const std::int64_t> values,
                            std::span<const std::int64_t> pattern, std::size_t last);

// The values of the newest k draws, oldest first; empty when the history has
// fewer than k draws.
std::vector<std::int64_t> NewestPattern(std::span<const std::int64_t> values, std::size_t k);

} // namespace vesk::analysis
