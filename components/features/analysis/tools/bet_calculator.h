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
    StraightSum,       // 直选和值: every straight number whose digit sum is picked
    GroupSum,          // 组选和值: every 组三 and 组六 group whose sum is picked (a 豹子 is no group bet; 3 digits only)
    StraightSpan,      // 直选跨度: every straight number whose span (largest − smallest digit) is picked
    GroupSpan,         // 组选跨度: every 组三 and 组六 group whose span is picked (3 digits only)
    GroupBankerDrag,   // 组选胆拖: every 组三 and 组六 group holding all 胆 digits, its other digits 拖 (3 digits only)
};

// What a user picked for a play.
struct BetPick {
    // StraightPositions: one mask per position; the set plays: digits[0].
    std::vector<std::uint16_t> digits;
    // The sum and span plays: bit v set when value v is picked.
    std::uint32_t values = 0;
    // 胆拖: one or two 胆 digits and at least one 拖 digit, none of them a 胆.
    std::uint16_t bankers = 0;
    std::uint16_t drags = 0;
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

// The values of text ("10 11 12", "3,4"), each once, each at most most;
// the error names the first token that is no such value.
struct ValueSetEntry {
    std::uint32_t mask = 0;
    std::string error;
    bool Ok() const { return error.empty(); }
};
ValueSetEntry ParseValueSet(std::string_view text, int most);

// Why a 胆拖 pick makes no bet ("" when it does): no 胆 or more than two, no
// 拖, a digit both 胆 and 拖.
std::string BankerDragError(std::uint16_t bankers, std::uint16_t drags);

// Bets of a play; 0 for a pick that makes none, or a play the length does
// not have.
std::uint64_t CountBets(BetPlay play, const BetPick& pick, int length);
// The numbers of the bets, ascending: straight numbers, or group numbers
// (digits ascending) for the group plays.
std::vector<std::uint32_t> BetNumbers(BetPlay play, const BetPick& pick, int length);
// What bets cost at kPricePerBet, each bought multiple (倍数) times.
std::uint64_t BetCost(std::uint64_t bets, std::uint32_t multiple);
// Whether the play's numbers are group numbers.
bool IsGroupPlay(BetPlay play);

// Bets of a play; positions: one mask per position (StraightPositions, L of
// them), else positions[0] is the one set. length: 1..8; 0 bets for the
// group plays at another length.
std::uint64_t CountBets(BetPlay play, std::span<const std::uint16_t> positions, int length);

// The numbers of the bets, ascending: straight numbers, or group numbers
// (digits ascending) for the group plays.
std::vector<std::uint32_t> BetNumbers(BetPlay play, std::span<const std::uint16_t> positions, int length);

} // namespace vesk::analysis
