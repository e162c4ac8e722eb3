#pragma once
// Whether a guess's hits over the scored draws differ from a random guess of
// the same kind, by the exact one-sided binomial p-value, and the lines a
// window shows for it, so that a user sees at a glance when a method does no
// better than chance. A verdict is only ever drawn on draws the choice did
// not see; the figures of the draws a choice was made on are shown as such.

#include "components/features/analysis/figure.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace vesk::analysis {

enum class ChanceVerdict {
    NothingScored, // no draw could be scored
    Lower,         // P(X <= hits) < kChanceLevel
    WithinChance,  // neither tail that rare
    Higher,        // P(X >= hits) < kChanceLevel
};

struct ChanceTest {
    ChanceVerdict verdict = ChanceVerdict::NothingScored;
    // The one-sided p-value of the verdict's side: P(X <= hits) for Lower,
    // P(X >= hits) otherwise; 1 when nothing was scored.
    double p = 1;
};

// hits of scored draws against the baseline rate (each draw's chance
// averaged, taken as one Bernoulli chance per draw).
ChanceTest JudgeAgainstChance(std::int64_t hits, std::size_t scored, const Figure& baseline);

// "高于随机", "在随机波动之内", "低于随机"; "-" when nothing was scored.
std::string VerdictWord(ChanceVerdict verdict);

// The 95 % Wilson interval of a share count / n, which stays inside [0, 1]
// and is honest for small n and shares near 0 or 1; {0, 1} when n is 0.
struct ShareInterval {
    double low = 0;
    double high = 1;
};
ShareInterval Wilson95(std::int64_t count, std::int64_t n);
// "11.2%–46.9%", one decimal; "-" when n is 0.
std::string IntervalText(std::int64_t count, std::int64_t n);

// Below this many scored draws a rate says little; the lines say so.
inline constexpr std::size_t kFewScored = 30;
inline constexpr const char* kFewScoredNote = "（样本少于 30 期）";

// "命中 27 期 27.3% · 随机基准 25.1%", with the few-draws note when
// fewer than kFewScored were scored.
std::string HitsText(std::int64_t hits, std::size_t scored, const Figure& baseline);

// "回测 近100期（计分99期）：命中 27 期 27.3% · 随机基准 25.1% · 单侧 p = 0.3120 · 在随机波动之内";
// label names the figure ("回测", "检验"), windowText the draws ("近100期").
std::string BackTestText(const std::string& label, const std::string& windowText, std::int64_t hits,
                         std::size_t scored, const Figure& baseline);

// The figure of the draws a choice was made on, without a verdict:
// "挑选所用 近100期（计分99期）：命中 … · 随机基准 …（是看着这些期选的，…）".
std::string InSampleText(const std::string& windowText, std::int64_t hits, std::size_t scored, const Figure& baseline);

} // namespace vesk::analysis
