#pragma once
// How vesk-cli prints: numbers as their digit text, one per line, and the
// core's "\r\n" texts with "\n" line ends.

#include "numbers/number_list.h"

#include <string>
#include <string_view>

namespace vesk::cli {

std::string NumberLines(const NumberList& list);
std::string WithUnixLineEnds(std::string_view text);

} // namespace vesk::cli
