// The back-test judges each draw with only the draws before it.
#include "components/filter/engine/backtest.h"

#include "oracle.h"

#include <gtest/gtest.h>

namespace vesk::filter::test {
namespace {

TEST(Backtest, JudgesEachDrawWithTheEarlierDrawsOnly)
{
    // No digit of the previous draw may come again.
    Condition repeat = MakeCondition(ConditionType::Repeat, {0}, Mode::Keep, true);
    Condition sum = MakeCondition(ConditionType::Sum, {27}, Mode::Exclude, true);
    const ConditionSet set{3, {{"", true, 0, 0, {repeat, sum}}}, {}};
    const std::vector<std::uint32_t> draws = {123, 456, 156, 789, 999};
    const BacktestResult result = Backtest(set, 3, draws, 30);
    ASSERT_TRUE(result.ok) << result.error;
    // The oldest draw has no history; 456 (after 123) kept; 156 shares 5 and
    // 6 with 456; 789 shares nothing with 156; 999 shares 9 and has sum 27.
    ASSERT_EQ(result.draws.size(), 4u);
    EXPECT_EQ(result.draws[0].index, 1u);
    EXPECT_TRUE(result.draws[0].kept);
    EXPECT_FALSE(result.draws[1].kept);
    EXPECT_EQ(result.draws[1].failed, (std::vector<ConditionRef>{{0, 0}}));
    EXPECT_TRUE(result.draws[2].kept);
    EXPECT_EQ(result.draws[3].code, 999u);
    EXPECT_EQ(result.draws[3].failed, (std::vector<ConditionRef>{{0, 0}, {0, 1}}));
    EXPECT_EQ(result.kept, 2u);
    EXPECT_EQ(BacktestSummary(result), "4 期中保留 2 期");

    const BacktestResult lastTwo = Backtest(set, 3, draws, 2);
    ASSERT_EQ(lastTwo.draws.size(), 2u);
    EXPECT_EQ(lastTwo.draws[0].code, 789u);
}

TEST(Backtest, OmissionSeesTheDrawItselfOnlyAfterwards)
{
    // Lose a number drawn in one of the two draws before it. Were the draw
    // itself in its history, every draw would have omission 0.
    const std::vector<std::uint32_t> draws = {500, 600, 700, 111, 222, 111, 333};
    Condition recent = MakeCondition(ConditionType::Omission, {0, 1}, Mode::Exclude, true);
    const ConditionSet set{3, {{"", true, 0, 0, {recent}}}, {}};
    const BacktestResult result = Backtest(set, 3, draws, 3);
    ASSERT_TRUE(result.ok);
    ASSERT_EQ(result.draws.size(), 3u);
    EXPECT_TRUE(result.draws[0].kept);  // 222: never drawn, omission 4
    EXPECT_FALSE(result.draws[1].kept); // 111: drawn two draws back, omission 1
    EXPECT_TRUE(result.draws[2].kept);  // 333: never drawn, omission 6
}

TEST(Backtest, WithoutHistoryConditionsTheOldestDrawCountsAndBadSetsAreRefused)
{
    Condition sum = MakeCondition(ConditionType::Sum, {6}, Mode::Keep, true);
    const std::vector<std::uint32_t> draws = {123, 456};
    const BacktestResult all = Backtest({3, {{"", true, 0, 0, {sum}}}, {}}, 3, draws, 30);
    ASSERT_EQ(all.draws.size(), 2u);
    EXPECT_TRUE(all.draws[0].kept);
    EXPECT_FALSE(all.draws[1].kept);
    const BacktestResult refused = Backtest({3, {}, {}}, 3, draws, 30);
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.error, "没有设置缩水条件");
}

} // namespace
} // namespace vesk::filter::test
