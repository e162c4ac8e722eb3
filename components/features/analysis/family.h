#pragma once
// Items and families. An item is a predicate on one draw ("sum is 10",
// "digit 7 at the units", "the draw is a group of 1, 2, 5"); a family is the
// list of items one table shows, with a finder that names the items a draw
// satisfies. Values of draws come from the filter engine's value functions,
// so a figure here means what the same words mean in a condition set.
//
// Each family knows how many numbers of the L-digit space satisfy each item
// (its theoretical probability is that count over 10^L), counted once when
// the family is built.

#include "components/filter/engine/condition_set.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vesk::analysis {

struct Item {
    std::string label; // plain: the value, "0:7", "1,2:35", "125" (what vesk-cli prints)
    std::string title; // as a window shows it: "和值10", "个位7", "组选125"
    // The one engine condition (type, fields, values) that keeps exactly the
    // item's numbers, where the family knows one; what lets items become a
    // condition of the workbench in the plainest type.
    std::optional<filter::Condition> condition{};
};

// Names the items a draw satisfies. digits: the draw's L digits, most
// significant first; code: the same number's value.
class HitFinder {
public:
    virtual ~HitFinder() = default;
    // Appends the indices of the items the draw satisfies, each once.
    virtual void Find(const std::uint8_t* digits, std::uint32_t code, std::vector<std::uint32_t>& hits) const = 0;
};

class Family {
public:
    // Counts the space through finder: every number of the space is offered
    // once. length: 1..8.
    Family(std::string name, int length, std::vector<Item> items, std::unique_ptr<HitFinder> finder);

    const std::string& Name() const { return m_name; }
    int Length() const { return m_length; }
    const std::vector<Item>& Items() const { return m_items; }
    std::size_t Size() const { return m_items.size(); }
    const HitFinder& Finder() const { return *m_finder; }

    std::uint64_t SpaceSize() const { return m_spaceSize; }
    // Numbers of the space that satisfy item i.
    std::uint64_t SpaceCount(std::size_t i) const { return m_spaceCounts[i]; }
    // 0 < p < 1: the items a table lists.
    bool Listed(std::size_t i) const { return m_spaceCounts[i] > 0 && m_spaceCounts[i] < m_spaceSize; }

    // The numbers of the space that satisfy any of the items, ascending.
    std::vector<std::uint32_t> NumbersOf(const std::vector<std::size_t>& items) const;

private:
    std::string m_name;
    int m_length;
    std::vector<Item> m_items;
    std::unique_ptr<HitFinder> m_finder;
    std::uint64_t m_spaceSize = 0;
    std::vector<std::uint64_t> m_spaceCounts;
};

// Items that each hold when one engine condition of a value type, with its
// fields, gives one of the item's values. Conditions that share type and
// fields are evaluated once per draw. Used by the value-type families, the
// catalogue categories and the user's combinations.
struct ValueItem {
    Item item;
    filter::Condition condition; // type and fields; values: the item's values
};
std::unique_ptr<Family> MakeValueFamily(std::string name, int length, std::vector<ValueItem> items);

// Items that hold when every condition of the item holds: the general form,
// for the user's own items. Slow for large families.
struct ConditionItem {
    Item item;
    std::vector<filter::Condition> conditions;
};
std::unique_ptr<Family> MakeConditionFamily(std::string name, int length, std::vector<ConditionItem> items);

// Calls each(code, digits) for every number of the L-digit space, ascending.
template <typename Each>
void ForEachNumber(int length, Each&& each)
{
    std::uint8_t d[8] = {};
    std::uint64_t size = 1;
    for (int i = 0; i < length; ++i)
        size *= 10;
    for (std::uint64_t code = 0; code < size; ++code) {
        each(static_cast<std::uint32_t>(code), static_cast<const std::uint8_t*>(d));
        for (int i = length - 1; i >= 0 && ++d[i] == 10; --i)
            d[i] = 0;
    }
}

} // namespace vesk::analysis
