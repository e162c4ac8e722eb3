// The condition-set file: what it accepts, the defaults, every refusal
// with its place, and writing then reading back.
#include "components/filter/engine/condition_set_file.h"
#include "components/filter/engine/validate.h"

#include "oracle.h"

#include <gtest/gtest.h>

namespace vesk::filter::test {
namespace {

std::string SetWith(const std::string& groups, const std::string& extra = "", int digits = 3)
{
    return R"({"format": "3dvesk-conditions", "version": 1, "digits": )" + std::to_string(digits)
        + R"(, "groups": )" + groups + extra + "}";
}

std::string OneCondition(const std::string& condition)
{
    return SetWith(R"([{"conditions": [)" + condition + "]}]");
}

TEST(SetFile, ReadsTheDocumentedExampleWithItsDefaults)
{
    const std::string text = R"({
  "format": "3dvesk-conditions", "version": 1, "digits": 3,
  "groups": [ { "name": "基本条件", "enabled": true, "errors": [0, 1], "conditions": [
        { "type": "sum", "values": [10, 11, 12, 13], "mode": "keep", "enabled": true },
        { "type": "position", "position": 0, "values": [0, 9], "mode": "exclude" },
        { "type": "contains", "digits": [1, 5], "values": [1, 2] },
        { "type": "pair-diff", "pair": [1, 2], "values": [0] , "mode": "exclude" },
        { "type": "list", "numbers": ["123", "456"], "group": true } ] } ],
  "results": { "numbers": ["123", "456"] } })";
    const SetReadResult read = ReadConditionSet(text, 3);
    ASSERT_TRUE(read.set) << read.error;
    const ConditionSet& set = *read.set;
    ASSERT_EQ(set.groups.size(), 1u);
    const Group& g = set.groups[0];
    EXPECT_EQ(g.name, "基本条件");
    EXPECT_EQ(g.minErrors, 0);
    EXPECT_EQ(g.maxErrors, 1);
    ASSERT_EQ(g.conditions.size(), 5u);
    EXPECT_EQ(g.conditions[1].mode, Mode::Exclude);
    EXPECT_TRUE(g.conditions[1].enabled);
    EXPECT_EQ(g.conditions[2].mode, Mode::Keep);
    EXPECT_EQ(g.conditions[2].digits, (std::vector<int>{1, 5}));
    EXPECT_EQ(g.conditions[3].pair, (std::array<int, 2>{1, 2}));
    EXPECT_TRUE(g.conditions[4].group);
    EXPECT_EQ(set.results, (std::vector<std::string>{"123", "456"}));

    // Editors on the users' systems often start UTF-8 with a byte-order mark.
    const SetReadResult bare = ReadConditionSet("\xEF\xBB\xBF" + SetWith(R"([{"conditions": []}])"));
    ASSERT_TRUE(bare.set) << bare.error;
    EXPECT_EQ(bare.set->groups[0], (Group{"", true, 0, 0, {}}));
    EXPECT_FALSE(bare.set->results);
}

TEST(SetFile, RefusalsNameThePlaceAndTheReason)
{
    const struct {
        std::string text;
        std::string error; // the start of the message
    } cases[] = {
        {"", "not valid JSON"},
        {"[1]", "expected an object"},
        {R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": [], "extra": 1})", "unknown key \"extra\""},
        {R"({"format": "other", "version": 1, "digits": 3, "groups": []})", "format: \"other\" is not a condition set"},
        {R"({"format": "3dvesk-conditions", "version": 2, "digits": 3, "groups": []})", "version: 2 is newer"},
        {R"({"format": "3dvesk-conditions", "version": 0, "digits": 3, "groups": []})", "version: 0 is not a version of the format"},
        {R"({"format": "3dvesk-conditions", "digits": 3, "groups": []})", "missing key \"version\""},
        {SetWith("[]", "", 9), "digits: 9 is out of range 1 to 8"},
        {SetWith("[]", "", 5), "digits: the set is for 5-digit numbers, not for the 3-digit game"},
        {SetWith("{}"), "groups: expected an array"},
        {SetWith(R"([{"conditions": [], "errors": [2, 1]}])"), "groups[0].errors: [2, 1] is not a range"},
        {SetWith(R"([{"conditions": [], "errors": [-1, 1]}])"), "groups[0].errors: [-1, 1] is not a range"},
        {SetWith(R"([{"conditions": [], "errors": [1]}])"), "groups[0].errors: expected [min, max]"},
        {SetWith(R"([{"conditions": [], "enabled": 1}])"), "groups[0].enabled: expected true or false"},
        {SetWith(R"([{"conditions": [], "name": 5}])"), "groups[0].name: expected a string"},
        {SetWith(R"([{"conditions": [], "colour": 5}])"), "groups[0]: unknown key \"colour\""},
        {SetWith(R"([{}])"), "groups[0]: missing key \"conditions\""},
        {OneCondition(R"({"type": "nope", "values": []})"), "groups[0].conditions[0].type: unknown condition type \"nope\""},
        {OneCondition(R"({"values": [1]})"), "groups[0].conditions[0]: missing key \"type\""},
        {OneCondition(R"({"type": "sum"})"), "groups[0].conditions[0]: missing key \"values\""},
        {OneCondition(R"({"type": "sum", "values": [28]})"), "groups[0].conditions[0].values[0]: 28 is not a value of sum"},
        {OneCondition(R"({"type": "sum", "values": [1.5]})"), "groups[0].conditions[0].values[0]: expected a whole number"},
        {OneCondition(R"({"type": "sum", "values": [27, -1]})"), "groups[0].conditions[0].values[1]: -1 is not a value"},
        {OneCondition(R"({"type": "sum", "values": [1], "mode": "keeps"})"), "groups[0].conditions[0].mode: expected \"keep\" or \"exclude\""},
        {OneCondition(R"({"type": "sum", "values": [1], "position": 0})"), "groups[0].conditions[0]: unknown key \"position\" for sum conditions"},
        {OneCondition(R"({"type": "position", "values": [1], "position": 3})"),
         "groups[0].conditions[0].position: 3 is not a position of a 3-digit number"},
        {OneCondition(R"({"type": "position", "values": [1]})"), "groups[0].conditions[0]: missing key \"position\""},
        {OneCondition(R"({"type": "pair-sum", "values": [1], "pair": [2, 1]})"), "groups[0].conditions[0].pair: [2, 1] is not two positions"},
        {OneCondition(R"({"type": "pair-sum", "values": [1], "pair": [0, 1, 2]})"), "groups[0].conditions[0].pair: expected two positions"},
        {OneCondition(R"({"type": "contains", "values": [1], "digits": [1, 10]})"), "groups[0].conditions[0].digits[1]: 10 is not a digit"},
        {OneCondition(R"({"type": "contains", "values": [3], "digits": [1, 2]})"), "groups[0].conditions[0].values[0]: 3 is not a value"},
        {OneCondition(R"({"type": "pairs", "values": [1], "pairs": ["1x"]})"), "groups[0].conditions[0].pairs[0]: \"1x\" is not a pair"},
        {OneCondition(R"({"type": "list", "numbers": ["12"]})"), "groups[0].conditions[0].numbers[0]: \"12\" is not a 3-digit number"},
        {OneCondition(R"({"type": "list", "numbers": [], "values": [1]})"), "groups[0].conditions[0]: unknown key \"values\" for list"},
        {OneCondition(R"({"type": "recent-count", "values": [1], "window": 0})"), "groups[0].conditions[0].window: the window must be at least 1"},
        {OneCondition(R"({"type": "road-counts", "values": [120, 121]})"), "groups[0].conditions[0].values[1]: 121 is not a value"},
        {OneCondition(R"({"type": "sum", "values": [18446744073709551615]})"), "groups[0].conditions[0].values[0]: 18446744073709551615 is out of range"},
        {OneCondition(R"({"type": "odd-pattern", "values": [8]})"), "groups[0].conditions[0].values[0]: 8 is not a value"},
        {OneCondition(R"({"type": "shape", "values": [3]})"), "groups[0].conditions[0].values[0]: 3 is not a value"},
        {OneCondition(R"({"type": "sum", "values": [1], "enabled": "yes"})"), "groups[0].conditions[0].enabled: expected true or false"},
        {SetWith("[]", R"(, "results": {"numbers": ["1234"]})"), "results.numbers[0]: \"1234\" is not a 3-digit number"},
        {SetWith("[]", R"(, "results": {"count": 1})"), "results: unknown key \"count\""},
        {R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "digits": 4, "groups": []})", "the key \"digits\" is given twice"},
        {SetWith("[]", R"(, "results": {"numbers": ["\xff\xfe"]})"), "not valid JSON"},
    };
    for (const auto& c : cases) {
        const SetReadResult read = ReadConditionSet(c.text, 3);
        EXPECT_FALSE(read.set) << c.text;
        EXPECT_EQ(read.error.substr(0, c.error.size()), c.error) << c.text;
    }
}

TEST(SetFile, AValueNestedDeepIsRefusedByItsKindNotWrittenOut)
{
    // Deep enough that writing the value out whole would exhaust the stack.
    const std::size_t depth = 400000;
    const std::string deep = std::string(depth, '[') + std::string(depth, ']');
    const SetReadResult read =
        ReadConditionSet(R"({"format": "3dvesk-conditions", "version": )" + deep + R"(, "digits": 3, "groups": []})");
    EXPECT_FALSE(read.set);
    EXPECT_EQ(read.error, "version: expected a whole number, not an array");
    const SetReadResult named = ReadConditionSet(SetWith(R"([{"conditions": [], "name": {"a": [1]}}])"));
    EXPECT_EQ(named.error, "groups[0].name: expected a string, not an object");
}

TEST(SetFile, WritingThenReadingGivesTheSameSet)
{
    ConditionSet set;
    set.digits = 4;
    Condition position = MakeCondition(ConditionType::Position, {9, 0, 9}, Mode::Exclude, false);
    position.position = 3;
    Condition pairs = MakeCondition(ConditionType::Pairs, {0, 2}, Mode::Keep, true);
    pairs.pairs = {"12", "55"};
    Condition list = MakeCondition(ConditionType::List, {}, Mode::Exclude, true);
    list.numbers = {"0123", "9999"};
    list.group = true;
    Condition recent = MakeCondition(ConditionType::RecentCount, {1}, Mode::Keep, true);
    recent.window = 5;
    Condition pair = MakeCondition(ConditionType::PairDiff, {0}, Mode::Keep, true);
    pair.pair = {1, 3};
    Condition contains = MakeCondition(ConditionType::Contains, {1}, Mode::Keep, true);
    contains.digits = {7, 7, 0};
    set.groups = {{"基本条件 \"quoted\"", true, 1, 2, {position, pairs}},
                  {"", false, 0, 0, {list, recent, pair, contains}}};
    set.results = std::vector<std::string>{"0000", "1234"};
    const std::string text = WriteConditionSet(set);
    const SetReadResult read = ReadConditionSet(text, 4);
    ASSERT_TRUE(read.set) << read.error << "\n" << text;
    EXPECT_EQ(*read.set, set);
    EXPECT_EQ(WriteConditionSet(*read.set), text);
}

TEST(Validate, TellsTheUserWhatStopsARun)
{
    Condition sum = MakeCondition(ConditionType::Sum, {6}, Mode::Keep, true);
    Condition off = sum;
    off.enabled = false;
    Condition omission = MakeCondition(ConditionType::Omission, {0}, Mode::Keep, true);
    Condition position = MakeCondition(ConditionType::Position, {1}, Mode::Keep, true);
    position.position = 5;
    const struct {
        ConditionSet set;
        bool hasHistory;
        std::optional<std::string> message;
    } cases[] = {
        {{3, {}, {}}, false, "没有设置缩水条件"},
        {{3, {{"", true, 0, 0, {off}}, {"x", false, 0, 0, {sum}}}, {}}, false, "没有设置缩水条件"},
        {{3, {{"g", true, 2, 3, {sum, off}}}, {}}, false, "条件组「g」要求至少 2 个条件不满足，但只启用了 1 个条件"},
        {{3, {{"", true, 0, 0, {sum, omission}}}, {}}, false, "条件组「第 1 组」第 2 个条件（遗漏）需要开奖历史数据，但没有开奖历史"},
        {{3, {{"", true, 0, 0, {sum, omission}}}, {}}, true, std::nullopt},
        {{3, {{"p", true, 0, 0, {position}}}, {}}, false, "条件组「p」第 1 个条件（定位）：位置 5 超出3 位号码的范围"},
        {{3, {{"p", false, 0, 0, {position}}, {"", true, 0, 0, {sum}}}, {}}, false, std::nullopt},
        {{3, {{"e", true, 2, 1, {sum}}}, {}}, false, "条件组「e」的容错范围 [2, 1] 无效"},
        {{5, {{"", true, 0, 0, {sum}}}, {}}, false, "条件方案适用于 5 位号码，与当前的 3 位号码不符"},
        // Failed conditions are counted in 16 bits.
        {{3, {{"big", true, 0, 0, std::vector<Condition>(65536, sum)}}, {}}, false, "条件组「big」的条件超过 65535 个"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Validate(c.set, 3, c.hasHistory), c.message);
}

} // namespace
} // namespace vesk::filter::test
