#pragma once
// The space of all L-digit numbers split into a high part (the first L - l
// digits) and a low part (the last l = min(L, 3) digits): code = high *
// LowCount() + low. Work per number then becomes look-ups in tables over
// the parts, which are small. Also the multisets of digits (the group
// forms), since most condition values depend on nothing else.

#include "components/filter/engine/digits.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vesk::filter {

class NumberSpace {
public:
    explicit NumberSpace(int length); // 1..8

    int Length() const { return m_length; }
    int HighDigits() const { return m_length - m_lowDigits; }
    int LowDigits() const { return m_lowDigits; }
    std::uint32_t HighCount() const { return m_highCount; }
    std::uint32_t LowCount() const { return m_lowCount; }
    std::uint64_t Size() const { return std::uint64_t(m_highCount) * m_lowCount; }

    // The multisets of L digits, in ascending order of their group forms.
    std::uint32_t MultisetCount() const { return static_cast<std::uint32_t>(m_multisets.size()); }
    // The digits of multiset m, ascending.
    Digits MultisetDigits(std::uint32_t m) const { return DigitsOf(m_multisets[m], m_length); }
    // How many numbers of the space have multiset m.
    std::uint64_t MultisetSize(std::uint32_t m) const { return m_multisetSizes[m]; }
    // Its digits as a mask (bit x for digit x) and their sum: what the
    // history conditions look up for every multiset at every draw.
    std::uint16_t MultisetMask(std::uint32_t m) const { return m_multisetMasks[m]; }
    int MultisetSum(std::uint32_t m) const { return m_multisetSums[m]; }

    // The multisets of the parts' digits, and the whole number's multiset
    // from the two.
    std::uint32_t HighMultisetCount() const { return m_highPartCount; }
    std::uint32_t HighMultiset(std::uint32_t high) const { return m_highMultiset[high]; }
    std::uint32_t LowMultiset(std::uint32_t low) const { return m_lowMultiset[low]; }
    std::uint32_t Combine(std::uint32_t highMultiset, std::uint32_t lowMultiset) const
    {
        return m_combined[std::size_t(highMultiset) * m_lowPartCount + lowMultiset];
    }
    std::uint32_t MultisetOf(std::uint32_t code) const
    {
        return Combine(m_highMultiset[code / m_lowCount], m_lowMultiset[code % m_lowCount]);
    }

private:
    int m_length;
    int m_lowDigits;
    std::uint32_t m_highCount;
    std::uint32_t m_lowCount;
    std::vector<std::uint32_t> m_multisets; // group codes, ascending
    std::vector<std::uint64_t> m_multisetSizes;
    std::vector<std::uint16_t> m_multisetMasks;
    std::vector<std::uint8_t> m_multisetSums;
    std::uint32_t m_highPartCount = 0;
    std::uint32_t m_lowPartCount = 0;
    std::vector<std::uint32_t> m_highMultiset;
    std::vector<std::uint32_t> m_lowMultiset;
    std::vector<std::uint32_t> m_combined;
};

// The space of a length, built on first use and kept: it depends on nothing
// else, and the preview recompiles on every edit. Safe to call from any
// thread.
std::shared_ptr<const NumberSpace> SharedNumberSpace(int length);

} // namespace vesk::filter
