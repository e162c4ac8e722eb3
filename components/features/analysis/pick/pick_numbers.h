#pragma once
// The numbers a smart pick generates: every number of the space whose
// pattern is picked, or for the positional pick the product of the digits
// picked per position. Straight numbers ascending; as groups one number per
// digit multiset with its digits sorted ascending, the groups ascending.

#include "components/features/analysis/pick/pick_patterns.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vesk::analysis {

// picked: one flag per pattern of space.
std::vector<std::uint32_t> PickedNumbers(const PatternSpace& space, const DigitClasses& classes,
                                         const std::vector<bool>& picked);

// Straight numbers to their groups, each once, ascending.
std::vector<std::uint32_t> GroupsOf(std::span<const std::uint32_t> numbers, int length);

// One digit mask per position, most significant first (bit x for digit x).
using PositionDigits = std::vector<std::uint16_t>;

// The count of the product: the picked digits of each position multiplied.
std::uint64_t ProductCount(const PositionDigits& digits);
// The product's numbers ascending; none when a position has no digit.
std::vector<std::uint32_t> ProductNumbers(const PositionDigits& digits);
// Whether code (of digits.size() digits) is in the product.
bool InProduct(const PositionDigits& digits, std::uint32_t code);

} // namespace vesk::analysis
