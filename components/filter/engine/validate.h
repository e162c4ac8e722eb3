#pragma once
// The checks before a run, with messages for the user (Chinese, as the
// condition window shows them). Only enabled conditions of enabled groups
// are checked: the others take no part in a run.

#include "components/filter/engine/condition_set.h"

#include <optional>
#include <string>

namespace vesk::filter {

// A run counts a number's failed conditions per group in 16 bits.
inline constexpr std::size_t kMaxGroupConditions = 65535;

// What stops the set from being compiled for the game: a set for another
// length, a field or value out of range, a history condition without a
// history, a group of more than kMaxGroupConditions conditions. Nothing
// when it can be compiled.
std::optional<std::string> CheckCompilable(const ConditionSet& set, int length, bool hasHistory);

// Everything CheckCompilable finds, and also a set without any enabled
// condition ("没有设置缩水条件") or a group that demands more failed
// conditions than it has enabled. Nothing when the set is ready to run.
std::optional<std::string> Validate(const ConditionSet& set, int length, bool hasHistory);

// True when a number that fails errors of the group's enabled conditions
// passes the group.
inline bool ErrorsAllowed(const Group& group, int errors)
{
    return errors >= group.minErrors && errors <= group.maxErrors;
}

// How the user knows a group: its name, or its place when it has none.
std::string GroupLabel(const Group& group, std::size_t index);

} // namespace vesk::filter
