#pragma once
// Where a number stands in a list. The result list is a set of bets: a number
// typed in by hand that the list already holds is pointed out, not added twice.

#include <cstdint>
#include <optional>

namespace vesk {
class NumberList;
}

namespace vesk::result {

// The first index other than except whose digits equal digits (the list's
// own length of them), or nothing.
std::optional<std::uint32_t> FindNumber(const NumberList& list, const std::uint8_t* digits,
                                        std::optional<std::uint32_t> except = std::nullopt);

} // namespace vesk::result
