#include "components/features/analysis/family.h"

#include "components/filter/engine/condition_value.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace vesk::analysis {

namespace {

class ValueFinder final : public HitFinder {
public:
    ValueFinder(const std::vector<ValueItem>& items, int length)
    {
        for (std::size_t i = 0; i < items.size(); ++i) {
            filter::Condition shape = items[i].condition;
            shape.values.clear();
            shape.mode = filter::Mode::Keep;
            shape.enabled = true;
            std::size_t e = 0;
            while (e < m_shapes.size() && !(m_shapes[e] == shape))
                ++e;
            if (e == m_shapes.size()) {
                m_shapes.push_back(shape);
                m_evaluators.emplace_back(shape, length);
                m_items.emplace_back();
            }
            for (std::int64_t value : items[i].condition.values) {
                std::vector<std::uint32_t>& list = m_items[e][value];
                if (std::find(list.begin(), list.end(), i) == list.end())
                    list.push_back(static_cast<std::uint32_t>(i));
            }
        }
    }

    void Find(const std::uint8_t* digits, std::uint32_t, std::vector<std::uint32_t>& hits) const override
    {
        for (std::size_t e = 0; e < m_evaluators.size(); ++e) {
            const auto it = m_items[e].find(m_evaluators[e].ValueOf(digits, nullptr));
            if (it != m_items[e].end())
                hits.insert(hits.end(), it->second.begin(), it->second.end());
        }
        // An item whose conditions differ only in fields could be named twice.
        if (m_evaluators.size() > 1) {
            std::sort(hits.begin(), hits.end());
            hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
        }
    }

private:
    std::vector<filter::Condition> m_shapes;
    std::vector<filter::PreparedCondition> m_evaluators;
    std::vector<std::unordered_map<std::int64_t, std::vector<std::uint32_t>>> m_items;
};

class ConditionFinder final : public HitFinder {
public:
    ConditionFinder(const std::vector<ConditionItem>& items, int length)
    {
        for (const ConditionItem& item : items) {
            std::vector<filter::PreparedCondition> prepared;
            for (filter::Condition condition : item.conditions) {
                condition.mode = filter::Mode::Keep;
                condition.enabled = true;
                prepared.emplace_back(condition, length);
            }
            m_items.push_back(std::move(prepared));
        }
    }

    void Find(const std::uint8_t* digits, std::uint32_t, std::vector<std::uint32_t>& hits) const override
    {
        for (std::size_t i = 0; i < m_items.size(); ++i) {
            const bool all = std::all_of(m_items[i].begin(), m_items[i].end(),
                                         [&](const filter::PreparedCondition& c) { return c.Holds(digits, nullptr); });
            if (all && !m_items[i].empty())
                hits.push_back(static_cast<std::uint32_t>(i));
        }
    }

private:
    std::vector<std::vector<filter::PreparedCondition>> m_items;
};

} // namespace

Family::Family(std::string name, int length, std::vector<Item> items, std::unique_ptr<HitFinder> finder)
    : m_name(std::move(name))
    , m_length(length)
    , m_items(std::move(items))
    , m_finder(std::move(finder))
    , m_spaceCounts(m_items.size(), 0)
{
    std::vector<std::uint32_t> hits;
    ForEachNumber(m_length, [&](std::uint32_t code, const std::uint8_t* digits) {
        ++m_spaceSize;
        hits.clear();
        m_finder->Find(digits, code, hits);
        for (std::uint32_t i : hits)
            ++m_spaceCounts[i];
    });
}

std::vector<std::uint32_t> Family::NumbersOf(const std::vector<std::size_t>& items) const
{
    std::vector<bool> wanted(m_items.size(), false);
    for (std::size_t i : items) {
        if (i < wanted.size())
            wanted[i] = true;
    }
    std::vector<std::uint32_t> numbers;
    std::vector<std::uint32_t> hits;
    ForEachNumber(m_length, [&](std::uint32_t code, const std::uint8_t* digits) {
        hits.clear();
        m_finder->Find(digits, code, hits);
        if (std::any_of(hits.begin(), hits.end(), [&](std::uint32_t i) { return wanted[i]; }))
            numbers.push_back(code);
    });
    return numbers;
}

std::unique_ptr<Family> MakeValueFamily(std::string name, int length, std::vector<ValueItem> items)
{
    auto finder = std::make_unique<ValueFinder>(items, length);
    std::vector<Item> plain;
    for (ValueItem& item : items) {
        plain.push_back(std::move(item.item));
        plain.back().condition = item.condition;
    }
    return std::make_unique<Family>(std::move(name), length, std::move(plain), std::move(finder));
}

std::unique_ptr<Family> MakeConditionFamily(std::string name, int length, std::vector<ConditionItem> items)
{
    auto finder = std::make_unique<ConditionFinder>(items, length);
    std::vector<Item> plain;
    for (ConditionItem& item : items)
        plain.push_back(std::move(item.item));
    return std::make_unique<Family>(std::move(name), length, std::move(plain), std::move(finder));
}

} // namespace vesk::analysis
