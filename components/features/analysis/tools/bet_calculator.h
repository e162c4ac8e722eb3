#pragma once
// 投注指南's bet calculator: how many bets a pick of digits makes in each
// play of the game, what they cost at 2 元 a bet, and the numbers
// themselves. Digit sets are masks: bit d set when digit d is picked.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::analysis {

inline constexpr std::int64_t kPricePerBet = 2; // 元

enum class BetPlay {
    StraightPositions, // 直选 复式: a digit set per position, every combination
    StraightSet,       // 直选 from one set of m digits: m^L numbers
    Group3,            // 组选三 from m digits: m(m − 1) groups (3 digits only)
    Group6,            // 组选六 from m digits: C(m, 3) groups (3 digits only)
};

// The digits of text ("1 3 5", "135", "1,3,5"), each once. Blanks and , ;
// are separators; a repeated digit counts once. The error names the first
// character that is neither.
struct DigitSetEntry {
    std::uint16_t mask = 0;
    std::string error;
    bool Ok() const { return error.empty(); }
};
DigitSetEntry ParseDigitSet(std::string_view text);

// Bets of a play; positions: one mask per position (StraightPositions, L of
// them), else positions[0] is the one set. length: 1..8; 0 bets for the
// group plays at another length.
std::uint64_t CountBets(BetPlay play, std::span<const std::uint16_t> positions, int length);

// The numbers of the bets, ascending: straight numbers, or group numbers
// (digits ascending) for the group plays.
std::vector<std::uint32_t> BetNumbers(BetPlay play, std::span<const std::uint16_t> positions, int length);

} // namespace vesk::analysis
