#include "components/filter/engine/validate.h"

#include "components/filter/engine/condition_checks.h"

namespace vesk::filter {

namespace {

std::string ConditionLabel(const Group& group, std::size_t groupIndex, const Condition& c, std::size_t index)
{
    return "条件组「" + GroupLabel(group, groupIndex) + "」第 " + std::to_string(index + 1) + " 个条件（"
        + std::string(InfoOf(c.type).name) + "）";
}

template <typename Visit>
std::optional<std::string> ForEachActive(const ConditionSet& set, Visit visit)
{
    for (std::size_t g = 0; g < set.groups.size(); ++g) {
        const Group& group = set.groups[g];
        if (!group.enabled)
            continue;
        for (std::size_t i = 0; i < group.conditions.size(); ++i)
            if (group.conditions[i].enabled)
                if (auto problem = visit(group, g, group.conditions[i], i))
                    return problem;
    }
    return std::nullopt;
}

} // namespace

std::string GroupLabel(const Group& group, std::size_t index)
{
    return group.name.empty() ? "第 " + std::to_string(index + 1) + " 组" : group.name;
}

std::optional<std::string> CheckCompilable(const ConditionSet& set, int length, bool hasHistory)
{
    if (set.digits != length)
        return "条件方案适用于 " + std::to_string(set.digits) + " 位号码，与当前的 " + std::to_string(length)
            + " 位号码不符";
    for (std::size_t g = 0; g < set.groups.size(); ++g) {
        const Group& group = set.groups[g];
        if (group.enabled && (group.minErrors < 0 || group.minErrors > group.maxErrors))
            return "条件组「" + GroupLabel(group, g) + "」的容错范围 [" + std::to_string(group.minErrors) + ", "
                + std::to_string(group.maxErrors) + "] 无效";
        if (group.enabled && group.conditions.size() > kMaxGroupConditions)
            return "条件组「" + GroupLabel(group, g) + "」的条件超过 " + std::to_string(kMaxGroupConditions) + " 个";
    }
    return ForEachActive(set, [&](const Group& group, std::size_t g, const Condition& c,
                                  std::size_t i) -> std::optional<std::string> {
        if (auto issue = CheckCondition(c, length))
            return ConditionLabel(group, g, c, i) + "：" + issue->chinese;
        if (InfoOf(c.type).needsHistory && !hasHistory)
            return ConditionLabel(group, g, c, i) + "需要开奖历史数据，但没有开奖历史";
        return std::nullopt;
    });
}

std::optional<std::string> Validate(const ConditionSet& set, int length, bool hasHistory)
{
    if (auto problem = CheckCompilable(set, length, hasHistory))
        return problem;
    bool anyEnabled = false;
    for (std::size_t g = 0; g < set.groups.size(); ++g) {
        const Group& group = set.groups[g];
        if (!group.enabled)
            continue;
        int enabled = 0;
        for (const Condition& c : group.conditions)
            enabled += c.enabled ? 1 : 0;
        anyEnabled = anyEnabled || enabled > 0;
        if (group.minErrors > enabled)
            return "条件组「" + GroupLabel(group, g) + "」要求至少 " + std::to_string(group.minErrors)
                + " 个条件不满足，但只启用了 " + std::to_string(enabled) + " 个条件";
    }
    if (!anyEnabled)
        return std::string("没有设置缩水条件");
    return std::nullopt;
}

} // namespace vesk::filter
