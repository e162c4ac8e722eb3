#pragma once
// How vesk-cli prints: numbers as their digit text, one per line, and the
// core's "\r\n" texts with "\n" line ends.

#include "numbers/number_list.h"

#include <iosfwd>
#include <string>
#include <string_view>

namespace vesk::cli {

// Writes the list in slices, so millions of numbers need no text of their
// size in memory.
void WriteNumberLines(const NumberList& list, std::ostream& out);
std::string WithUnixLineEnds(std::string_view text);

} // namespace vesk::cli
