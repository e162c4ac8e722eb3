// What the condition window decides without a window: the toggles a type
// offers, the values text, the fixed form's rows and the group edits.
#include "components/filter/component/fixed_form.h"
#include "components/filter/component/page_kind.h"
#include "components/filter/component/set_edits.h"
#include "components/filter/engine/value_choices.h"
#include "components/filter/engine/condition_set_file.h"

#include <gtest/gtest.h>

namespace vesk::filter {
namespace {

std::vector<std::string> Labels(ConditionType type, int length = 3)
{
    Condition c;
    c.type = type;
    std::vector<std::string> labels;
    for (const ValueChoice& choice : ValueChoices(c, length))
        labels.push_back(choice.label);
    return labels;
}

TEST(ValueChoices, TogglesCarryThePlayersLabelsAndOnlyReachableValues)
{
    EXPECT_EQ(Labels(ConditionType::OddCount), (std::vector<std::string>{"0:3", "1:2", "2:1", "3:0"}));
    EXPECT_EQ(Labels(ConditionType::DistinctCount), (std::vector<std::string>{"豹子", "组三", "组六"}));
    EXPECT_EQ(Labels(ConditionType::RoadCounts).size(), 10u);
    EXPECT_EQ(Labels(ConditionType::RoadCounts)[0], "0:0:3");
    EXPECT_EQ(Labels(ConditionType::OddPattern).front(), "偶偶偶");
    EXPECT_EQ(Labels(ConditionType::OddPattern).back(), "奇奇奇");
    const auto shapes = Labels(ConditionType::Shape);
    EXPECT_EQ(shapes.size(), 9u);
    EXPECT_NE(std::find(shapes.begin(), shapes.end(), "凸"), shapes.end());
    EXPECT_EQ(Labels(ConditionType::Sum).size(), 28u);
    EXPECT_EQ(Labels(ConditionType::Sum, 5).size(), 46u);
    EXPECT_TRUE(Labels(ConditionType::Omission).empty()); // a values text instead
    EXPECT_TRUE(Labels(ConditionType::RoadPattern, 7).empty()); // 2187 patterns do not fit a row
    Condition contains;
    contains.type = ConditionType::Contains;
    contains.digits = {1, 5};
    EXPECT_EQ(ValueChoices(contains, 3).size(), 3u); // 0, 1 or 2 of them
}

TEST(ValueChoices, TogglingKeepsValuesAscendingAndAFirstValueEnables)
{
    Condition c;
    c.enabled = false;
    ToggleValue(c, 12);
    EXPECT_TRUE(c.enabled);
    ToggleValue(c, 3);
    ToggleValue(c, 7);
    EXPECT_EQ(c.values, (std::vector<std::int64_t>{3, 7, 12}));
    ToggleValue(c, 7);
    EXPECT_EQ(c.values, (std::vector<std::int64_t>{3, 12}));
    c.enabled = false;
    ToggleValue(c, 5); // a disabled condition with values stays as the user left it
    EXPECT_FALSE(c.enabled);
}

TEST(ValueChoices, ContainsCountsFollowTheDigits)
{
    Condition c;
    c.type = ConditionType::Contains;
    c.enabled = false;
    ToggleDigit(c, 4, 3);
    EXPECT_TRUE(c.enabled);
    EXPECT_EQ(c.values, (std::vector<std::int64_t>{1}));
    ToggleDigit(c, 2, 3);
    ToggleDigit(c, 8, 3);
    ToggleDigit(c, 9, 3);
    EXPECT_EQ(c.digits, (std::vector<int>{2, 4, 8, 9}));
    EXPECT_EQ(c.values, (std::vector<std::int64_t>{1, 2, 3})); // at least one, up to three places
    c.values = {2, 3};
    ToggleDigit(c, 9, 3);
    ToggleDigit(c, 8, 3);
    EXPECT_EQ(c.values, (std::vector<std::int64_t>{2})); // three can no longer be reached
}

TEST(ValueText, RangesAndListsReadBackAsWritten)
{
    EXPECT_EQ(ParseValueText("0-3, 8 10~11，12、13"), (std::vector<std::int64_t>{0, 1, 2, 3, 8, 10, 11, 12, 13}));
    EXPECT_EQ(ParseValueText(""), std::vector<std::int64_t>{});
    EXPECT_EQ(ParseValueText("5 5 4"), (std::vector<std::int64_t>{4, 5}));
    for (const char* bad : {"3-1", "a", "-1", "1-", "2.5", "0-200000", "1 2x"})
        EXPECT_FALSE(ParseValueText(bad)) << bad;
    EXPECT_EQ(FormatValueText({8, 0, 1, 2, 3, 5, 7}), "0-3 5 7 8");
    EXPECT_EQ(FormatValueText({4, 5}), "4 5");
    const std::vector<std::int64_t> values{0, 2, 3, 4, 9, 10, 30};
    EXPECT_EQ(ParseValueText(FormatValueText(values)), values);
}

TEST(FixedForm, EachLineKeepsItsConditionThroughEditsAndRemovals)
{
    FixedForm form(3);
    const auto& rows = form.Rows();
    const auto row = [&](const std::string& label) {
        const auto at = std::find_if(rows.begin(), rows.end(), [&](const FixedRow& r) { return r.label == label; });
        return form.RowId(static_cast<std::size_t>(at - rows.begin()));
    };
    ConditionSet set = *ReadConditionSet(R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": [{"conditions": [
        {"type": "sum", "values": [1]}, {"type": "sum", "values": [2]},
        {"type": "contains", "digits": [7], "values": [0]}, {"type": "contains", "digits": [1], "values": [1]},
        {"type": "position", "position": 2, "values": [3]}, {"type": "max-digit", "values": [9]}]}]})").set;
    form.Adopt(set);
    EXPECT_EQ(form.IndexOf(row("和值")), 0u);
    EXPECT_EQ(form.IndexOf(row("杀号")), 2u);
    EXPECT_EQ(form.IndexOf(row("胆码")), 3u);
    EXPECT_EQ(form.IndexOf(row("个位")), 4u);
    EXPECT_FALSE(form.IndexOf(row("百位")));
    const std::vector<FixedForm::Id> others = form.Others();
    ASSERT_EQ(others.size(), 2u); // the second sum and 最大数字
    EXPECT_EQ(form.IndexOf(others[0]), 1u);
    EXPECT_EQ(form.IndexOf(others[1]), 5u);

    // An emptied row keeps its condition, inactive; the second sum stays where it was.
    Condition* sum = form.Get(set, row("和值"));
    sum->values.clear();
    sum->enabled = false;
    EXPECT_EQ(form.Get(set, others[0])->values, std::vector<std::int64_t>{2});
    EXPECT_EQ(form.Others(), others);
    // A 胆码 whose counts pass through {0} is still the 胆码 row's.
    form.Get(set, row("胆码"))->values = {0};
    EXPECT_EQ(form.IndexOf(row("胆码")), 3u);
    EXPECT_EQ(form.Others(), others);

    // A row without a condition makes one, with its own fields and the combined page's defaults.
    const Condition* hundreds = form.Get(set, row("百位"));
    ASSERT_NE(hundreds, nullptr);
    EXPECT_EQ(hundreds->position, 0);
    EXPECT_FALSE(hundreds->enabled);
    EXPECT_EQ(form.Get(set, row("冷热"))->window, 5);
    EXPECT_EQ(form.Fresh(static_cast<std::size_t>(row("冷热") - 1)).window, 5);
    EXPECT_EQ(set.groups[0].conditions.size(), 8u);
    EXPECT_EQ(form.IndexOf(row("冷热")), 7u);

    // A removed other is found by nobody, and no line moves to another condition.
    EXPECT_TRUE(form.Remove(set, others[0]));
    EXPECT_EQ(form.Find(set, others[0]), nullptr);
    EXPECT_EQ(form.Get(set, others[0]), nullptr);
    EXPECT_FALSE(form.Remove(set, others[0]));
    EXPECT_EQ(form.Find(set, others[1])->type, ConditionType::MaxDigit);
    EXPECT_EQ(form.Find(set, row("个位"))->values, std::vector<std::int64_t>{3});
    EXPECT_EQ(form.Others(), std::vector<FixedForm::Id>{others[1]});

    // A set the form was not made for is not indexed at all.
    ConditionSet shorter = set;
    shorter.groups[0].conditions.pop_back();
    EXPECT_FALSE(form.Fits(shorter));
    EXPECT_EQ(form.Find(shorter, row("冷热")), nullptr);
    EXPECT_EQ(form.Get(shorter, row("和值")), nullptr);
    ConditionSet swapped = set;
    std::swap(swapped.groups[0].conditions[0], swapped.groups[0].conditions[5]);
    EXPECT_FALSE(form.Fits(swapped)); // the 和值 row would show the 百位 condition
    EXPECT_EQ(form.Find(swapped, row("和值")), nullptr);

    // Adopted again, the others get ids the old lines do not hold.
    // (A set read from outside knows no rows: the 胆码 of {0} is now a second 杀号.)
    form.Adopt(set);
    ASSERT_EQ(form.Others().size(), 2u);
    for (const FixedForm::Id id : form.Others())
        EXPECT_NE(id, others[1]);
    EXPECT_EQ(form.Find(set, others[1]), nullptr);

    // An untouched form over an empty set makes group 0 at the first edit.
    FixedForm fresh(3);
    ConditionSet empty;
    fresh.Adopt(empty);
    const Condition* kill = fresh.Get(empty, fresh.RowId(static_cast<std::size_t>(row("杀号") - 1)));
    ASSERT_EQ(empty.groups.size(), 1u);
    EXPECT_EQ(kill->values, std::vector<std::int64_t>{0});
}

TEST(FixedForm, ThePageRefusesSetsItCannotShowWhole)
{
    const auto check = [](const char* groups) {
        const std::string text = std::string(R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": )") + groups + "}";
        return CheckSetForPage(*ReadConditionSet(text).set, PageKind::Fixed);
    };
    EXPECT_FALSE(check(R"([])"));
    EXPECT_FALSE(check(R"([{"name": "甲", "conditions": [{"type": "sum", "values": [1]}]}])"));
    for (const char* refused : {R"([{"conditions": []}, {"conditions": []}])", R"([{"errors": [0, 1], "conditions": []}])",
                                R"([{"errors": [1, 1], "conditions": []}])", R"([{"enabled": false, "conditions": []}])"}) {
        const auto message = check(refused);
        ASSERT_TRUE(message) << refused;
        EXPECT_NE(message->find("请在组合条件页载入"), std::string::npos) << *message;
    }
    EXPECT_FALSE(CheckSetForPage(*ReadConditionSet(R"({"format": "3dvesk-conditions", "version": 1, "digits": 3,
        "groups": [{"enabled": false, "errors": [0, 2], "conditions": []}, {"conditions": []}]})").set, PageKind::Combined));
}

TEST(SetEdits, GroupsMoveWithinBoundsAndErrorsStayOrdered)
{
    ConditionSet set;
    EXPECT_EQ(AddGroup(set), 0u);
    EXPECT_EQ(AddGroup(set), 1u);
    EXPECT_EQ(set.groups[1].name, "条件组 2");
    EXPECT_FALSE(MoveGroup(set, 0, -1));
    EXPECT_FALSE(MoveGroup(set, 1, +1));
    EXPECT_FALSE(MoveGroup(set, 2, -1));
    EXPECT_TRUE(MoveGroup(set, 1, -1));
    EXPECT_EQ(set.groups[0].name, "条件组 2");
    EXPECT_TRUE(SetErrors(set, 0, 2, 1));
    EXPECT_EQ(set.groups[0].maxErrors, 2);
    EXPECT_FALSE(SetErrors(set, 0, -1, 1));
    EXPECT_TRUE(AddCondition(set, 1, ConditionType::RecentCount));
    EXPECT_EQ(set.groups[1].conditions[0].window, 5);
    EXPECT_FALSE(AddCondition(set, 2, ConditionType::Sum));
    EXPECT_FALSE(RemoveCondition(set, 1, 1));
    EXPECT_TRUE(RemoveCondition(set, 1, 0));
    EXPECT_TRUE(RemoveGroup(set, 0));
    EXPECT_FALSE(RemoveGroup(set, 1));
}

TEST(SetEdits, ImpossibleValuesGoSoTheSetReadsBack)
{
    ConditionSet set;
    AddGroup(set);
    Condition pairs;
    pairs.type = ConditionType::Pairs;
    pairs.pairs = {"12"};
    pairs.values = {0, 1, 2, 3}; // two and three were reachable with more pairs
    Condition sum;
    sum.values = {27, 28, 40};
    set.groups[0].conditions = {pairs, sum};
    EXPECT_FALSE(ReadConditionSet(WriteConditionSet(set), 3).set);
    DropImpossibleValues(set, 3);
    EXPECT_EQ(set.groups[0].conditions[0].values, (std::vector<std::int64_t>{0, 1}));
    EXPECT_EQ(set.groups[0].conditions[1].values, (std::vector<std::int64_t>{27}));
    EXPECT_EQ(ReadConditionSet(WriteConditionSet(set), 3).set, set);
}

} // namespace
} // namespace vesk::filter
