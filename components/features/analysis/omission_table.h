#pragma once
// The omission statistics of a whole family over a draw history, in one
// pass over the draws.
//
// A miss run of an item is a maximal run of consecutive draws of the whole
// history that do not satisfy it; the window is the last n = min(N, H) draws
// of the H draws (oldest first).
//   current   draws after the newest hit (H when the item never hit)
//   previous  the miss run the newest hit ended (0 when it never hit)
//   maximum   the longest miss run with a draw inside the window, counted
//             whole; 0 when every draw of the window hits
//   hits      draws of the window that satisfy the item; rate hits / n
//   average   (n - hits) / (hits + 1)
//   expected  (1 - p) / p; ratio current * p / (1 - p)
//   maxRun    the longest run of consecutive hits inside the window
// p is the item's share of the number space; items with p = 0 or p = 1 are
// left out of the table.

#include "components/features/analysis/family.h"
#include "components/features/analysis/figure.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace vesk::analysis {

// The windows a user picks from; 0 stands for 全部.
inline constexpr std::size_t kWindowChoices[] = {30, 50, 100, 200, 500, 1000, 0};
inline constexpr std::size_t kDefaultWindow = 100;

// n = min(last, draws); last 0 means every draw.
constexpr std::size_t WindowSize(std::size_t last, std::size_t draws)
{
    return last == 0 || last > draws ? draws : last;
}

struct OmissionRow {
    std::size_t item = 0; // index in the family
    std::int64_t current = 0;
    std::int64_t previous = 0;
    std::int64_t maximum = 0;
    std::int64_t hits = 0;
    std::int64_t maxRun = 0;
    Figure average;
    Figure expected;
    Figure ratio;
    Figure rate;
};

struct OmissionTable {
    std::size_t historySize = 0; // H
    std::size_t window = 0;      // n
    std::vector<OmissionRow> rows; // the listed items, in the family's order
};

// draws: oldest first, each below 10^length of the family; larger codes are
// a caller's fault and are skipped as if absent. last: N, 0 for every draw.
OmissionTable ComputeOmissions(const Family& family, std::span<const std::uint32_t> draws, std::size_t last);

// The figures of one row as vesk-cli prints them, tab-separated, after the
// label: current previous max average expected ratio hits rate max-run.
std::string FormatRowFigures(const OmissionRow& row);

} // namespace vesk::analysis
