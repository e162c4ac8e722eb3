#pragma once
// The combined page's edits of a set's groups and conditions, as plain
// functions so that what a click does can be checked without a window.
// Indexes out of range change nothing and return false.

#include "components/filter/engine/condition_set.h"

#include <string>

namespace vesk::filter {

// Appends an enabled group with 容错 [0, 0] and the name "条件组 n" (n its
// place from 1); returns its index.
std::size_t AddGroup(ConditionSet& set);
bool RemoveGroup(ConditionSet& set, std::size_t group);
// Moves the group one place up (delta -1) or down (+1).
bool MoveGroup(ConditionSet& set, std::size_t group, int delta);
// Sets the allowed errors; a max below min is raised to min.
bool SetErrors(ConditionSet& set, std::size_t group, int minErrors, int maxErrors);

// A new condition of the type: disabled and without values until the user
// picks some, its fields at the first valid choice (position 0, pair [0, 1],
// a window of 5 draws).
Condition NewCondition(ConditionType type);
bool AddCondition(ConditionSet& set, std::size_t group, ConditionType type);
bool RemoveCondition(ConditionSet& set, std::size_t group, std::size_t condition);

// Drops from every condition the values no number of the length can have.
// Which numbers pass does not change, and the set then reads back from its
// file: the reader refuses impossible values, which edits of a condition's
// fields (fewer digits or pairs) can leave behind.
void DropImpossibleValues(ConditionSet& set, int length);
// The same for one condition, after an edit of its fields.
void DropImpossibleValues(Condition& condition, int length);

} // namespace vesk::filter
