#pragma once
// A draw history prepared for the history conditions: the shared draw
// history (omissions of numbers, groups and sums) and the digits of the
// latest draws.

#include "numbers/draw_history.h"

#include <cstdint>
#include <span>
#include <vector>

namespace vesk::filter {

class HistoryIndex {
public:
    // draws: oldest first, each below 10^length (others are dropped, as the
    // draw history drops them). Copies what it needs.
    HistoryIndex(std::span<const std::uint32_t> draws, int length);

    int Length() const { return m_history.Length(); }
    std::size_t Size() const { return m_history.Size(); }
    std::span<const std::uint32_t> Draws() const { return m_history.Codes(); }

    // Digits (bit x for digit x) of the latest draw; 0 without draws.
    std::uint16_t LatestDigits() const { return RecentDigits(1); }
    // Digits of any of the last window draws (all draws when fewer).
    std::uint16_t RecentDigits(int window) const;

    // Draws since the number, group (digits ascending) or digit sum last
    // came out: 0 for the latest draw, Size() when it never did.
    int Omission(std::uint32_t code) const { return m_history.NumberOmission(code); }
    int GroupOmission(std::uint32_t groupCode) const { return m_history.GroupOmission(groupCode); }
    int SumOmission(int sum) const { return m_history.SumOmission(sum); }

private:
    DrawHistory m_history;
    std::vector<std::uint16_t> m_masks; // oldest first
};

} // namespace vesk::filter
