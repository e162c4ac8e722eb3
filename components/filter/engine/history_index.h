#pragma once
// A draw history prepared for the history conditions: the draws, the last
// draw of every digit, number, group (digits ascending) and digit sum.
//
// It grows one draw at a time (Append), so the back-test extends a single
// index past each draw it judges instead of building one per draw.

#include <cstdint>
#include <span>
#include <utility>
#include <vector>

namespace vesk::filter {

class HistoryIndex {
public:
    // draws: oldest first, each below 10^length (others are dropped, as the
    // draw history drops them). length outside 1..8 reads as 3 with no
    // draws. Copies what it needs.
    HistoryIndex(std::span<const std::uint32_t> draws, int length);

    // One more draw, the newest; dropped when not below 10^Length().
    void Append(std::uint32_t code);

    int Length() const { return m_length; }
    std::size_t Size() const { return m_codes.size(); }
    std::span<const std::uint32_t> Draws() const { return m_codes; }

    // Digits (bit x for digit x) of the latest draw; 0 without draws.
    std::uint16_t LatestDigits() const { return RecentDigits(1); }
    // Digits of any of the last window draws (all draws when fewer).
    std::uint16_t RecentDigits(int window) const;

    // Draws since the number, group (digits ascending) or digit sum last
    // came out: 0 for the latest draw, Size() when it never did, -1 for an
    // argument outside the game (or not a group).
    int Omission(std::uint32_t code) const;
    int GroupOmission(std::uint32_t groupCode) const;
    int SumOmission(int sum) const;

    // The drawn numbers once each, ascending, each with the index (oldest
    // 0) of its latest draw.
    const std::vector<std::pair<std::uint32_t, std::uint32_t>>& Drawn() const { return m_drawn; }
    // The same for the groups drawn (digits ascending).
    const std::vector<std::pair<std::uint32_t, std::uint32_t>>& DrawnGroups() const { return m_drawnGroups; }

private:
    int AgeOf(std::int64_t last) const { return static_cast<int>(static_cast<std::int64_t>(Size()) - 1 - last); }

    int m_length;
    std::uint32_t m_limit;
    std::vector<std::uint32_t> m_codes;                           // oldest first
    std::int64_t m_digitLast[10];                                 // -1: never drawn
    std::vector<std::pair<std::uint32_t, std::uint32_t>> m_drawn; // code, latest index
    std::vector<std::pair<std::uint32_t, std::uint32_t>> m_drawnGroups; // group, latest index
    std::vector<std::int64_t> m_sumLast; // by sum; -1: never drawn
};

} // namespace vesk::filter
