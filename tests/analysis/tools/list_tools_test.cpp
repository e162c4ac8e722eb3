// The list tools' computations: number entry, set operations and plan tally
// against slow evaluators written from the definitions, on lists with
// repeats, in any order, as groups and of differing lengths.
#include "components/features/analysis/number_entry.h"
#include "components/features/analysis/tools/plan_tally.h"
#include "components/features/analysis/tools/set_operations.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <set>
#include <string>

namespace vesk::analysis {
namespace {

using Codes = std::vector<std::uint32_t>;

// The group number by sorting the digit characters.
std::uint32_t SlowGroup(std::uint32_t code, int length)
{
    std::string text = std::to_string(code);
    text.insert(0, static_cast<std::size_t>(length) - text.size(), '0');
    std::sort(text.begin(), text.end());
    return static_cast<std::uint32_t>(std::stoul(text));
}

Codes SlowOperation(const Codes& a, const Codes& b, SetOperation operation, bool groups, int length)
{
    std::set<std::uint32_t> x, y, out;
    for (std::uint32_t c : a)
        x.insert(groups ? SlowGroup(c, length) : c);
    for (std::uint32_t c : b)
        y.insert(groups ? SlowGroup(c, length) : c);
    for (std::uint32_t c : x)
        if ((operation == SetOperation::Union) || (operation == SetOperation::Intersection && y.count(c)) ||
            (operation == SetOperation::AMinusB && !y.count(c)) || (operation == SetOperation::SymmetricDifference && !y.count(c)))
            out.insert(c);
    for (std::uint32_t c : y)
        if ((operation == SetOperation::Union) || (operation == SetOperation::BMinusA && !x.count(c)) ||
            (operation == SetOperation::SymmetricDifference && !x.count(c)))
            out.insert(c);
    return {out.begin(), out.end()};
}

TEST(NumberEntry, ReadsNumbersAsTheEditorDoesAfterCheckingEveryToken)
{
    const NumberEntry entry = ParseNumberEntry("123 456,789;012\r\n345，678、901\t123 007123", 3);
    ASSERT_TRUE(entry.Ok()) << entry.error;
    EXPECT_EQ(entry.codes, (Codes{123, 456, 789, 12, 345, 678, 901, 123, 7, 123})); // repeats and order kept
    EXPECT_TRUE(ParseNumberEntry("", 3).Ok());
    EXPECT_TRUE(ParseNumberEntry(" \r\n ", 3).codes.empty());
}

TEST(NumberEntry, NamesTheFirstBadTokenAndReadsNothing)
{
    const struct {
        const char* text;
        const char* named;
    } cases[] = {
        {"123 12a 456", "“12a”"},     // a letter inside
        {"123 45 678", "“45”"},       // too short: would shift every later number
        {"123 4567", "“4567”"},       // one digit too many
        {"123 一二三", "“一二三”"},    // not digits at all
        {"123 1.5", "“1.5”"},
    };
    for (const auto& c : cases) {
        const NumberEntry entry = ParseNumberEntry(c.text, 3);
        EXPECT_FALSE(entry.Ok()) << c.text;
        EXPECT_TRUE(entry.codes.empty()) << c.text;
        EXPECT_NE(entry.error.find(c.named), std::string::npos) << c.text << " → " << entry.error;
    }
    // A long paste is named by its beginning, cut at a character boundary.
    const NumberEntry pasted = ParseNumberEntry("123 " + std::string(40, '1') + "号", 3);
    EXPECT_LT(pasted.error.size(), 80u);
    EXPECT_FALSE(ParseNumberEntry("123", 0).Ok());
}

TEST(NumberEntry, BlocksAreSeparatedByBlankLines)
{
    const auto blocks = SplitAtBlankLines("123 456\r\n789\r\n\r\n  \r\n012\n\n\n345\n");
    ASSERT_EQ(blocks.size(), 3u);
    EXPECT_EQ(ParseNumberEntry(blocks[0], 3).codes, (Codes{123, 456, 789}));
    EXPECT_EQ(ParseNumberEntry(blocks[1], 3).codes, (Codes{12}));
    EXPECT_EQ(ParseNumberEntry(blocks[2], 3).codes, (Codes{345}));
    EXPECT_TRUE(SplitAtBlankLines("\n \n").empty());
    EXPECT_EQ(SplitAtBlankLines("123").size(), 1u);
}

TEST(SetOperations, ByHandWithRepeatsAndGroups)
{
    const CodeList a{{321, 123, 123, 455, 900}, 3};
    const CodeList b{{123, 545, 9, 9}, 3};
    EXPECT_EQ(ApplySetOperation(a, b, SetOperation::Union, false).codes, (Codes{9, 123, 321, 455, 545, 900}));
    EXPECT_EQ(ApplySetOperation(a, b, SetOperation::Intersection, false).codes, (Codes{123}));
    EXPECT_EQ(ApplySetOperation(a, b, SetOperation::AMinusB, false).codes, (Codes{321, 455, 900}));
    EXPECT_EQ(ApplySetOperation(a, b, SetOperation::BMinusA, false).codes, (Codes{9, 545}));
    EXPECT_EQ(ApplySetOperation(a, b, SetOperation::SymmetricDifference, false).codes, (Codes{9, 321, 455, 545, 900}));
    // As groups 321 = 123, 545 = 455, 900 = 009 = 9.
    EXPECT_EQ(ApplySetOperation(a, b, SetOperation::Intersection, true).codes, (Codes{9, 123, 455}));
    EXPECT_EQ(ApplySetOperation(a, b, SetOperation::SymmetricDifference, true).codes, Codes{});
    EXPECT_EQ(ApplySetOperation(a, {{}, 3}, SetOperation::Union, true).codes, (Codes{9, 123, 455}));
}

TEST(SetOperations, ListsOfDifferentLengthsAreRefused)
{
    const SetResult result = ApplySetOperation({{123}, 3}, {{1234}, 4}, SetOperation::Union, false);
    EXPECT_FALSE(result.Ok());
    EXPECT_TRUE(result.codes.empty());
    EXPECT_NE(result.error.find("3 位"), std::string::npos);
    EXPECT_NE(result.error.find("4 位"), std::string::npos);
}

TEST(SetOperations, AgreeWithTheSlowEvaluatorOnRandomLists)
{
    std::mt19937 random(7);
    for (int length : {1, 2, 3, 4}) {
        std::uint32_t space = 1;
        for (int i = 0; i < length; ++i)
            space *= 10;
        for (int round = 0; round < 20; ++round) {
            CodeList a{{}, length}, b{{}, length};
            for (std::uint32_t i = random() % 300; i > 0; --i)
                a.codes.push_back(random() % space);
            for (std::uint32_t i = random() % 300; i > 0; --i)
                b.codes.push_back(random() % space);
            for (SetOperation operation : kSetOperations)
                for (bool groups : {false, true})
                    EXPECT_EQ(ApplySetOperation(a, b, operation, groups).codes,
                              SlowOperation(a.codes, b.codes, operation, groups, length))
                        << length << " " << SetOperationName(operation) << " " << groups;
        }
    }
}

TEST(PlanTally, CountsEachPlanOnceAndTablesByCount)
{
    const std::vector<Codes> plans{{123, 456, 123}, {456, 789}, {456, 123, 1}, {}};
    const PlanTally tally = TallyPlans(plans, 3);
    EXPECT_EQ(tally.planCount, 4u);
    EXPECT_EQ(tally.numbers, (Codes{1, 123, 456, 789}));
    EXPECT_EQ(tally.plans, (std::vector<std::uint32_t>{1, 2, 3, 1})); // 123 twice in plan 1 counts once
    EXPECT_EQ(tally.byCount, (std::vector<std::uint64_t>{996, 2, 1, 1, 0}));
    EXPECT_EQ(NumbersInAtLeast(tally, 2), (Codes{123, 456}));
    EXPECT_EQ(NumbersInAtLeast(tally, 0), NumbersInAtLeast(tally, 1));
    EXPECT_TRUE(NumbersInAtLeast(tally, 4).empty());
    EXPECT_EQ(AtLeastCount(tally, 1), 4u);
    EXPECT_EQ(AtLeastCount(tally, 3), 1u);
    EXPECT_EQ(AtLeastCount(tally, 0), 1000u);
}

TEST(PlanTally, AgreesWithCountingPlanByPlan)
{
    std::mt19937 random(11);
    std::vector<Codes> plans(37);
    for (Codes& plan : plans)
        for (std::uint32_t i = random() % 400; i > 0; --i)
            plan.push_back(random() % 10000);
    std::map<std::uint32_t, std::uint32_t> slow;
    for (const Codes& plan : plans)
        for (std::uint32_t code : std::set<std::uint32_t>(plan.begin(), plan.end()))
            ++slow[code];
    const PlanTally tally = TallyPlans(plans, 4);
    ASSERT_EQ(tally.numbers.size(), slow.size());
    std::size_t i = 0;
    std::vector<std::uint64_t> byCount(plans.size() + 1, 0);
    for (const auto& [code, count] : slow) {
        EXPECT_EQ(tally.numbers[i], code);
        EXPECT_EQ(tally.plans[i], count);
        ++byCount[count];
        ++i;
    }
    byCount[0] = 10000 - slow.size();
    EXPECT_EQ(tally.byCount, byCount);
}

} // namespace
} // namespace vesk::analysis
