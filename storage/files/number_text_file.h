#pragma once
// Number text as the result page saves it: the numbers' digit characters, a
// blank between numbers and "\r\n" after every perLine-th number (also after
// the last when the count is a multiple of perLine), no blank after the last.

#include "numbers/number_list.h"

#include <cstdint>
#include <string>

namespace vesk::files {

// The per-line count used when the editor gives none.
inline constexpr std::uint32_t kDefaultPerLine = 99999999;

// perLine 0 is taken as no line breaks at all.
std::string FormatNumberText(const NumberList& list, std::uint32_t perLine);

} // namespace vesk::files
