#pragma once
// Selected items of one family as one condition of a condition set: the
// condition keeps (or, excluding, rejects) exactly the numbers that satisfy
// any of the items, written in the plainest type that holds that union:
//   - items of one value type with the same fields (和值, 跨度, a position's
//     digits, a pair's sums, ...): that type with the items' values;
//   - single digits contained (组选单码): `contains` of the k digits, values
//     1 .. min(k, L);
//   - single pairs contained (组选两码): `pairs` of the pairs, values 1 .. the
//     most pairs an L-digit number holds;
//   - anything else: `list` of the union's numbers, straight.

#include "components/features/analysis/family.h"

#include <string>
#include <vector>

namespace vesk::analysis {

// items: indices into the family (order and repeats do not matter; indices
// out of range are ignored). Nothing selected gives an empty list, which
// keeps no number.
filter::Condition ItemsCondition(const Family& family, const std::vector<std::size_t>& items, filter::Mode mode);

// The condition as a set of one group named name, for the game's length: the
// text the workbench's condition window takes in.
std::string ItemsConditionSetText(const filter::Condition& condition, const std::string& name, int length);

} // namespace vesk::analysis
