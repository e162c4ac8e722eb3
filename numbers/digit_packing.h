#pragma once
// Conversions between a number's value and its digits packed into one 64-bit
// word (byte i = digit i, most significant digit first in memory order), so a
// whole number moves with one load or store instead of a loop per digit.

#include "numbers/number_length.h"

#include <array>
#include <cstdint>
#include <cstring>

namespace vesk::digits {

namespace detail {

// Four digit bytes of every value 0..9999, most significant first.
constexpr std::array<std::uint32_t, 10000> MakeQuadTable()
{
    std::array<std::uint32_t, 10000> table{};
    for (std::uint32_t v = 0; v < 10000; ++v) {
        table[v] = (v / 1000) | ((v / 100 % 10) << 8) | ((v / 10 % 10) << 16) | ((v % 10) << 24);
    }
    return table;
}

inline constexpr std::array<std::uint32_t, 10000> kQuadTable = MakeQuadTable();

} // namespace detail

// Digits of value (< 10^length) packed in bytes 0..length-1.
inline std::uint64_t Pack(std::uint32_t value, int length)
{
    const std::uint64_t eight = detail::kQuadTable[value / 10000]
        | (std::uint64_t(detail::kQuadTable[value % 10000]) << 32);
    return eight >> (8 * (kMaxNumberLength - length));
}

// Value of length packed digit values (each 0..9).
inline std::uint32_t Value(std::uint64_t packed, int length)
{
    // Leading zero digits in front make every length an eight-digit number.
    std::uint64_t val = packed << (8 * (kMaxNumberLength - length));
    constexpr std::uint64_t kMask = 0x000000FF000000FFull;
    constexpr std::uint64_t kMul1 = 100 + (1000000ull << 32);
    constexpr std::uint64_t kMul2 = 1 + (10000ull << 32);
    val = (val * 10) + (val >> 8);
    val = (((val & kMask) * kMul1) + (((val >> 16) & kMask) * kMul2)) >> 32;
    return static_cast<std::uint32_t>(val);
}

inline std::uint64_t Load(const std::uint8_t* digits, int length)
{
    std::uint64_t packed = 0;
    std::memcpy(&packed, digits, static_cast<std::size_t>(length));
    return packed;
}

// Load with one 8-byte read; at least 8 bytes must be readable at digits.
inline std::uint64_t LoadWide(const std::uint8_t* digits, int length)
{
    std::uint64_t packed = 0;
    std::memcpy(&packed, digits, sizeof packed);
    return length == kMaxNumberLength ? packed : packed & ((std::uint64_t(1) << (8 * length)) - 1);
}

inline void Store(std::uint8_t* digits, std::uint64_t packed, int length)
{
    std::memcpy(digits, &packed, static_cast<std::size_t>(length));
}

// Writes a whole record (4-byte tag, then the digits) with two fixed-size
// stores instead of a copy of variable length. Writes 12 bytes whatever the
// length: the caller leaves room past the last record.
inline void StoreRecordWide(std::uint8_t* record, std::uint32_t tag, std::uint64_t packed)
{
    std::memcpy(record, &tag, sizeof tag);
    std::memcpy(record + sizeof tag, &packed, sizeof packed);
}
inline constexpr std::size_t kWideStoreSlack = 8;

// True when every one of the length bytes is a digit value 0..9.
inline bool AllDigitValues(const std::uint8_t* digits, int length)
{
    for (int i = 0; i < length; ++i) {
        if (digits[i] > 9)
            return false;
    }
    return true;
}

// The value of the packed digits in ascending order: the digits are counted
// in 4-bit fields of one register, then each digit's run is appended whole,
// with no branch that depends on the digits.
inline std::uint32_t GroupValue(std::uint64_t packed, int length)
{
    static constexpr std::array<std::uint32_t, 9> kPowerOfTen{1, 10, 100, 1000, 10000, 100000, 1000000,
                                                              10000000, 100000000};
    static constexpr std::array<std::uint32_t, 9> kRepunit{0, 1, 11, 111, 1111, 11111, 111111, 1111111, 11111111};
    std::uint64_t counts = 0;
    for (int i = 0; i < length; ++i, packed >>= 8)
        counts += std::uint64_t(1) << (4 * (packed & 0xF));
    std::uint32_t value = 0;
    for (std::uint32_t digit = 0; digit < 10; ++digit, counts >>= 4) {
        const auto run = static_cast<std::size_t>(counts & 0xF);
        value = value * kPowerOfTen[run] + digit * kRepunit[run];
    }
    return value;
}

} // namespace vesk::digits
