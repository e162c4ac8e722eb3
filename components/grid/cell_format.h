#pragma once
// How a number cell reads as text. The grid's number format is a bit set:
// 0x20 marks a plain decimal number on one line; the low five bits, when not
// zero, are the least count of digits shown, made up with leading zeros (the
// digit-code column wants "012", not "12"). A minus sign does not count as a
// digit: -5 with three digits reads "-005".

#include <cstdint>
#include <string_view>

namespace vesk::grid {

inline constexpr std::int64_t kFormatDecimal = 0x20;
inline constexpr std::int64_t kFormatDigitMask = 0x1F;
inline constexpr int kMaxPadDigits = 31;

// Enough for a sign, 31 digits and nothing else.
struct NumberText {
    char chars[40];
    std::uint8_t length;
    std::string_view View() const { return {chars, length}; }
};

NumberText FormatCellNumber(std::int32_t value, int padDigits);

// The least digit count a format asks for (0: as many as the value has).
inline int PadDigitsOfFormat(std::int64_t format)
{
    return static_cast<int>(format & kFormatDigitMask);
}

} // namespace vesk::grid
