#pragma once
// What a user typed into 号码查询: numbers of the game's length and periods
// of the history. Tokens are separated as ValueLabels' lists are (blanks,
// commas, 、, line breaks). A token
//   - ending in 期 is a period ("2025100期"), refused when the history has
//     no draw of it;
//   - of exactly the game's length in digits is a number, even when some
//     period is written the same;
//   - else is a period when the history has a draw of it;
//   - else refused, and named ("123456" is neither: a longer run of digits
//     is more likely a mistyped period than two numbers).
// Good tokens are read whatever the others hold.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::analysis {

struct LookupEntry {
    bool period = false;
    std::uint32_t number = 0; // a number: its code
    std::size_t draw = 0;     // a period: the index of its draw, oldest 0
};

struct LookupQuery {
    std::vector<LookupEntry> entries; // in the order typed, repeats kept
    // One line per refused token: which (its place and text) and why.
    std::vector<std::string> errors;
};

// periods: one per draw of the history, oldest first ("" when unknown).
LookupQuery ParseLookupQuery(std::string_view text, int length, std::span<const std::string> periods);

} // namespace vesk::analysis
