#pragma once
// The two pages an engine can serve. The fixed page edits one group laid out
// as a form; the combined page any number of groups.

#include "components/filter/engine/condition_set.h"

#include <optional>
#include <string>

namespace vesk::filter {

enum class PageKind { Fixed = 0, Combined = 1 };

// Why the page cannot take the set (a message for the user), or nothing.
// The fixed page shows no group: a set it took would filter by what the
// user cannot see there (several groups, 容错, a disabled group).
inline std::optional<std::string> CheckSetForPage(const ConditionSet& set, PageKind kind)
{
    if (kind != PageKind::Fixed || set.groups.empty())
        return std::nullopt;
    if (set.groups.size() > 1)
        return "固定条件页只能使用一个条件组，这个方案有 " + std::to_string(set.groups.size()) + " 个，请在组合条件页载入";
    const Group& group = set.groups[0];
    if (group.minErrors != 0 || group.maxErrors != 0)
        return "固定条件页的条件必须全部符合，这个方案的条件组容错为 " + std::to_string(group.minErrors) + " 至 " +
               std::to_string(group.maxErrors) + "，请在组合条件页载入";
    if (!group.enabled)
        return "固定条件页不能停用条件组，这个方案的条件组已停用，请在组合条件页载入";
    return std::nullopt;
}

} // namespace vesk::filter
