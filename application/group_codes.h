#pragma once
// Group (unordered) numbers of the 3-digit game. A group is named by its
// digits in ascending order: 321, 213 and 123 all belong to group 123.
// There are 220 groups.

#include <cstddef>
#include <cstdint>
#include <span>

namespace vesk {

inline constexpr std::size_t kGroupCount = 220;

// The group code of a number code 0..999.
int GroupCode(int code);

// Writes the distinct group codes of codes to out in ascending order and
// returns how many were written (never more than out.size()). Codes outside
// 0..999 belong to no group and are skipped.
std::size_t ToGroupCodes(std::span<const std::uint32_t> codes, std::span<std::uint32_t> out);

} // namespace vesk
