#include "components/filter/component/fixed_form.h"

#include "components/filter/engine/condition_type.h"

#include <algorithm>

namespace vesk::filter {
namespace {

bool IsKill(const Condition& c)
{
    return c.type == ConditionType::Contains && c.mode == Mode::Keep && c.values == std::vector<std::int64_t>{0};
}

bool Claims(const FixedRow& row, const Condition& c)
{
    if (c.type != row.type)
        return false;
    if (row.type == ConditionType::Position)
        return c.position == row.position;
    if (row.type == ConditionType::Contains)
        return IsKill(c) == row.kill;
    return true;
}

Condition Fresh(const FixedRow& row)
{
    Condition c;
    c.type = row.type;
    c.enabled = false;
    c.position = row.position;
    if (row.kill)
        c.values = {0};
    return c;
}

} // namespace

std::vector<FixedRow> FixedRows(int length)
{
    using T = ConditionType;
    std::vector<FixedRow> rows = {
        {"和值", T::Sum},      {"和尾", T::SumTail},       {"跨度", T::Span},
        {"奇偶比", T::OddCount}, {"大小比", T::BigCount}, {"质合比", T::PrimeCount},
        {"012路比", T::RoadCounts}, {"形态", T::DistinctCount},
    };
    static const char* const kPlaces3[] = {"百位", "十位", "个位"};
    for (int p = 0; p < length; ++p)
        rows.push_back({length == 3 ? kPlaces3[p] : "第" + std::to_string(p + 1) + "位", T::Position, p});
    const std::vector<FixedRow> rest = {
        {"胆码", T::Contains},        {"杀号", T::Contains, 0, true}, {"两码和", T::PairSum},
        {"两码差", T::PairDiff},      {"连号", T::Consecutive},       {"重号", T::Repeat},
        {"邻号", T::Adjacent},        {"冷热", T::RecentCount},
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

FixedLayout LayOut(const ConditionSet& set, const std::vector<FixedRow>& rows)
{
    FixedLayout layout;
    layout.rowCondition.resize(rows.size());
    if (set.groups.empty())
        return layout;
    const auto& conditions = set.groups[0].conditions;
    std::vector<bool> claimed(conditions.size(), false);
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t i = 0; i < conditions.size(); ++i)
            if (!claimed[i] && Claims(rows[r], conditions[i])) {
                claimed[i] = true;
                layout.rowCondition[r] = i;
                break;
            }
    for (std::size_t i = 0; i < conditions.size(); ++i)
        if (!claimed[i])
            layout.others.push_back(i);
    return layout;
}

Condition& RowCondition(ConditionSet& set, const std::vector<FixedRow>& rows, std::size_t row)
{
    if (set.groups.empty())
        set.groups.emplace_back();
    const FixedLayout layout = LayOut(set, rows);
    auto& conditions = set.groups[0].conditions;
    if (const auto index = layout.rowCondition[row])
        return conditions[*index];
    conditions.push_back(Fresh(rows[row]));
    return conditions.back();
}

void DropIfEmpty(ConditionSet& set, std::size_t index)
{
    if (set.groups.empty() || index >= set.groups[0].conditions.size())
        return;
    auto& conditions = set.groups[0].conditions;
    const Condition& c = conditions[index];
    const bool killRow = IsKill(c) && c.digits.empty();
    const bool empty = !c.enabled && (c.values.empty() || killRow) && c.digits.empty() && c.pairs.empty() &&
                       c.numbers.empty();
    if (empty)
        conditions.erase(conditions.begin() + static_cast<std::ptrdiff_t>(index));
}

} // namespace vesk::filter
