#pragma once
// Match expansion: the match character stands for any digit in one position
// of a typed number. "1?3" becomes 103, 113, ..., 193; every match character
// multiplies its number by ten.

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk {

// More numbers than this are refused rather than built: twice the whole
// 7-digit number space.
inline constexpr std::uint64_t kMaxExpandedNumbers = 20'000'000;

// Why an expansion was refused; windows word it in their own language.
enum class MatchRefusal { None, BadLength, DigitMatch, TooMany, OutOfMemory };

struct MatchExpansion {
    bool ok = false;
    std::string digits;    // the expanded numbers back to back, all digits
    std::uint64_t numbers = 0;
    MatchRefusal refusal = MatchRefusal::None;
    std::string error;     // why it was refused, when !ok (English, for the command line)
};

// Keeps the digit characters and the match character of text, cuts them into
// groups of length, drops a final short group, and replaces each group by
// its expansions: the earlier a match position, the slower it varies, so
// "??5" gives 005, 015, ..., 095, 105, ... length must be 1..8 and match a
// single non-digit byte; otherwise, or when the result would exceed
// kMaxExpandedNumbers, the expansion is refused.
MatchExpansion ExpandMatch(std::string_view text, char match, int length);

} // namespace vesk
