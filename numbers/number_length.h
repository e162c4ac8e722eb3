#pragma once
// Digits per number. The game service announces 3, 5 or 7; the list formats
// and the digit buffers hold at most 8, so every length outside 1..8 is refused.

#include <array>
#include <cstdint>

namespace vesk {

inline constexpr int kMaxNumberLength = 8;

constexpr bool IsValidNumberLength(long long length)
{
    return length >= 1 && length <= kMaxNumberLength;
}

// 10^length for 0..8.
constexpr std::uint32_t PowerOfTen(int length)
{
    std::uint32_t value = 1;
    for (int i = 0; i < length; ++i)
        value *= 10;
    return value;
}

} // namespace vesk
