#pragma once
// The back-test: the set applied to each of the last K draws of a history,
// each draw judged with only the draws before it as its history.
//
// When the set has an enabled history condition, the oldest draw has no
// history to be judged with and is never judged, so at most N - 1 of N
// draws are; otherwise all N can be.

#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_set.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vesk::filter {

inline constexpr std::size_t kDefaultBacktestDraws = 30;

struct JudgedDraw {
    std::size_t index = 0; // in the history, oldest 0
    std::uint32_t code = 0;
    bool kept = false;
    std::vector<ConditionRef> failed; // every enabled condition it failed, forgiven or not
};

struct BacktestResult {
    bool ok = false;
    std::string error; // Validate's message when not ok
    std::vector<JudgedDraw> draws; // oldest first
    std::size_t kept = 0;
};

// draws: oldest first, each below 10^length.
BacktestResult Backtest(const ConditionSet& set, int length, std::span<const std::uint32_t> draws,
                        std::size_t last = kDefaultBacktestDraws);

// "K 期中保留 n 期".
std::string BacktestSummary(const BacktestResult& result);

} // namespace vesk::filter
