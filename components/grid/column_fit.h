#pragma once
// Which cell texts can be the widest of a column, so that fitting a column
// measures a handful of texts instead of every row: among the first and the
// last rows, the first text of each length in bytes (a longer text of the
// same kind is what runs wider; digits and CJK texts keep to their own
// lengths). The last rows count because serial numbers grow towards the end.

#include "components/grid/grid_table.h"

#include <string>
#include <vector>

namespace vesk::grid {

// At most this many candidates per column, the longest kept.
inline constexpr std::size_t kMaxWidthCandidates = 24;

// Texts as the cells show them (numbers formatted), from the first and the
// last sampleRows rows; longest first. None for a column outside the table.
std::vector<std::string> WidthCandidates(const GridTable& table, int column, std::int64_t sampleRows);

} // namespace vesk::grid
