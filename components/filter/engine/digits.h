#pragma once
// A number as its digits: d[0] the most significant, L of them, each 0..9.

#include "numbers/digit_packing.h"

#include <array>
#include <cstdint>

namespace vesk::filter {

inline constexpr int kMaxLength = kMaxNumberLength;
using Digits = std::array<std::uint8_t, kMaxLength>;

inline Digits DigitsOf(std::uint32_t code, int length)
{
    Digits d{};
    for (int i = length - 1; i >= 0; --i) {
        d[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(code % 10);
        code /= 10;
    }
    return d;
}

inline std::uint32_t CodeOf(const std::uint8_t* d, int length)
{
    std::uint32_t code = 0;
    for (int i = 0; i < length; ++i)
        code = code * 10 + d[i];
    return code;
}

// Bit x set when digit x occurs.
inline std::uint16_t DigitMask(const std::uint8_t* d, int length)
{
    std::uint16_t mask = 0;
    for (int i = 0; i < length; ++i)
        mask = static_cast<std::uint16_t>(mask | (1u << d[i]));
    return mask;
}

// The group form: the digits ascending, read as a number.
inline std::uint32_t GroupCodeOf(const std::uint8_t* d, int length)
{
    return digits::GroupValue(digits::Load(d, length), length);
}

inline int DigitSum(const std::uint8_t* d, int length)
{
    int sum = 0;
    for (int i = 0; i < length; ++i)
        sum += d[i];
    return sum;
}

} // namespace vesk::filter
