// Every condition type has each of the places a type needs (the list at the
// head of condition_type.h): a new type that misses one fails here, not in a
// user's hands.

#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/query/state_table.h"
#include "components/filter/component/report_text.h"
#include "components/filter/component/set_edits.h"
#include "components/filter/engine/condition_checks.h"
#include "components/filter/engine/condition_type.h"
#include "components/filter/engine/condition_value.h"
#include "components/filter/engine/history_index.h"
#include "components/filter/engine/value_choices.h"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

namespace vesk::filter {
namespace {

constexpr int kLength = 3;

std::vector<ConditionType> AllTypes()
{
    std::vector<ConditionType> types;
    for (int t = 0; t < kConditionTypeCount; ++t)
        types.push_back(static_cast<ConditionType>(t));
    return types;
}

std::string IdOf(ConditionType type)
{
    return std::string(InfoOf(type).id);
}

TEST(ConditionTypePlaces, EachTypeIsInTheTypeTableUnderItsOwnId)
{
    std::set<std::string> ids;
    for (ConditionType type : AllTypes()) {
        const TypeInfo& info = InfoOf(type);
        EXPECT_EQ(info.type, type);
        EXPECT_FALSE(info.id.empty());
        EXPECT_FALSE(info.name.empty()) << IdOf(type);
        EXPECT_EQ(TypeOfId(info.id), type) << IdOf(type);
        EXPECT_TRUE(ids.insert(IdOf(type)).second) << "two types share the id " << IdOf(type);
    }
}

// A new condition of the type (as the window's 添加条件 makes it) passes the
// field checks, and every number's value under it is a value the type can hold.
TEST(ConditionTypePlaces, EachTypeHasANewConditionAValueFunctionAndItsPossibleValues)
{
    const std::vector<std::uint32_t> draws{123, 456, 789, 111, 905, 270};
    const HistoryIndex history(draws, kLength);
    for (ConditionType type : AllTypes()) {
        const Condition condition = NewCondition(type);
        ASSERT_EQ(condition.type, type);
        ASSERT_FALSE(CheckCondition(condition, kLength).has_value()) << IdOf(type);
        const PreparedCondition prepared(condition, kLength);
        const ValueBounds bounds = BoundsOf(condition, kLength);
        EXPECT_LE(bounds.low, bounds.high) << IdOf(type);
        for (std::uint32_t code = 0; code < 1000; ++code) {
            const std::array<std::uint8_t, 3> digits{static_cast<std::uint8_t>(code / 100),
                                                     static_cast<std::uint8_t>(code / 10 % 10),
                                                     static_cast<std::uint8_t>(code % 10)};
            const std::int64_t value = prepared.ValueOf(digits.data(), &history);
            ASSERT_TRUE(IsPossibleValue(condition, kLength, value))
                << IdOf(type) << " gives " << value << " for " << code << ", not a value of the type";
        }
    }
}

// The row's toggles: a label for every value it offers, none twice.
TEST(ConditionTypePlaces, EachOfferedValueHasItsOwnLabel)
{
    for (ConditionType type : AllTypes()) {
        const Condition condition = NewCondition(type);
        std::set<std::string> labels;
        for (const ValueChoice& choice : ValueChoices(condition, kLength)) {
            EXPECT_TRUE(IsPossibleValue(condition, kLength, choice.value)) << IdOf(type);
            EXPECT_FALSE(choice.label.empty()) << IdOf(type) << " " << choice.value;
            EXPECT_TRUE(labels.insert(choice.label).second) << IdOf(type) << " labels two values " << choice.label;
        }
    }
}

TEST(ConditionTypePlaces, EachTypeIsNamedInTheReportByItsName)
{
    for (ConditionType type : AllTypes()) {
        const std::string name = ConditionName(NewCondition(type), kLength);
        EXPECT_FALSE(name.empty()) << IdOf(type);
    }
}

// The omission lists offer a family for each type whose values need neither
// a field nor a history; its items are the values the type can hold.
TEST(ConditionTypePlaces, EachFieldlessTypeWithoutHistoryHasAnOmissionFamily)
{
    for (ConditionType type : AllTypes()) {
        if (!analysis::IsFamilyType(type))
            continue;
        const auto family = analysis::MakeTypeFamily(type, kLength);
        ASSERT_NE(family, nullptr) << IdOf(type);
        EXPECT_GT(family->Size(), 0u) << IdOf(type);
        for (const analysis::Item& item : family->Items())
            EXPECT_FALSE(item.label.empty()) << IdOf(type);
    }
}

// A state-table column's index is its id in stored arrangement records:
// columns are only ever added at the end.
TEST(StateColumnIds, StayWhereStoredRecordsFindThem)
{
    const std::array<ConditionType, 14> stored{
        ConditionType::Sum,        ConditionType::SumTail,    ConditionType::Span,        ConditionType::OddCount,
        ConditionType::BigCount,   ConditionType::PrimeCount, ConditionType::RoadCounts,  ConditionType::DistinctCount,
        ConditionType::OddPattern, ConditionType::BigPattern, ConditionType::RoadPattern, ConditionType::Shape,
        ConditionType::Repeat,     ConditionType::Adjacent};
    ASSERT_GE(analysis::kStateColumns, stored.size());
    for (std::size_t id = 0; id < stored.size(); ++id)
        EXPECT_EQ(analysis::kStateColumnList[id].type, stored[id]) << "state column " << id << " moved";
}

// Condition-set files name each type by its id: an id, once written, stays.
TEST(ConditionTypeIds, StayAsStoredFilesNameThem)
{
    const std::vector<std::string> stored{
        "sum", "sum-tail", "span", "odd-count", "big-count", "prime-count", "road-counts", "dzx-counts",
        "distinct-count", "max-digit", "min-digit", "mid-digit", "consecutive", "odd-pattern", "big-pattern",
        "prime-pattern", "road-pattern", "dzx-pattern", "shape", "diff-count", "position", "pair-sum",
        "pair-sum-tail", "pair-diff", "contains", "pairs", "list", "repeat", "adjacent", "recent-count",
        "omission", "group-omission", "sum-omission"};
    for (const std::string& id : stored)
        EXPECT_TRUE(TypeOfId(id).has_value()) << "no type reads the stored id " << id;
}

} // namespace
} // namespace vesk::filter
