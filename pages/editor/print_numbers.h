#pragma once
// What the editor hands to the print component: the digit characters of the
// text, three at a time, whatever the game's number length. A trailing one
// or two digits make no number.

#include <array>
#include <string_view>
#include <vector>

namespace vesk {

// Each entry: three digit characters and a zero byte.
using PrintedNumber = std::array<char, 4>;

std::vector<PrintedNumber> PrintedNumbers(std::string_view text);

} // namespace vesk
