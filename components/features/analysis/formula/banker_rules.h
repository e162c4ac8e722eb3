#pragma once
// 胆杀验证: rules that name digits for the next draw from the draws before
// it, checked over the window as 胆 or 杀 (digit_guess.h).
//
// A rule predicts the draw at index t of the history from draws[0, t). The
// scored draws are the window's last n = min(N, H) draws for which the rule
// has the draws it needs (k draws for "k back", one for the others), so each
// rule says how many it scored.

#include "components/features/analysis/formula/digit_guess.h"
#include "components/features/analysis/figure.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace vesk::analysis {

enum class RuleKind {
    Magic,     // one magic formula of the newest draw (3 digits only)
    Position,  // the digit at a position of the draw k back
    SumTail,   // the newest draw's sum mod 10
    Span,      // the newest draw's span
    SumTailSpread, // sum tail − 1, sum tail, sum tail + 1 (mod 10)
    Hot,       // the 3 hot digits of the last kRuleHeatWindow draws
    Cold,      // the 3 cold digits of them
    Fixed,     // the user's own digits
};

inline constexpr std::size_t kRuleHeatWindow = 10;
inline constexpr int kRuleMostBack = 5;

struct DigitRule {
    RuleKind kind = RuleKind::Fixed;
    std::uint8_t magic = 0;     // Magic: one MagicFormula bit
    int position = 0;           // Position: 0 the most significant
    int back = 1;               // Position: 1 the newest draw .. kRuleMostBack
    std::uint16_t digits = 0;   // Fixed: digit mask
};

// The rules of the check for a game of length digits: each magic formula
// (length 3), every position of the draws 1..kRuleMostBack back, sum tail,
// span, sum tail ± 1, hot, cold, and the user's digits when fixed is not 0.
std::vector<DigitRule> StandardRules(int length, std::uint16_t fixed);

// "百位·上1期", "和尾±1", "固定 0 5".
std::string RuleLabel(const DigitRule& rule, int length);

struct RuleCheck {
    DigitRule rule;
    // Per draw of the window, oldest first: -1 not scored, 0 missed, 1 hit.
    std::vector<std::int8_t> outcomes;
    std::int64_t hits = 0;
    std::int64_t scored = 0;
    Figure rate;     // hits / scored; 0 when nothing was scored
    Figure baseline; // mean chance of a random guess of each draw's size
    // The digits the rule names for the draw after the newest one.
    std::optional<std::uint16_t> next;
};

// The digits rule names for the draw at index t from draws[0, t); nullopt
// without the draws it needs. draws: oldest first, below 10^length.
std::optional<std::uint16_t> RuleDigits(const DigitRule& rule, std::span<const std::uint32_t> draws, int length,
                                        std::size_t t);

// Every rule over the window last (N, 0 for every draw).
std::vector<RuleCheck> CheckRules(std::span<const DigitRule> rules, std::span<const std::uint32_t> draws, int length,
                                  std::size_t last, GuessUse use);

// The digits of a mask ascending, separated by spaces: "0 5 9".
std::string DigitsText(std::uint16_t mask);

} // namespace vesk::analysis
