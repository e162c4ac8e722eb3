// Items made into one condition: for every family the condition keeps
// exactly the numbers of the union of the items (and rejects exactly those
// when excluding), as the filter engine judges the whole space after the
// condition went through the condition-set text the workbench reads.
#include "components/features/analysis/omission/catalogue_items.h"
#include "components/features/analysis/omission/custom_items.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/omission/items_condition.h"

#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_set_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <random>

namespace vesk::analysis {
namespace {

using filter::ConditionType;

struct Named {
    std::string name;
    std::unique_ptr<Family> family;
};

std::vector<Named> EveryFamily(int length)
{
    std::vector<Named> families;
    for (int t = 0; t < filter::kConditionTypeCount; ++t) {
        const auto type = static_cast<ConditionType>(t);
        if (IsFamilyType(type))
            families.push_back({std::string(filter::InfoOf(type).id), MakeTypeFamily(type, length)});
    }
    for (const char* id : {"single-1", "single-2", "single-3", "group-1", "group-2", "group-3"})
        families.push_back({id, FamilyOfId(id, length).family});
    for (int n = 1; n <= 9; ++n)
        families.push_back({std::string("cover-").append(std::to_string(n)), MakeCover(n, length)});
    // The catalogue's categories, each with every key the table maps.
    for (std::uint16_t category = 1; category <= 12; ++category) {
        std::vector<CatalogueEntry> entries;
        for (std::uint16_t key = 0; key < 150; ++key)
            if (MapCatalogueItem(category, key, length))
                entries.push_back({key, std::string("c").append(std::to_string(category)).append("k").append(std::to_string(key))});
        if (!entries.empty())
            families.push_back({std::string("catalogue ").append(std::to_string(category)),
                                MakeCatalogueFamily("c", category, entries, length).family});
    }
    CustomItems custom = ExampleCustomItems(length);
    filter::Condition big;
    big.type = ConditionType::Sum;
    big.values = {20, 21, 22};
    custom.combinations.push_back({"大和值", big});
    filter::Condition hundreds;
    hundreds.type = ConditionType::Position;
    hundreds.values = {1, 2};
    custom.combinations.push_back({"百位小", hundreds});
    custom.lists.push_back({"直选", {std::string(static_cast<std::size_t>(length), '9')}, false});
    for (std::uint32_t code : {kCustomCombinationCode, kCustomCompoundCode, kCustomListCode})
        families.push_back({std::string("custom ").append(std::to_string(code)), MakeCustomFamily(code, custom, length)});
    return families;
}

// Selections of a family: each item alone (the first few), all of them, the
// first ten (one position of 单选单码) and seeded random picks.
std::vector<std::vector<std::size_t>> Selections(const Family& family)
{
    std::vector<std::vector<std::size_t>> picks;
    const std::size_t size = family.Size();
    for (std::size_t i = 0; i < std::min<std::size_t>(size, 12); ++i)
        picks.push_back({i});
    if (size <= 300) {
        std::vector<std::size_t> all(size);
        for (std::size_t i = 0; i < size; ++i)
            all[i] = i;
        picks.push_back(all);
    }
    std::vector<std::size_t> first;
    for (std::size_t i = 0; i < std::min<std::size_t>(size, 10); ++i)
        first.push_back(i);
    picks.push_back(first);
    std::mt19937 random(static_cast<std::uint32_t>(size));
    for (int k = 0; k < 6 && size > 1; ++k) {
        std::vector<std::size_t> pick;
        const std::size_t count = 2 + random() % std::min<std::size_t>(size - 1, 20);
        for (std::size_t j = 0; j < count; ++j)
            pick.push_back(random() % size);
        picks.push_back(pick);
    }
    return picks;
}

void ExpectKeepsTheUnion(const Family& family, const std::vector<std::size_t>& items, const std::string& name)
{
    const int length = family.Length();
    const std::vector<std::uint32_t> union_ = family.NumbersOf(items);
    for (filter::Mode mode : {filter::Mode::Keep, filter::Mode::Exclude}) {
        const filter::Condition condition = ItemsCondition(family, items, mode);
        const std::string text = ItemsConditionSetText(condition, "遗漏", length);
        const filter::SetReadResult read = filter::ReadConditionSet(text, length);
        ASSERT_TRUE(read.set) << name << ": " << read.error << "\n" << text;
        const filter::CompiledSet compiled(*read.set, length, nullptr);
        std::vector<bool> inUnion(family.SpaceSize(), false);
        for (std::uint32_t code : union_)
            inUnion[code] = true;
        std::size_t wrong = 0;
        for (std::uint32_t code = 0; code < family.SpaceSize(); ++code)
            wrong += compiled.Passes(code) != (inUnion[code] == (mode == filter::Mode::Keep));
        ASSERT_EQ(wrong, 0u) << name << " items " << items.size() << " as " << filter::InfoOf(condition.type).id;
    }
}

TEST(ItemsCondition, EveryFamilysItemsKeepExactlyTheirUnion)
{
    for (const Named& named : EveryFamily(3)) {
        ASSERT_TRUE(named.family) << named.name;
        for (const std::vector<std::size_t>& items : Selections(*named.family))
            ExpectKeepsTheUnion(*named.family, items, named.name);
    }
}

TEST(ItemsCondition, PairsAndContainsHoldTheirUnionAtFourDigits)
{
    for (const char* id : {"group-1", "group-2", "single-1", "span"}) {
        const auto family = FamilyOfId(id, 4).family;
        for (const std::vector<std::size_t>& items : Selections(*family))
            ExpectKeepsTheUnion(*family, items, id);
    }
}

TEST(ItemsCondition, ThePlainestTypeThatHoldsTheUnion)
{
    const auto sum = MakeTypeFamily(ConditionType::Sum, 3);
    filter::Condition c = ItemsCondition(*sum, {13, 10, 13}, filter::Mode::Keep);
    EXPECT_EQ(c.type, ConditionType::Sum);
    EXPECT_EQ(c.values, (std::vector<std::int64_t>{10, 13}));

    const auto single = MakeSingle1(3);
    c = ItemsCondition(*single, {27, 23}, filter::Mode::Exclude); // 个位7, 个位3
    EXPECT_EQ(c.type, ConditionType::Position);
    EXPECT_EQ(c.position, 2);
    EXPECT_EQ(c.values, (std::vector<std::int64_t>{3, 7}));
    EXPECT_EQ(c.mode, filter::Mode::Exclude);
    // Two positions hold no single position condition: the numbers, listed.
    c = ItemsCondition(*single, {0, 27}, filter::Mode::Keep);
    EXPECT_EQ(c.type, ConditionType::List);
    EXPECT_FALSE(c.group);
    EXPECT_EQ(c.numbers.size(), 190u); // 100 with 百位0, 100 with 个位7, 10 with both

    const auto group1 = MakeGroup1(3);
    c = ItemsCondition(*group1, {1, 5, 8, 9}, filter::Mode::Keep);
    EXPECT_EQ(c.type, ConditionType::Contains);
    EXPECT_EQ(c.digits, (std::vector<int>{1, 5, 8, 9}));
    EXPECT_EQ(c.values, (std::vector<std::int64_t>{1, 2, 3})); // at most three digits per number

    const auto group2 = MakeGroup2(3);
    c = ItemsCondition(*group2, {0, 1}, filter::Mode::Keep); // 00, 01
    EXPECT_EQ(c.type, ConditionType::Pairs);
    EXPECT_EQ(c.pairs, (std::vector<std::string>{"00", "01"}));
    EXPECT_EQ(c.values, (std::vector<std::int64_t>{1, 2}));

    // Nothing selected keeps nothing; indices past the family are ignored.
    c = ItemsCondition(*sum, {999}, filter::Mode::Keep);
    EXPECT_EQ(c.type, ConditionType::List);
    EXPECT_TRUE(c.numbers.empty());
}

} // namespace
} // namespace vesk::analysis
