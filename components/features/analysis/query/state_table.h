#pragma once
// 状态表's values: for every draw of the history its value under each of the
// table's value types, by the filter engine's value functions. The history
// types (重号, 邻号) take each draw against the draw before it only; the
// first draw of the history has none and gets no value there.
//
// Adding a column: append it to kStateColumnList, never insert or reorder: a
// column's index is its id in the arrangement records users have stored
// (tests/components/filter/condition_type_places_test.cpp pins the ids).

#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <span>
#include <string_view>
#include <utility>
#include <vector>

#include "components/filter/engine/condition_type.h"

namespace vesk::analysis {

struct StateColumn {
    std::string_view title; // as the table's header shows it
    filter::ConditionType type;
};

inline constexpr std::size_t kStateColumns = 14;
// The table's value columns in their default order; a column's index here
// is its id in the arrangement records.
inline constexpr std::array<StateColumn, kStateColumns> kStateColumnList{{
    {"和值", filter::ConditionType::Sum},
    {"和尾", filter::ConditionType::SumTail},
    {"跨度", filter::ConditionType::Span},
    {"奇偶比", filter::ConditionType::OddCount},
    {"大小比", filter::ConditionType::BigCount},
    {"质合比", filter::ConditionType::PrimeCount},
    {"012路比", filter::ConditionType::RoadCounts},
    {"形态", filter::ConditionType::DistinctCount},
    {"奇偶形态", filter::ConditionType::OddPattern},
    {"大小形态", filter::ConditionType::BigPattern},
    {"012路形态", filter::ConditionType::RoadPattern},
    {"升降形态", filter::ConditionType::Shape},
    {"重号", filter::ConditionType::Repeat},
    {"邻号", filter::ConditionType::Adjacent},
}};

// A cell without a value (a history type at the first draw).
inline constexpr std::int64_t kNoValue = std::numeric_limits<std::int64_t>::min();

// values[c][i]: draw i's value (oldest first) under kStateColumnList[c].
struct StateValues {
    std::array<std::vector<std::int64_t>, kStateColumns> values;
};

// draws: oldest first, below 10^length (length 1..8; larger codes are a
// caller's fault).
StateValues ComputeStateValues(std::span<const std::uint32_t> draws, int length);

// How often each value came among the last n = min(last, draws) draws of a
// column (last 0: every draw), ascending by value; cells without a value are
// left out, so the counts add up to the draws that have one.
std::vector<std::pair<std::int64_t, std::int64_t>> ValueCounts(std::span<const std::int64_t> column, std::size_t last);

} // namespace vesk::analysis
