#include "components/filter/component/set_edits.h"

#include "components/filter/engine/condition_checks.h"

#include <algorithm>
#include <utility>

namespace vesk::filter {

std::size_t AddGroup(ConditionSet& set)
{
    Group group;
    group.name = "条件组 " + std::to_string(set.groups.size() + 1);
    set.groups.push_back(std::move(group));
    return set.groups.size() - 1;
}

bool RemoveGroup(ConditionSet& set, std::size_t group)
{
    if (group >= set.groups.size())
        return false;
    set.groups.erase(set.groups.begin() + static_cast<std::ptrdiff_t>(group));
    return true;
}

bool MoveGroup(ConditionSet& set, std::size_t group, int delta)
{
    const auto target = static_cast<std::ptrdiff_t>(group) + delta;
    if (group >= set.groups.size() || target < 0 || target >= static_cast<std::ptrdiff_t>(set.groups.size()))
        return false;
    std::swap(set.groups[group], set.groups[static_cast<std::size_t>(target)]);
    return true;
}

bool SetErrors(ConditionSet& set, std::size_t group, int minErrors, int maxErrors)
{
    if (group >= set.groups.size() || minErrors < 0)
        return false;
    set.groups[group].minErrors = minErrors;
    set.groups[group].maxErrors = std::max(minErrors, maxErrors);
    return true;
}

Condition NewCondition(ConditionType type)
{
    Condition c;
    c.type = type;
    c.enabled = false;
    c.window = 5;
    return c;
}

bool AddCondition(ConditionSet& set, std::size_t group, ConditionType type)
{
    if (group >= set.groups.size())
        return false;
    set.groups[group].conditions.push_back(NewCondition(type));
    return true;
}

bool RemoveCondition(ConditionSet& set, std::size_t group, std::size_t condition)
{
    if (group >= set.groups.size() || condition >= set.groups[group].conditions.size())
        return false;
    auto& conditions = set.groups[group].conditions;
    conditions.erase(conditions.begin() + static_cast<std::ptrdiff_t>(condition));
    return true;
}

void DropImpossibleValues(ConditionSet& set, int length)
{
    for (Group& group : set.groups)
        for (Condition& condition : group.conditions)
            DropImpossibleValues(condition, length);
}

void DropImpossibleValues(Condition& condition, int length)
{
    std::erase_if(condition.values, [&](std::int64_t v) { return !IsPossibleValue(condition, length, v); });
}

} // namespace vesk::filter
