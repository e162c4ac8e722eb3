#pragma once
// Sorting a list by a clicked grid column. Each grid keeps its own state:
// the same column clicked again reverses the order, another column starts
// ascending. Column 0 (the serial number) does not sort.

#include "numbers/number_list.h"
#include "pages/result/grid_columns.h"

namespace vesk::result {

struct SortState {
    int lastColumn = 0;
    bool ascending = true;
};

// Sorts list by column (1: the numbers; ≥ 2: the attribute `attribute` from
// table) and toggles state's direction. False, nothing changed, for column
// 0 or below. After an attribute sort every record is live again.
bool SortByColumn(NumberList& list, int column, int attribute, const AttributeTable& table, SortState& state);

} // namespace vesk::result
