#pragma once
// A draw history prepared for the history conditions: the latest draws'
// digits and how long ago each number, group and sum came out.

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

namespace vesk::filter {

class HistoryIndex {
public:
    // draws: oldest first, each below 10^length. Copies what it needs.
    HistoryIndex(std::span<const std::uint32_t> draws, int length);

    int Length() const { return m_length; }
    std::size_t Size() const { return m_masks.size(); }

    // Digits (bit x for digit x) of the latest draw; 0 without draws.
    std::uint16_t LatestDigits() const { return RecentDigits(1); }
    // Digits of any of the last window draws (all draws when fewer).
    std::uint16_t RecentDigits(int window) const;

    // Draws since the number, group (digits ascending) or digit sum last
    // came out: 0 for the latest draw, Size() when it never did.
    int Omission(std::uint32_t code) const { return AgeIn(m_numberAge, code); }
    int GroupOmission(std::uint32_t groupCode) const { return AgeIn(m_groupAge, groupCode); }
    int SumOmission(int sum) const;

    // Every number drawn, with its omission.
    const std::unordered_map<std::uint32_t, int>& DrawnNumbers() const { return m_numberAge; }

private:
    int AgeIn(const std::unordered_map<std::uint32_t, int>& ages, std::uint32_t key) const;

    int m_length;
    std::vector<std::uint16_t> m_masks; // oldest first
    std::unordered_map<std::uint32_t, int> m_numberAge;
    std::unordered_map<std::uint32_t, int> m_groupAge;
    std::vector<int> m_sumAge;
};

} // namespace vesk::filter
