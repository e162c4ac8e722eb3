#include "components/features/analysis/omission/items_condition.h"

#include "components/features/analysis/family_builders.h"
#include "components/filter/engine/condition_checks.h"
#include "components/filter/engine/condition_set_file.h"

#include <algorithm>
#include <set>

namespace vesk::analysis {

namespace {

using filter::Condition;
using filter::ConditionType;

bool SameShape(const Condition& a, const Condition& b)
{
    return a.type == b.type && a.position == b.position && a.pair == b.pair && a.digits == b.digits &&
           a.pairs == b.pairs && a.numbers == b.numbers && a.group == b.group && a.window == b.window;
}

// One digit, or one pair, counted as contained: value 1 only.
bool SingleMember(const Condition& c)
{
    const bool one = c.values == std::vector<std::int64_t>{1};
    return (c.type == ConditionType::Contains && c.digits.size() == 1 && one) ||
           (c.type == ConditionType::Pairs && c.pairs.size() == 1 && one);
}

std::vector<std::int64_t> Range(std::int64_t from, std::int64_t to)
{
    std::vector<std::int64_t> values;
    for (std::int64_t v = from; v <= to; ++v)
        values.push_back(v);
    return values;
}

std::optional<Condition> Merged(const std::vector<const Condition*>& conditions, int length)
{
    const Condition& first = *conditions.front();
    if (first.type == ConditionType::List)
        return std::nullopt;
    if (SingleMember(first)) {
        std::set<int> digits;
        std::set<std::string> pairs;
        for (const Condition* c : conditions) {
            if (c->type != first.type || !SingleMember(*c))
                return std::nullopt;
            if (c->type == ConditionType::Contains)
                digits.insert(c->digits.front());
            else
                pairs.insert(c->pairs.front());
        }
        Condition merged;
        merged.type = first.type;
        if (first.type == ConditionType::Contains) {
            merged.digits.assign(digits.begin(), digits.end());
            merged.values = Range(1, std::min<std::int64_t>(static_cast<std::int64_t>(digits.size()), length));
        } else {
            merged.pairs.assign(pairs.begin(), pairs.end());
            const std::int64_t most = static_cast<std::int64_t>(length) * (length - 1) / 2;
            merged.values = Range(1, std::min<std::int64_t>(static_cast<std::int64_t>(pairs.size()), most));
        }
        return merged;
    }
    if (first.type == ConditionType::Contains || first.type == ConditionType::Pairs)
        return std::nullopt;
    std::set<std::int64_t> values;
    for (const Condition* c : conditions) {
        if (!SameShape(*c, first))
            return std::nullopt;
        values.insert(c->values.begin(), c->values.end());
    }
    Condition merged = first;
    merged.values.assign(values.begin(), values.end());
    return merged;
}

} // namespace

filter::Condition ItemsCondition(const Family& family, const std::vector<std::size_t>& items, filter::Mode mode)
{
    std::vector<std::size_t> picked;
    for (std::size_t i : items)
        if (i < family.Size())
            picked.push_back(i);
    std::sort(picked.begin(), picked.end());
    picked.erase(std::unique(picked.begin(), picked.end()), picked.end());

    std::vector<const Condition*> conditions;
    for (std::size_t i : picked) {
        if (!family.Items()[i].condition)
            break;
        conditions.push_back(&*family.Items()[i].condition);
    }
    std::optional<Condition> merged;
    if (!picked.empty() && conditions.size() == picked.size())
        merged = Merged(conditions, family.Length());
    if (!merged) {
        merged.emplace();
        merged->type = ConditionType::List;
        for (std::uint32_t code : family.NumbersOf(picked))
            merged->numbers.push_back(DigitsText(code, family.Length()));
    }
    // Items no number satisfies (a catalogue's sum 28 of 3 digits) add no
    // numbers, and the set file refuses their values.
    std::erase_if(merged->values,
                  [&](std::int64_t v) { return !filter::IsPossibleValue(*merged, family.Length(), v); });
    merged->mode = mode;
    merged->enabled = true;
    return *merged;
}

std::string ItemsConditionSetText(const filter::Condition& condition, const std::string& name, int length)
{
    filter::ConditionSet set;
    set.digits = length;
    filter::Group group;
    group.name = name;
    group.conditions.push_back(condition);
    set.groups.push_back(std::move(group));
    return filter::WriteConditionSet(set);
}

} // namespace vesk::analysis
