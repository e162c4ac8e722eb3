#pragma once
// The two pages an engine can serve. The fixed page edits one group laid out
// as a form; the combined page any number of groups.

#include "components/filter/engine/condition_set.h"

#include <optional>
#include <string>

namespace vesk::filter {

enum class PageKind { Fixed = 0, Combined = 1 };

// Why the page cannot take the set (a message for the user), or nothing.
inline std::optional<std::string> CheckSetForPage(const ConditionSet& set, PageKind kind)
{
    if (kind == PageKind::Fixed && set.groups.size() > 1)
        return "固定条件页只能使用一个条件组，这个方案有 " + std::to_string(set.groups.size()) + " 个，请在组合条件页载入";
    return std::nullopt;
}

} // namespace vesk::filter
