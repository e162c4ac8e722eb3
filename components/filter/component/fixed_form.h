#pragma once
// The fixed page's form: one row per common condition type over the set's
// single group. A row stands for the first condition of its kind in the
// group; conditions the rows do not claim (from a loaded set) are shown as
// rows of their own after them. A row with neither values nor digits that is
// not enabled holds no condition, so an untouched form is an empty set.

#include "components/filter/engine/condition_set.h"

#include <optional>
#include <string>
#include <vector>

namespace vesk::filter {

struct FixedRow {
    std::string label;
    ConditionType type = ConditionType::Sum;
    int position = 0;  // Position rows
    bool kill = false; // the 杀号 row: contains with values [0]
};

// The rows for a game length, in the order the form shows them.
std::vector<FixedRow> FixedRows(int length);

// Where each row's condition is in group 0 (nothing for a row without one),
// and the conditions no row claims, ascending.
struct FixedLayout {
    std::vector<std::optional<std::size_t>> rowCondition;
    std::vector<std::size_t> others;
};
FixedLayout LayOut(const ConditionSet& set, const std::vector<FixedRow>& rows);

// The row's condition, made (disabled, without values) at the end of group 0
// when it has none; group 0 is made when the set has no group.
Condition& RowCondition(ConditionSet& set, const std::vector<FixedRow>& rows, std::size_t row);

// Drops the condition at index of group 0 when it holds nothing: disabled,
// no values and, for contains, no digits.
void DropIfEmpty(ConditionSet& set, std::size_t index);

} // namespace vesk::filter
