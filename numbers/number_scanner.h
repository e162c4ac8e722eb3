#pragma once
// The one pass over number text: every L digit characters form a number,
// whatever stands between them; other bytes are skipped without ending the
// group; a final short group is dropped. Where the pending group is empty
// and the next L bytes are all digits (the usual case) the number is taken
// with one 8-byte load, which keeps parsing near memory speed.

#include "numbers/number_length.h"

#include <cstdint>
#include <cstring>
#include <string_view>

namespace vesk {

namespace scan_detail {

constexpr std::uint64_t kOnes = 0x0101010101010101ull;

// Non-zero in each byte that is not an ASCII digit.
inline std::uint64_t NonDigitBytes(std::uint64_t chunk)
{
    const std::uint64_t highNibble = (chunk & (0xF0 * kOnes)) ^ (0x30 * kOnes);
    const std::uint64_t lowAboveNine = ((chunk & (0x0F * kOnes)) + (0x06 * kOnes)) & (0xF0 * kOnes);
    return highNibble | lowAboveNine;
}

} // namespace scan_detail

// Calls emit(packed) for each number in text, packed as in digit_packing.h.
// length must be 1..8. Returns nothing; the caller counts in emit.
template <typename Emit>
void ScanNumbers(std::string_view text, int length, Emit&& emit)
{
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const unsigned char* const end = p + text.size();
    const std::uint64_t groupMask = length == 8 ? ~std::uint64_t(0) : (std::uint64_t(1) << (8 * length)) - 1;
    std::uint64_t pending = 0;
    int held = 0;
    while (p < end) {
        if (held == 0 && end - p >= 8) {
            std::uint64_t chunk = 0;
            std::memcpy(&chunk, p, sizeof chunk);
            if ((scan_detail::NonDigitBytes(chunk) & groupMask) == 0) {
                emit((chunk & groupMask) - ((0x30 * scan_detail::kOnes) & groupMask));
                p += length;
                continue;
            }
        }
        const unsigned digit = static_cast<unsigned>(*p++) - '0';
        if (digit < 10) {
            pending |= std::uint64_t(digit) << (8 * held);
            if (++held == length) {
                emit(pending);
                pending = 0;
                held = 0;
            }
        }
    }
}

} // namespace vesk
