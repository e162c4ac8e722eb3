#pragma once
// How the trend chart groups its columns, without Qt. Items of one position
// (单选单码, 百位/十位/个位) or one pair (两码和, 单选两码) form a block of
// their own; every other family is one block. A hit is drawn as a ball with
// the item's short label (the title less what the block's items share: "7"
// of "百位7", "13" of "和值13", "组三" of "形态组三"). A block is linked
// (a trend line joins its balls) when each number of the space satisfies
// exactly one of its items and all of them are charted, so each draw has
// exactly one ball there.

#include "components/features/analysis/omission_table.h"

#include <string>
#include <vector>

namespace vesk::omission {

struct TrendBlock {
    std::string title;         // "百位"; the family's name for a one-block family
    std::size_t firstColumn = 0;
    std::size_t endColumn = 0; // half-open
    bool linked = false;
};

struct TrendBlocks {
    std::vector<TrendBlock> blocks;     // in column order, covering every column
    std::vector<std::string> labels;    // the short label of each column
    std::vector<std::size_t> blockOf;   // the block of each column
};

// columns: table rows shown, in the family's order (ChartColumns).
TrendBlocks MakeTrendBlocks(const analysis::Family& family, const analysis::OmissionTable& table,
                            const std::vector<std::size_t>& columns);

// The column of block's ball in a draw row of cells (-1 a hit), or -1 when
// the draw hits none of its columns.
int BallColumn(const std::vector<std::int32_t>& cells, std::size_t columns, std::size_t draw, const TrendBlock& block);

} // namespace vesk::omission
