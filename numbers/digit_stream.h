#pragma once
// The two steps of reading number text in bulk, each free of a branch per
// byte or per number: gather the ASCII digits of a stretch of text into one
// run of digit values, then read that run as consecutive groups of L digits.
// Both pick SSSE3 code at run time where the processor has it; the portable
// versions stay callable so tests can hold the fast ones against them.

#include <cstddef>
#include <cstdint>

namespace vesk::digit_stream {

// Bytes that must be writable past the digits CollectDigits writes, and
// readable past the digits GroupValues reads.
inline constexpr std::size_t kSlack = 16;

// Writes the value (0..9) of every byte '0'..'9' of text[0, size) to out, in
// order, and returns how many. out must have room for size + kSlack bytes.
std::size_t CollectDigits(const unsigned char* text, std::size_t size, std::uint8_t* out);
std::size_t CollectDigitsPortable(const unsigned char* text, std::size_t size, std::uint8_t* out);

// values[i] = the number formed by digits[i*length, (i+1)*length) for i below
// groups; length 1..8. kSlack bytes past the last group must be readable.
void GroupValues(const std::uint8_t* digits, std::size_t groups, int length, std::uint32_t* values);
void GroupValuesPortable(const std::uint8_t* digits, std::size_t groups, int length, std::uint32_t* values);

} // namespace vesk::digit_stream
