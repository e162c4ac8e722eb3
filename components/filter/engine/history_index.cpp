#include "components/filter/engine/history_index.h"

#include "components/filter/engine/digits.h"

namespace vesk::filter {

HistoryIndex::HistoryIndex(std::span<const std::uint32_t> draws, int length)
    : m_length(length)
    , m_sumAge(static_cast<std::size_t>(9 * length + 1), -1)
{
    m_masks.reserve(draws.size());
    const int total = static_cast<int>(draws.size());
    // From the newest back, so the first sighting of a key is its age.
    for (int age = 0; age < total; ++age) {
        const std::uint32_t code = draws[static_cast<std::size_t>(total - 1 - age)];
        const Digits d = DigitsOf(code, length);
        m_numberAge.try_emplace(code, age);
        m_groupAge.try_emplace(GroupCodeOf(d.data(), length), age);
        int& sumAge = m_sumAge[static_cast<std::size_t>(DigitSum(d.data(), length))];
        if (sumAge < 0)
            sumAge = age;
    }
    for (std::uint32_t code : draws)
        m_masks.push_back(DigitMask(DigitsOf(code, length).data(), length));
}

std::uint16_t HistoryIndex::RecentDigits(int window) const
{
    std::uint16_t mask = 0;
    const std::size_t count = std::min(m_masks.size(), static_cast<std::size_t>(std::max(window, 0)));
    for (std::size_t i = m_masks.size() - count; i < m_masks.size(); ++i)
        mask = static_cast<std::uint16_t>(mask | m_masks[i]);
    return mask;
}

int HistoryIndex::SumOmission(int sum) const
{
    if (sum < 0 || static_cast<std::size_t>(sum) >= m_sumAge.size() || m_sumAge[static_cast<std::size_t>(sum)] < 0)
        return static_cast<int>(Size());
    return m_sumAge[static_cast<std::size_t>(sum)];
}

int HistoryIndex::AgeIn(const std::unordered_map<std::uint32_t, int>& ages, std::uint32_t key) const
{
    const auto it = ages.find(key);
    return it == ages.end() ? static_cast<int>(Size()) : it->second;
}

} // namespace vesk::filter
