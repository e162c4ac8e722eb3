#pragma once
// What the trend chart shows, without Qt: one row per draw of the window
// (oldest first, newest at the bottom), one column per item; a cell is a hit
// or the running omission at that draw (counted over the whole history, so
// the first rows continue runs begun before the window).

#include "components/features/analysis/omission_table.h"

#include <cstdint>
#include <vector>

namespace vesk::omission {

// Families up to this size show every listed item; larger ones the 30 of
// highest 欲出几率 (ties: family order) and the selected items.
inline constexpr std::size_t kMaxChartColumns = 64;
inline constexpr std::size_t kTopChartColumns = 30;

// Indices into table.rows, in the family's order.
std::vector<std::size_t> ChartColumns(const analysis::OmissionTable& table, const std::vector<std::size_t>& selectedItems);

struct TrendData {
    std::vector<std::size_t> rows;      // table rows shown as columns
    std::size_t firstDraw = 0;          // index of the window's first draw in the history
    std::size_t draws = 0;              // rows of draws
    std::vector<std::int32_t> cells;    // draws × columns: -1 a hit, else the running omission
    std::int32_t Cell(std::size_t draw, std::size_t column) const { return cells[draw * rows.size() + column]; }
};

TrendData MakeTrend(const analysis::Family& family, const analysis::OmissionTable& table, std::vector<std::size_t> columns,
                    const std::vector<std::uint32_t>& draws);

} // namespace vesk::omission
