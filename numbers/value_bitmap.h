#pragma once
// A set of number values 0..10^length-1 as one bit each: 1.25 MB for the
// 7-digit game's whole number space, so dedupe and the conversions run in
// O(n + 10^length) without sorting.

#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace vesk {

class ValueBitmap {
public:
    // Throws std::bad_alloc like any container; callers turn that into their
    // own failure value.
    explicit ValueBitmap(std::uint32_t limit)
        : m_limit(limit)
        , m_words((std::size_t(limit) + 63) / 64, 0)
    {
    }

    std::uint32_t Limit() const { return m_limit; }

    // value must be below Limit().
    void Insert(std::uint32_t value) { m_words[value >> 6] |= std::uint64_t(1) << (value & 63); }

    bool Contains(std::uint32_t value) const
    {
        return value < m_limit && (m_words[value >> 6] >> (value & 63) & 1) != 0;
    }

    std::uint64_t Count() const
    {
        std::uint64_t count = 0;
        for (std::uint64_t word : m_words)
            count += static_cast<std::uint64_t>(std::popcount(word));
        return count;
    }

    // Bit v % 64 of word v / 64 is value v; bits from Limit() on are clear.
    std::span<const std::uint64_t> Words() const { return m_words; }

    // Calls visit(value) for every member, ascending.
    template <typename Visit>
    void ForEach(Visit&& visit) const
    {
        for (std::size_t w = 0; w < m_words.size(); ++w) {
            std::uint64_t word = m_words[w];
            while (word != 0) {
                const int bit = std::countr_zero(word);
                visit(static_cast<std::uint32_t>(w * 64 + static_cast<std::size_t>(bit)));
                word &= word - 1;
            }
        }
    }

private:
    std::uint32_t m_limit;
    std::vector<std::uint64_t> m_words;
};

} // namespace vesk
