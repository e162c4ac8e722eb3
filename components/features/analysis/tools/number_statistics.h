#pragma once
// 号码统计: a fixed list of numbers, its distinct numbers taken once. The
// distribution of a value type over the list beside its share of the whole
// space, and a back-test of the list over the draws of the window: which
// draws it hit straight or as a group, the rates beside their baselines, and
// what betting it would have returned at the game's fixed prizes.

#include "components/features/analysis/figure.h"

#include "components/filter/engine/condition_type.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vesk::analysis {

// The 3-digit game's price of a bet and its fixed prizes, in 元.
inline constexpr std::int64_t kBetPrice = 2;
inline constexpr std::int64_t kStraightPrize = 1040;
inline constexpr std::int64_t kGroup3Prize = 346;
inline constexpr std::int64_t kGroup6Prize = 173;

struct ValueShareRow {
    std::string title;       // the value as the filter window shows it
    std::int64_t value = 0;
    std::uint64_t count = 0; // the list's numbers with the value
    Figure share;            // count / list size
    Figure spaceShare;       // numbers of the space with the value / 10^L
};

// One row per value of positive probability, ascending. type: a value type
// that needs no history and no fields; an empty table otherwise.
std::vector<ValueShareRow> ValueDistribution(filter::ConditionType type, std::span<const std::uint32_t> list, int length);

struct BacktestDraw {
    std::size_t draw = 0; // index into the history
    bool straight = false;
    bool group = false;
};

// Betting every distinct number straight on every scored draw, or every
// distinct group of the list once (豹子 groups are only bet straight).
struct BettingReturn {
    std::uint64_t betsPerDraw = 0;
    std::int64_t cost = 0;     // 元
    std::int64_t winnings = 0; // 元
    Figure returnRate;         // winnings / cost (0 when nothing was bet)
};

struct ListBacktest {
    std::size_t listSize = 0;   // distinct straight numbers
    std::size_t groupCount = 0; // distinct groups
    std::size_t scored = 0;
    std::vector<BacktestDraw> draws; // the scored draws, oldest first
    std::int64_t straightHits = 0;
    std::int64_t groupHits = 0;
    Figure straightRate, groupRate;
    Figure straightBaseline; // list size / 10^L
    Figure groupBaseline;    // numbers of the space whose group is listed / 10^L
    bool prizes = false;     // the money figures hold for the 3-digit game only
    BettingReturn straightBetting, groupBetting;
};

// list and draws: codes below 10^length (length 1..8), draws oldest first;
// last: the window N, 0 for every draw.
ListBacktest BacktestList(std::span<const std::uint32_t> list, int length, std::span<const std::uint32_t> draws,
                          std::size_t last);

} // namespace vesk::analysis
