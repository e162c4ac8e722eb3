#include "components/filter/component/fixed_form.h"

#include "components/filter/component/set_edits.h"
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

Condition FreshFor(const FixedRow& row)
{
    Condition c = NewCondition(row.type);
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

FixedForm::FixedForm(int length) : m_rows(FixedRows(length)), m_next(m_rows.size() + 1) {}

void FixedForm::Adopt(const ConditionSet& set)
{
    m_ids.clear();
    if (set.groups.empty())
        return;
    const auto& conditions = set.groups[0].conditions;
    m_ids.assign(conditions.size(), 0);
    std::vector<bool> taken(m_rows.size(), false);
    for (std::size_t i = 0; i < conditions.size(); ++i) {
        for (std::size_t r = 0; r < m_rows.size() && m_ids[i] == 0; ++r)
            if (!taken[r] && Claims(m_rows[r], conditions[i])) {
                taken[r] = true;
                m_ids[i] = RowId(r);
            }
        if (m_ids[i] == 0)
            m_ids[i] = m_next++;
    }
}

Condition FixedForm::Fresh(std::size_t row) const
{
    return FreshFor(m_rows.at(row));
}

bool FixedForm::Fits(const ConditionSet& set) const
{
    if (m_ids.size() != (set.groups.empty() ? 0 : set.groups[0].conditions.size()))
        return false;
    // A row's condition keeps its row's type and place through every edit the page makes.
    for (std::size_t i = 0; i < m_ids.size(); ++i) {
        if (!IsRow(m_ids[i]))
            continue;
        const FixedRow& row = m_rows[m_ids[i] - 1];
        const Condition& c = set.groups[0].conditions[i];
        if (c.type != row.type || (row.type == ConditionType::Position && c.position != row.position))
            return false;
    }
    return true;
}

std::vector<FixedForm::Id> FixedForm::Others() const
{
    std::vector<Id> others;
    for (const Id id : m_ids)
        if (!IsRow(id))
            others.push_back(id);
    return others;
}

std::optional<std::size_t> FixedForm::IndexOf(Id id) const
{
    const auto at = std::find(m_ids.begin(), m_ids.end(), id);
    if (at == m_ids.end())
        return std::nullopt;
    return static_cast<std::size_t>(at - m_ids.begin());
}

const Condition* FixedForm::Find(const ConditionSet& set, Id id) const
{
    const auto index = IndexOf(id);
    if (!index || !Fits(set))
        return nullptr;
    return &set.groups[0].conditions[*index];
}

Condition* FixedForm::Get(ConditionSet& set, Id id)
{
    if (!Fits(set))
        return nullptr;
    if (const auto index = IndexOf(id))
        return &set.groups[0].conditions[*index];
    if (!IsRow(id))
        return nullptr;
    if (set.groups.empty())
        set.groups.emplace_back();
    auto& conditions = set.groups[0].conditions;
    conditions.push_back(Fresh(id - 1));
    m_ids.push_back(id);
    return &conditions.back();
}

bool FixedForm::Remove(ConditionSet& set, Id id)
{
    const auto index = IndexOf(id);
    if (!index || !Fits(set))
        return false;
    auto& conditions = set.groups[0].conditions;
    conditions.erase(conditions.begin() + static_cast<std::ptrdiff_t>(*index));
    m_ids.erase(m_ids.begin() + static_cast<std::ptrdiff_t>(*index));
    return true;
}

} // namespace vesk::filter
