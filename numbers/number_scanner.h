#pragma once
// The one pass over number text: every L digit characters form a number,
// whatever stands between them; other bytes are skipped without ending the
// group; a final short group is dropped. The text is taken a block at a
// time: its digits are gathered into one run behind those left over from the
// block before, and the run is cut into groups of L. Neither step branches
// on the text, so every layout of separators parses at the same speed.

#include "numbers/digit_packing.h"
#include "numbers/digit_stream.h"
#include "numbers/number_length.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

namespace vesk {

namespace scan_detail {

// Small enough for the stack, large enough that the carry-over and the calls
// per block cost nothing.
inline constexpr std::size_t kBlockBytes = 16384;
inline constexpr std::size_t kValuesPerBatch = 1024;
inline constexpr std::size_t kMaxDigits = kBlockBytes + kMaxNumberLength - 1;

// onGroups(digits, groups) for every block's complete groups of length digit
// values, in text order.
template <typename OnGroups>
void ForEachDigitBlock(std::string_view text, int length, OnGroups&& onGroups)
{
    std::array<std::uint8_t, kMaxDigits + digit_stream::kSlack> run{};
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    const std::size_t step = static_cast<std::size_t>(length);
    std::size_t held = 0;
    for (std::size_t left = text.size(); left > 0;) {
        const std::size_t size = left < kBlockBytes ? left : kBlockBytes;
        const std::size_t total = held + digit_stream::CollectDigits(p, size, run.data() + held);
        p += size;
        left -= size;
        const std::size_t groups = total / step;
        onGroups(static_cast<const std::uint8_t*>(run.data()), groups);
        held = total - groups * step;
        std::memmove(run.data(), run.data() + groups * step, held);
    }
}

} // namespace scan_detail

// Calls emit(packed) for each number in text, packed as in digit_packing.h.
// length must be 1..8.
template <typename Emit>
void ScanNumbers(std::string_view text, int length, Emit&& emit)
{
    scan_detail::ForEachDigitBlock(text, length, [&](const std::uint8_t* digits, std::size_t groups) {
        for (std::size_t i = 0; i < groups; ++i)
            emit(digits::LoadWide(digits + i * std::size_t(length), length));
    });
}

// Calls emit(values) with the values of the numbers in text, in order, a
// batch at a time (a span of up to a thousand). length must be 1..8.
template <typename EmitBatch>
void ScanValues(std::string_view text, int length, EmitBatch&& emit)
{
    std::array<std::uint32_t, scan_detail::kValuesPerBatch> values;
    scan_detail::ForEachDigitBlock(text, length, [&](const std::uint8_t* digits, std::size_t groups) {
        for (std::size_t first = 0; first < groups; first += values.size()) {
            const std::size_t count = std::min(values.size(), groups - first);
            digit_stream::GroupValues(digits + first * std::size_t(length), count, length, values.data());
            emit(std::span<const std::uint32_t>(values.data(), count));
        }
    });
}

} // namespace vesk
