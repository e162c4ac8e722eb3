#pragma once
// The ten digits ranked by how often they occurred in the last W draws
// before a place of the history, and the magic digits of a draw: the digit
// classes the smart-pick methods build on.
//
// Ranking: a digit's count is its occurrences by position (112 counts 1
// twice); higher counts first, ties to the digit whose latest appearance
// among those draws is more recent (a digit absent from them is the least
// recent), then to the smaller digit.

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace vesk::analysis {

inline constexpr int kDigitCount = 10;

struct DigitRanking {
    std::array<int, kDigitCount> order{};          // digits, highest rank first
    std::array<std::int64_t, kDigitCount> counts{}; // by digit
    std::size_t drawsUsed = 0;                      // min(W, end)
};

// Ranks over draws[end - W, end), or every draw before end when fewer than W
// precede it. draws: oldest first, below 10^length; end <= draws.size().
// With no draw before end every count is 0 and the order is 0..9.
DigitRanking RankDigits(std::span<const std::uint32_t> draws, int length, std::size_t end, std::size_t window);

// The order of a ranking from each digit's count and the age of its latest
// appearance (0 for the newest draw; an absent digit any age above the rest).
std::array<int, kDigitCount> OrderDigits(const std::array<std::int64_t, kDigitCount>& counts,
                                         const std::array<std::size_t, kDigitCount>& age);

// The rank of each digit in a ranking: 0 for the top digit.
std::array<int, kDigitCount> RankOfDigits(const DigitRanking& ranking);

// 热温冷: the first 3 ranked digits hot, the next 4 warm, the last 3 cold.
enum class HeatClass { Hot, Warm, Cold };
HeatClass HeatOfRank(int rank);

// 金字塔: layers of 1, 2, 3 and 4 digits, layer 1 the top; returns 1..4.
int PyramidLayerOfRank(int rank);

// The magic formulas on the digits a b c of a 3-digit draw, as bits of a set.
enum MagicFormula : std::uint8_t {
    kMagicSumAB = 1u << 0,  // (a + b) mod 10
    kMagicSumBC = 1u << 1,  // (b + c) mod 10
    kMagicSumAC = 1u << 2,  // (a + c) mod 10
    kMagicSumABC = 1u << 3, // (a + b + c) mod 10
    kMagicDiffAB = 1u << 4, // |a - b|
    kMagicDiffBC = 1u << 5, // |b - c|
    kMagicDiffAC = 1u << 6, // |a - c|
};
inline constexpr std::uint8_t kAllMagicFormulas = 0x7f;
inline constexpr int kMagicFormulaCount = 7;

// The distinct results of the switched-on formulas as a digit mask (bit x
// for digit x); 0 when no formula is on.
std::uint16_t MagicDigits(int a, int b, int c, std::uint8_t formulas);

} // namespace vesk::analysis
