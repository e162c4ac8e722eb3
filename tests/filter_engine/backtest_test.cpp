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
    // Chance by hand: numbers with no digit of the latest draw, 7^3 = 343,
    // less 999 while 9 is not in that draw: 342, 342, 342, then 343.
    std::vector<std::uint64_t> shares;
    for (const JudgedDraw& draw : result.draws)
        shares.push_back(draw.keptNumbers);
    EXPECT_EQ(shares, (std::vector<std::uint64_t>{342, 342, 342, 343}));
    EXPECT_EQ(result.keptNumbers, 1369u);
    EXPECT_EQ(result.spaceSize, 1000u);
    EXPECT_EQ(BacktestSummary(result), "4 期中保留 2 期（50.0%），随机约 34.2%");

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
    // A draw outside the game would index past the pass table.
    const std::vector<std::uint32_t> wide = {123, 1000};
    EXPECT_FALSE(Backtest({3, {{"", true, 0, 0, {sum}}}, {}}, 3, wide, 30).ok);
}

TEST(Backtest, WithoutHistoryConditionsChanceIsTheSetsShareOfTheSpace)
{
    // Sum 6 keeps C(8, 2) = 28 numbers; the disabled group and condition
    // take no part, and one forgiven error widens the first group:
    // sum 6 or span 0 but not both leaves 28 - 1 (222) + 10 - 1 = 36.
    Condition sum = MakeCondition(ConditionType::Sum, {6}, Mode::Keep, true);
    Condition span = MakeCondition(ConditionType::Span, {0}, Mode::Keep, true);
    Condition off = MakeCondition(ConditionType::Sum, {0}, Mode::Keep, false);
    Condition nothing = MakeCondition(ConditionType::Sum, {99}, Mode::Keep, true);
    const std::vector<std::uint32_t> draws = {123, 456, 600, 222, 111};
    const ConditionSet plain{3, {{"", true, 0, 0, {sum, off}}, {"", false, 0, 0, {nothing}}}, {}};
    const BacktestResult result = Backtest(plain, 3, draws, 3);
    ASSERT_TRUE(result.ok) << result.error;
    for (const JudgedDraw& draw : result.draws)
        EXPECT_EQ(draw.keptNumbers, 28u);
    EXPECT_EQ(result.kept, 2u); // 600 and 222
    EXPECT_EQ(BacktestSummary(result), "3 期中保留 2 期（66.7%），随机约 2.8%");

    const ConditionSet forgiving{3, {{"", true, 1, 1, {sum, span}}}, {}};
    const BacktestResult one = Backtest(forgiving, 3, draws, 30);
    ASSERT_EQ(one.draws.size(), 5u);
    EXPECT_EQ(one.keptNumbers, 5u * 36u);
    EXPECT_EQ(one.kept, 3u); // 123, 600, 111; 222 holds both
    EXPECT_EQ(BacktestSummary(one), "5 期中保留 3 期（60.0%），随机约 3.6%");
}

TEST(Backtest, NamesDrawsByPeriodWhenEveryDrawHasOne)
{
    Condition sum = MakeCondition(ConditionType::Sum, {6}, Mode::Keep, true);
    Condition repeat = MakeCondition(ConditionType::Repeat, {0, 1, 2, 3}, Mode::Keep, true);
    const std::vector<Draw> withPeriods = {{2025001, 123}, {2025002, 456}, {2025003, 600}};
    const std::vector<std::uint64_t> periods = PeriodsOf(withPeriods);
    EXPECT_EQ(periods, (std::vector<std::uint64_t>{2025001, 2025002, 2025003}));
    std::vector<Draw> oneWithout = withPeriods;
    oneWithout[1].period.reset();
    EXPECT_TRUE(PeriodsOf(oneWithout).empty());

    const std::vector<std::uint32_t> draws = {123, 456, 600};
    auto names = [&](const ConditionSet& set, std::size_t last, std::span<const std::uint64_t> given) {
        std::vector<std::uint64_t> out;
        for (const JudgedDraw& draw : Backtest(set, 3, draws, last, given).draws)
            out.push_back(draw.name);
        return out;
    };
    const ConditionSet plain{3, {{"", true, 0, 0, {sum}}}, {}};
    const ConditionSet history{3, {{"", true, 0, 0, {repeat}}}, {}};
    EXPECT_EQ(names(plain, 2, periods), (std::vector<std::uint64_t>{2025002, 2025003}));
    EXPECT_EQ(names(history, 30, periods), (std::vector<std::uint64_t>{2025002, 2025003}));
    // Without periods, or with a count that does not match, the place from 1.
    EXPECT_EQ(names(plain, 30, {}), (std::vector<std::uint64_t>{1, 2, 3}));
    EXPECT_EQ(names(history, 1, {}), (std::vector<std::uint64_t>{3}));
    EXPECT_EQ(names(plain, 30, std::span(periods).first(2)), (std::vector<std::uint64_t>{1, 2, 3}));
}

TEST(Backtest, FiguresAreRoundedHalfUpOnceAndAbsentWithoutJudgedDraws)
{
    struct Case {
        std::uint64_t numerator, denominator;
        int decimals;
        std::string text;
    };
    const Case cases[] = {
        {200, 30, 1, "6.7"},   {13200, 1000, 1, "13.2"}, {1, 8, 2, "0.13"},   {1, 3, 4, "0.3333"},
        {2, 3, 4, "0.6667"},   {1, 1, 4, "1.0000"},      {0, 7, 1, "0.0"},    {5, 2, 0, "3"},
        {999, 1000, 2, "1.00"}, {1, 20000, 4, "0.0001"}, {1, 20001, 4, "0.0000"},
        {1, 0, 4, "-"},
        // 10^8 numbers over millions of draws: the sums stay exact.
        {123456789012345ull, 1000000000000000ull, 4, "0.1235"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecimalText(c.numerator, c.denominator, c.decimals), c.text) << c.numerator << "/" << c.denominator;

    // One draw and a history condition: nothing to judge, so no figures.
    Condition repeat = MakeCondition(ConditionType::Repeat, {0}, Mode::Keep, true);
    const std::vector<std::uint32_t> one = {123};
    const BacktestResult none = Backtest({3, {{"", true, 0, 0, {repeat}}}, {}}, 3, one, 30);
    ASSERT_TRUE(none.ok) << none.error;
    EXPECT_EQ(BacktestSummary(none), "0 期中保留 0 期");
}

} // namespace
} // namespace vesk::filter::test
