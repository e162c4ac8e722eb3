#pragma once
// The back-test: the set applied to each of the last K draws of a history,
// each draw judged with only the draws before it as its history.
//
// When the set has an enabled history condition, the oldest draw has no
// history to be judged with and is never judged, so at most N - 1 of N
// draws are; otherwise all N can be.
//
// Each draw is judged by the set compiled for its own history (compiled
// once when the set needs none), and the same pass table tells how many
// numbers of the space the set keeps at that draw: the chance baseline is
// the mean of that share over the judged draws, what a random number would
// have been kept with.

#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_set.h"

#include "numbers/draw_line.h"

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace vesk::filter {

inline constexpr std::size_t kDefaultBacktestDraws = 30;

struct JudgedDraw {
    std::size_t index = 0; // in the history, oldest 0
    std::uint64_t name = 0; // its period, or index + 1 when the history has no periods
    std::uint32_t code = 0;
    bool kept = false;
    std::vector<ConditionRef> failed; // every enabled condition it failed, forgiven or not
    std::uint64_t keptNumbers = 0;    // numbers of the space the set keeps at this draw
};

struct BacktestResult {
    bool ok = false;
    std::string error; // Validate's message when not ok
    std::vector<JudgedDraw> draws; // oldest first
    std::size_t kept = 0;
    // The figures exactly: the rate is kept / draws.size(), the baseline
    // keptNumbers / (draws.size() * spaceSize).
    std::uint64_t spaceSize = 0;   // 10^length
    std::uint64_t keptNumbers = 0; // the sum over the judged draws
};

// The periods a back-test names draws by: every draw's period when each has
// one; empty otherwise, and the draws go by their place.
std::vector<std::uint64_t> PeriodsOf(std::span<const Draw> draws);

// draws: oldest first, each below 10^length (a draw that is not refuses the
// back-test). periods: one per draw, or empty when the history has none;
// any other count is taken as none.
BacktestResult Backtest(const ConditionSet& set, int length, std::span<const std::uint32_t> draws,
                        std::size_t last = kDefaultBacktestDraws, std::span<const std::uint64_t> periods = {});

// The walk the back-test makes: onDraw(compiled, index) for each judged draw
// of the last `last`, oldest first, with the set compiled for the draws
// before it. Returns why the set or a draw is refused, empty when it walked.
std::string WalkJudgedDraws(const ConditionSet& set, int length, std::span<const std::uint32_t> draws, std::size_t last,
                            const std::function<void(const CompiledSet&, std::size_t)>& onDraw);

// 10^length.
std::uint64_t SpaceSizeOf(int length);

// numerator / denominator scaled by 10^decimals and rounded half up.
// denominator > 0.
std::uint64_t ScaledHalfUp(std::uint64_t numerator, std::uint64_t denominator, int decimals);

// numerator / denominator with decimals places, rounded half up once;
// "-" when denominator is 0.
std::string DecimalText(std::uint64_t numerator, std::uint64_t denominator, int decimals);

// "K 期中保留 n 期".
std::string BacktestCount(const BacktestResult& result);
// "K 期中保留 n 期（6.7%），随机约 13.2%": the rate and the baseline as
// percentages; the count alone when no draw was judged.
std::string BacktestSummary(const BacktestResult& result);

} // namespace vesk::filter
