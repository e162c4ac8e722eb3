#include "components/filter/engine/number_space.h"

#include "numbers/number_length.h"

#include <algorithm>
#include <array>
#include <mutex>

namespace vesk::filter {

namespace {

// Nondecreasing digit strings of the length, as numbers: ascending.
std::vector<std::uint32_t> GroupCodes(int length)
{
    std::vector<std::uint32_t> codes;
    Digits d{};
    while (true) {
        codes.push_back(CodeOf(d.data(), length));
        int i = length - 1;
        while (i >= 0 && d[static_cast<std::size_t>(i)] == 9)
            --i;
        if (i < 0)
            return codes;
        const auto next = static_cast<std::uint8_t>(d[static_cast<std::size_t>(i)] + 1);
        for (int j = i; j < length; ++j)
            d[static_cast<std::size_t>(j)] = next;
    }
}

std::uint32_t IndexOf(const std::vector<std::uint32_t>& sorted, std::uint32_t key)
{
    return static_cast<std::uint32_t>(std::lower_bound(sorted.begin(), sorted.end(), key) - sorted.begin());
}

// Each part number's multiset index, and how many numbers each has.
std::vector<std::uint32_t> PartMultisets(int digits, const std::vector<std::uint32_t>& groups,
                                         std::vector<std::uint64_t>& sizes)
{
    const std::uint32_t count = PowerOfTen(digits);
    std::vector<std::uint32_t> index(count);
    sizes.assign(groups.size(), 0);
    for (std::uint32_t code = 0; code < count; ++code) {
        const Digits d = DigitsOf(code, digits);
        index[code] = IndexOf(groups, GroupCodeOf(d.data(), digits));
        ++sizes[index[code]];
    }
    return index;
}

} // namespace

NumberSpace::NumberSpace(int length)
    : m_length(length)
    , m_lowDigits(std::min(length, 3))
    , m_highCount(PowerOfTen(length - m_lowDigits))
    , m_lowCount(PowerOfTen(m_lowDigits))
    , m_multisets(GroupCodes(length))
    , m_multisetSizes(m_multisets.size(), 0)
{
    for (std::uint32_t group : m_multisets) {
        const Digits d = DigitsOf(group, length);
        m_multisetMasks.push_back(DigitMask(d.data(), length));
        m_multisetSums.push_back(static_cast<std::uint8_t>(DigitSum(d.data(), length)));
    }
    const int highDigits = length - m_lowDigits;
    // A high part of no digits is one empty multiset.
    const std::vector<std::uint32_t> highGroups = highDigits == 0 ? std::vector<std::uint32_t>{0} : GroupCodes(highDigits);
    const std::vector<std::uint32_t> lowGroups = GroupCodes(m_lowDigits);
    std::vector<std::uint64_t> highSizes;
    std::vector<std::uint64_t> lowSizes;
    m_highMultiset = highDigits == 0 ? std::vector<std::uint32_t>{0} : PartMultisets(highDigits, highGroups, highSizes);
    if (highDigits == 0)
        highSizes = {1};
    m_lowMultiset = PartMultisets(m_lowDigits, lowGroups, lowSizes);
    m_highPartCount = static_cast<std::uint32_t>(highGroups.size());
    m_lowPartCount = static_cast<std::uint32_t>(lowGroups.size());

    m_combined.resize(std::size_t(m_highPartCount) * m_lowPartCount);
    for (std::uint32_t h = 0; h < m_highPartCount; ++h) {
        const Digits high = DigitsOf(highGroups[h], highDigits);
        for (std::uint32_t l = 0; l < m_lowPartCount; ++l) {
            Digits all = high;
            const Digits low = DigitsOf(lowGroups[l], m_lowDigits);
            std::copy(low.begin(), low.begin() + m_lowDigits, all.begin() + highDigits);
            const std::uint32_t m = IndexOf(m_multisets, GroupCodeOf(all.data(), length));
            m_combined[std::size_t(h) * m_lowPartCount + l] = m;
            m_multisetSizes[m] += highSizes[h] * lowSizes[l];
        }
    }
}

std::shared_ptr<const NumberSpace> SharedNumberSpace(int length)
{
    static std::mutex mutex;
    static std::array<std::shared_ptr<const NumberSpace>, kMaxLength + 1> spaces;
    const std::lock_guard lock(mutex);
    auto& space = spaces[static_cast<std::size_t>(length)];
    if (!space)
        space = std::make_shared<const NumberSpace>(length);
    return space;
}

} // namespace vesk::filter
