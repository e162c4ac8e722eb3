#pragma once
// 号码查询's figures of one number over a draw history (oldest first), as a
// straight number (the same digits in the same places) and as a group (the
// same digits in any order).
//
// The window is the last n = min(N, H) draws. hits and the draws listed are
// the window's; 当前遗漏, the last draw and 最大遗漏 follow the omission
// statistics: the current run counts from the newest hit of the whole
// history (H when there is none), the longest miss run is one with a draw
// inside the window, counted whole.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace vesk::analysis {

struct LookupFigures {
    std::int64_t hits = 0;
    std::optional<std::size_t> lastDraw; // index of the newest hit of the whole history
    std::int64_t current = 0;
    std::int64_t maximum = 0;
    std::vector<std::size_t> draws; // indices of the window's hits, ascending
};

struct NumberLookup {
    LookupFigures straight;
    LookupFigures group;
};

// number and draws: below 10^length (length 1..8); last: N, 0 for every draw.
NumberLookup LookUpNumber(std::uint32_t number, int length, std::span<const std::uint32_t> draws, std::size_t last);

} // namespace vesk::analysis
