#pragma once
// Presence arrays: 1000 entries indexed by number code (100·h + 10·t + u),
// 1 where the 3-digit number is present. Always three digits, whatever the
// game's number length.

#include "numbers/uint_array.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace vesk {

inline constexpr std::size_t kPresenceSize = 1000;

// Sets presence to 1000 entries, then 1 for every complete digit triple of
// text (other characters skipped, a trailing partial triple ignored). False
// only when the array cannot be sized.
bool ParsePresence(std::string_view text, C3DUIntArray& presence);

// The present codes ascending as "%03d", a blank between numbers and "\r\n"
// after every perLine-th (0 = no line breaks), without trailing blanks or
// line breaks. Entries past the array's end count as absent.
std::string FormatPresence(const C3DUIntArray& presence, std::uint32_t perLine);

} // namespace vesk
