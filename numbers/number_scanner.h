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

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

#if defined(__SSE2__)
// Bit i set when byte i of the 16 at p is an ASCII digit.
inline std::uint32_t DigitMask16(const unsigned char* p)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    // Shifted so that '0'..'9' become the ten smallest signed byte values.
    const __m128i shifted = _mm_sub_epi8(bytes, _mm_set1_epi8(static_cast<char>('0' - 128)));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(_mm_cmplt_epi8(shifted, _mm_set1_epi8(-128 + 10))));
}
#endif

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
    [[maybe_unused]] const std::uint32_t groupBits = (std::uint32_t(1) << length) - 1;
    while (p < end) {
#if defined(__SSE2__)
        // Thirty-two bytes classified at once serve every number that starts
        // in their first 25, with the one separator after each.
        if (held == 0 && end - p >= 32) {
            const std::uint64_t digitMask
                = scan_detail::DigitMask16(p) | (std::uint64_t(scan_detail::DigitMask16(p + 16)) << 16);
            unsigned offset = 0;
            while (offset <= 24 && ((digitMask >> offset) & groupBits) == groupBits) {
                std::uint64_t chunk = 0;
                std::memcpy(&chunk, p + offset, sizeof chunk);
                emit((chunk & groupMask) - ((0x30 * scan_detail::kOnes) & groupMask));
                offset += static_cast<unsigned>(length);
                if (offset < 32 && ((digitMask >> offset) & 1) == 0)
                    ++offset;
            }
            if (offset > 0) {
                p += offset;
                continue;
            }
        }
#endif
        if (held == 0 && end - p >= 8) {
            std::uint64_t chunk = 0;
            std::memcpy(&chunk, p, sizeof chunk);
            const std::uint64_t nonDigits = scan_detail::NonDigitBytes(chunk);
            if ((nonDigits & groupMask) == 0) {
                emit((chunk & groupMask) - ((0x30 * scan_detail::kOnes) & groupMask));
                p += length;
                // The separator that usually follows is in the chunk already.
                if (length < 8 && ((nonDigits >> (8 * length)) & 0xFF) != 0)
                    ++p;
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
