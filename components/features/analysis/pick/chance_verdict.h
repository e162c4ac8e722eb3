#pragma once
// Whether a guess's hits over the scored draws beat a random guess of the
// same kind, and the back-test line a window shows for it, so that a user
// sees at a glance when a method does no better than chance.

#include "components/features/analysis/figure.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vesk::analysis {

enum class ChanceVerdict {
    NothingScored, // no draw could be scored
    NoBetter,      // the rate is at or below the baseline
    WithinChance,  // above it, by less than two standard deviations of chance
    Better,        // above it by two standard deviations or more
};

// hits of scored draws against the baseline rate (each draw's chance
// averaged, taken as one Bernoulli chance per draw).
ChanceVerdict JudgeAgainstChance(std::int64_t hits, std::size_t scored, const Figure& baseline);

// "回测 近100期（计分99期）：命中 27 期 27.3% · 随机基准 25.1% · 与随机无显著差别";
// windowText names the window ("近100期", "全部 8374 期").
std::string BackTestText(const std::string& windowText, std::int64_t hits, std::size_t scored, const Figure& baseline);

} // namespace vesk::analysis
