// The compiled pass table against the oracle, and the values of the types
// against the worked examples of the format's own description.
#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_value.h"
#include "components/filter/engine/preview.h"
#include "components/filter/engine/run_tally.h"
#include "oracle.h"
#include "random_sets.h"

#include <gtest/gtest.h>

namespace vesk::filter::test {
namespace {

struct HandValue {
    ConditionType type;
    std::string number;
    std::int64_t value;
};

Condition Plain(ConditionType type)
{
    Condition c;
    c.type = type;
    return c;
}

std::vector<std::uint32_t> Codes(const std::vector<std::string>& history)
{
    std::vector<std::uint32_t> codes;
    for (const std::string& h : history)
        codes.push_back(static_cast<std::uint32_t>(std::stoul(h)));
    return codes;
}

TEST(ConditionValues, MatchTheWorkedExamples)
{
    using T = ConditionType;
    const HandValue cases[] = {
        {T::Sum, "999", 27}, {T::SumTail, "789", 4}, {T::Span, "190", 9}, {T::OddCount, "135", 3},
        {T::BigCount, "459", 2}, {T::PrimeCount, "140", 1}, {T::PrimeCount, "000", 0}, {T::RoadCounts, "147", 30},
        {T::RoadCounts, "012", 111}, {T::DzxCounts, "709", 201}, {T::DzxCounts, "345", 30},
        {T::DistinctCount, "111", 1}, {T::DistinctCount, "121", 2}, {T::DistinctCount, "123", 3},
        {T::MaxDigit, "381", 8}, {T::MinDigit, "381", 1}, {T::MidDigit, "381", 3}, {T::MidDigit, "3811", 3},
        {T::Consecutive, "120", 3}, {T::Consecutive, "135", 1}, {T::Consecutive, "909", 1},
        {T::OddPattern, "111", 7}, {T::OddPattern, "246", 0}, {T::OddPattern, "120", 4}, {T::BigPattern, "509", 5},
        {T::PrimePattern, "104", 4}, {T::RoadPattern, "147", 111}, {T::RoadPattern, "258", 222},
        {T::RoadPattern, "036", 0}, {T::DzxPattern, "719", 202}, {T::Shape, "123", 22}, {T::Shape, "321", 0},
        {T::Shape, "132", 20}, {T::Shape, "312", 2}, {T::Shape, "555", 11}, {T::DiffCount, "000", 1},
        {T::DiffCount, "112", 2}, {T::DiffCount, "138", 3}, {T::DiffCount, "1357", 3},
    };
    for (const HandValue& h : cases) {
        const Condition c = Plain(h.type);
        const int length = static_cast<int>(h.number.size());
        const PreparedCondition prepared(c, length);
        std::uint8_t d[8];
        for (int i = 0; i < length; ++i)
            d[i] = static_cast<std::uint8_t>(h.number[static_cast<std::size_t>(i)] - '0');
        EXPECT_EQ(prepared.ValueOf(d, nullptr), h.value) << InfoOf(h.type).id << " of " << h.number;
        EXPECT_EQ(OracleValue(c, h.number, {}), h.value) << "oracle " << InfoOf(h.type).id << " of " << h.number;
    }
}

TEST(ConditionValues, FieldAndHistoryTypesMatchTheExamples)
{
    Condition contains = Plain(ConditionType::Contains);
    contains.digits = {1, 5, 5};
    Condition pairs = Plain(ConditionType::Pairs);
    pairs.pairs = {"12", "21", "55", "13"};
    Condition list = Plain(ConditionType::List);
    list.numbers = {"123"};
    Condition grouped = list;
    grouped.group = true;
    Condition recent = Plain(ConditionType::RecentCount);
    recent.window = 2;
    const std::vector<std::string> history = {"123", "456", "780", "913"};
    const HistoryIndex index(Codes(history), 3);
    const struct {
        const Condition& c;
        std::string number;
        std::int64_t value;
    } cases[] = {
        {contains, "115", 2}, {contains, "000", 0},   {pairs, "125", 1},   {pairs, "552", 1},    {pairs, "513", 1},
        {pairs, "123", 2},    {list, "321", 0},       {list, "123", 1},    {grouped, "321", 1},  {grouped, "122", 0},
        {Plain(ConditionType::Repeat), "392", 2},     {Plain(ConditionType::Adjacent), "024", 3},
        {recent, "729", 2},   {Plain(ConditionType::Omission), "913", 0}, {Plain(ConditionType::Omission), "456", 2},
        {Plain(ConditionType::Omission), "999", 4},   {Plain(ConditionType::GroupOmission), "654", 2},
        {Plain(ConditionType::SumOmission), "555", 1}, {Plain(ConditionType::SumOmission), "000", 4},
    };
    for (const auto& h : cases) {
        const PreparedCondition prepared(h.c, 3);
        std::uint8_t d[3];
        for (int i = 0; i < 3; ++i)
            d[i] = static_cast<std::uint8_t>(h.number[static_cast<std::size_t>(i)] - '0');
        EXPECT_EQ(prepared.ValueOf(d, &index), h.value) << InfoOf(h.c.type).id << " of " << h.number;
        EXPECT_EQ(OracleValue(h.c, h.number, history), h.value) << "oracle " << InfoOf(h.c.type).id << " of " << h.number;
    }
}

// Every number of the space, compiled table against the oracle.
void ExpectSameAsOracle(const ConditionSet& set, int length, const std::vector<std::string>& history)
{
    const std::vector<std::uint32_t> codes = Codes(history);
    const HistoryIndex index(codes, length);
    const CompileResult result = Compile(set, length, history.empty() ? nullptr : &index);
    ASSERT_TRUE(result.compiled) << result.error;
    const CompiledSet& compiled = *result.compiled;
    std::uint64_t kept = 0;
    for (std::uint32_t code = 0; code < compiled.Space().Size(); ++code) {
        const std::string n = NumberText(code, length);
        const bool expected = OraclePasses(set, n, history);
        kept += expected ? 1 : 0;
        if (compiled.Passes(code) != expected) {
            ADD_FAILURE() << "length " << length << ", number " << n << ": compiled " << compiled.Passes(code)
                          << ", expected " << expected;
            return;
        }
    }
    EXPECT_EQ(compiled.KeptCount(), kept);
}

TEST(CompiledSet, EveryTypeAgreesWithTheOracleOverWholeSpaces)
{
    std::mt19937 rng(20261207);
    for (int length = 1; length <= 4; ++length) {
        std::vector<std::string> history;
        for (int i = 0; i < 12; ++i)
            history.push_back(RandomNumber(length, rng));
        // Each type alone in both modes, then mixed sets with errors.
        for (int t = 0; t < kConditionTypeCount; ++t) {
            const auto type = static_cast<ConditionType>(t);
            if (length < 2 && InfoOf(type).field == TypeField::Pair)
                continue;
            for (Mode mode : {Mode::Keep, Mode::Exclude}) {
                ConditionSet set;
                set.digits = length;
                Condition c = RandomCondition(type, length, history, rng);
                c.mode = mode;
                c.enabled = true;
                set.groups.push_back({"", true, 0, 0, {c}});
                ExpectSameAsOracle(set, length, history);
            }
        }
        for (int i = 0; i < 40; ++i)
            ExpectSameAsOracle(RandomSet(length, history, rng), length, history);
    }
}

// Sampled numbers (and the drawn ones, which are the omission's exceptions)
// of a long length, compiled table against the oracle.
void ExpectSamplesAsOracle(const ConditionSet& set, int length, const std::vector<std::string>& history,
                           std::mt19937& rng)
{
    const HistoryIndex index(Codes(history), length);
    const CompileResult result = Compile(set, length, &index);
    ASSERT_TRUE(result.compiled) << result.error;
    std::vector<std::string> samples = history;
    for (int i = 0; i < 2000; ++i)
        samples.push_back(RandomNumber(length, rng));
    for (const std::string& n : samples) {
        const auto code = static_cast<std::uint32_t>(std::stoul(n));
        ASSERT_EQ(result.compiled->Passes(code), OraclePasses(set, n, history)) << "length " << length << " number " << n;
    }
}

TEST(CompiledSet, LongNumbersAgreeWithTheOracleOnSamples)
{
    std::mt19937 rng(7);
    for (int length : {5, 7, 8}) {
        std::vector<std::string> history;
        for (int i = 0; i < 30; ++i)
            history.push_back(RandomNumber(length, rng));
        // Each type alone where the high part has more than one digit, so
        // both its ends matter; the 8-digit space only for mixed sets.
        for (int t = 0; length < 8 && t < kConditionTypeCount; ++t) {
            Condition c = RandomCondition(static_cast<ConditionType>(t), length, history, rng);
            c.enabled = true;
            ExpectSamplesAsOracle({length, {{"", true, 0, 0, {c}}}, {}}, length, history, rng);
        }
        for (int s = 0; s < (length == 8 ? 2 : 6); ++s)
            ExpectSamplesAsOracle(RandomSet(length, history, rng), length, history, rng);
    }
}

// Three position conditions 1, 2, 3 at the three places: the number's
// count of failed conditions is the count of places that differ from 123.
TEST(GroupRule, AllowedErrorsHoldAtTheirBorders)
{
    ConditionSet set;
    Group group;
    for (int p = 0; p < 3; ++p) {
        Condition c = Plain(ConditionType::Position);
        c.position = p;
        c.values = {p + 1};
        group.conditions.push_back(c);
    }
    const std::pair<std::string, int> numbers[] = {{"123", 0}, {"124", 1}, {"153", 1}, {"154", 2}, {"456", 3}};
    for (int min = 0; min <= 3; ++min) {
        for (int max = min; max <= 4; ++max) {
            group.minErrors = min;
            group.maxErrors = max;
            set.groups = {group};
            const auto compiled = Compile(set, 3, nullptr).compiled;
            for (const auto& [n, failed] : numbers)
                EXPECT_EQ(compiled->Passes(static_cast<std::uint32_t>(std::stoul(n))), failed >= min && failed <= max)
                    << n << " with errors [" << min << ", " << max << "]";
        }
    }
}

TEST(GroupRule, DisabledPartsAndExcludeTakeTheirPlace)
{
    ConditionSet set;
    Condition sum = Plain(ConditionType::Sum);
    sum.values = {6};
    Condition span = Plain(ConditionType::Span);
    span.values = {0};
    span.mode = Mode::Exclude;
    set.groups = {{"a", true, 0, 0, {sum, span}}};
    auto passes = [&](std::uint32_t code) { return Compile(set, 3, nullptr).compiled->Passes(code); };
    EXPECT_TRUE(passes(123));
    EXPECT_FALSE(passes(222)); // sum 6 but span 0 is excluded
    EXPECT_FALSE(passes(124));
    set.groups[0].conditions[1].enabled = false;
    EXPECT_TRUE(passes(222));
    set.groups.push_back({"never", false, 0, 0, {span}});
    set.groups[1].conditions[0].mode = Mode::Keep;
    EXPECT_TRUE(passes(123)); // a disabled group takes no part
    set.groups[1].enabled = true;
    EXPECT_FALSE(passes(123));
    EXPECT_TRUE(passes(222));
}

TEST(Preview, AnEmptySetKeepsAllAndAnImpossibleGroupNothing)
{
    ConditionSet set{3, {}, {}};
    EXPECT_EQ(PreviewSet(set, *Compile(set, 3, nullptr).compiled).kept, 1000u);
    set.groups.push_back({"", true, 1, 1, {}});
    EXPECT_EQ(PreviewSet(set, *Compile(set, 3, nullptr).compiled).kept, 0u);
}

TEST(Preview, CountsWhatEachConditionAloneRejects)
{
    std::mt19937 rng(99);
    const std::vector<std::string> history = {"123", "905", "447"};
    const HistoryIndex index(Codes(history), 3);
    for (int s = 0; s < 20; ++s) {
        const ConditionSet set = RandomSet(3, history, rng);
        const auto compiled = Compile(set, 3, &index).compiled;
        ASSERT_TRUE(compiled);
        const Preview preview = PreviewSet(set, *compiled);
        EXPECT_EQ(preview.total, 1000u);
        std::uint64_t kept = 0;
        for (std::uint32_t code = 0; code < 1000; ++code)
            kept += OraclePasses(set, NumberText(code, 3), history) ? 1 : 0;
        EXPECT_EQ(preview.kept, kept);
        for (std::size_t g = 0; g < set.groups.size(); ++g) {
            for (std::size_t i = 0; i < set.groups[g].conditions.size(); ++i) {
                const Condition& c = set.groups[g].conditions[i];
                if (!set.groups[g].enabled || !c.enabled) {
                    EXPECT_FALSE(preview.rejectedAlone[g][i].has_value());
                    continue;
                }
                ConditionSet alone{3, {{"", true, 0, 0, {c}}}, {}};
                std::uint64_t rejected = 0;
                for (std::uint32_t code = 0; code < 1000; ++code)
                    rejected += OraclePasses(alone, NumberText(code, 3), history) ? 0 : 1;
                ASSERT_TRUE(preview.rejectedAlone[g][i].has_value());
                EXPECT_EQ(*preview.rejectedAlone[g][i], rejected) << InfoOf(c.type).id;
            }
        }
    }
}

TEST(RunTally, CountsFailuresEvenWhereForgiven)
{
    Condition sum = Plain(ConditionType::Sum);
    sum.values = {6};
    Condition odd = Plain(ConditionType::OddCount);
    odd.values = {1};
    Condition big = Plain(ConditionType::BigCount);
    big.values = {0};
    const ConditionSet set{3, {{"", true, 0, 1, {sum, odd}}, {"", true, 0, 0, {big}}}, {}};
    const auto compiled = Compile(set, 3, nullptr).compiled;
    RunTally tally(*compiled);
    // 123: sum ok, odd 2 fails (forgiven), big ok -> kept.
    // 222: sum ok, odd 0 fails (forgiven), big ok -> kept.
    // 555: sum fails, odd 3 fails -> group 0 fails; big fails.
    // 123 again counts again.
    for (std::uint32_t code : {123u, 222u, 555u, 123u})
        tally.Add(code);
    EXPECT_EQ(tally.In(), 4u);
    EXPECT_EQ(tally.Kept(), 3u);
    EXPECT_EQ(tally.ConditionFailures(), (std::vector<std::uint64_t>{1, 4, 1}));
    EXPECT_EQ(tally.GroupFailures(), (std::vector<std::uint64_t>{1, 1}));
}

} // namespace
} // namespace vesk::filter::test
