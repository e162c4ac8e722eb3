#pragma once
// 号码组统计: a list of numbers grouped by group number (digits ascending):
// per group its straight members in the list, its shape and how often the
// draws of the window were that group.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vesk::analysis {

struct GroupRow {
    std::uint32_t group = 0;            // digits ascending
    std::string shape;                  // the distinct-count value as the filter shows it: 豹子, 组三, 组六
    std::vector<std::uint32_t> members; // the list's straight numbers of the group, ascending, each once
    std::size_t entries = 0;            // the list's numbers of the group, repeats counted
    std::uint32_t orderings = 0;        // straight numbers of the whole space in the group
    std::int64_t hits = 0;              // draws of the window that were the group
    std::int64_t sinceHit = -1;         // draws after the newest hit of the whole history; -1 without one
};

struct GroupStatistics {
    std::vector<GroupRow> rows; // by group, ascending
    std::size_t scored = 0;     // draws in the window
};

// list and draws: codes below 10^length (length 1..8), draws oldest first;
// last: the window N, 0 for every draw.
GroupStatistics ComputeGroupStatistics(std::span<const std::uint32_t> list, int length,
                                       std::span<const std::uint32_t> draws, std::size_t last);

// Straight numbers of the space whose digits ascending are group: 1, 3 or 6
// at 3 digits.
std::uint32_t GroupOrderings(std::uint32_t group, int length);

// The scored draws: the last min(last, size) of them, every draw for last 0.
std::size_t WindowStart(std::size_t drawCount, std::size_t last);

} // namespace vesk::analysis
