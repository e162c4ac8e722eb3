#pragma once
// The 23 digit categories the grouping panel's boxes offer, in the order the
// boxes list them after "自定义" (box index k >= 1 is table row k), and the
// matching of a row's selected digits against them.

#include <array>
#include <cstdint>
#include <string_view>

namespace vesk {

// One flag per digit, index = digit; 1 = selected / belongs.
using DigitFlags = std::array<std::uint8_t, 10>;

struct DigitCategory {
    std::string_view name;
    DigitFlags digits;
};

inline constexpr int kCategoryCount = 23;
inline constexpr std::string_view kCustomCategory = "自定义";

const std::array<DigitCategory, kCategoryCount>& DigitCategories();

// The box index for a row's digits: the first table row (1..23) whose flags
// equal them, else 0 ("自定义").
int MatchingCategory(const DigitFlags& digits);

// The flags of box index 1..23; empty flags for any other index.
DigitFlags CategoryDigits(int boxIndex);

} // namespace vesk
