// 号码组统计, 号码统计 and the bet calculator, worked out by hand on a
// 10-draw history and checked against counting the number space.
#include "components/features/analysis/tools/bet_calculator.h"
#include "components/features/analysis/tools/group_statistics.h"
#include "components/features/analysis/tools/number_statistics.h"

#include <gtest/gtest.h>

#include <bit>
#include <random>

namespace vesk::analysis {
namespace {

using Codes = std::vector<std::uint32_t>;

// Oldest first.
const Codes kDraws{123, 321, 112, 777, 456, 211, 123, 890, 121, 0};

TEST(GroupStatistics, GroupsTheListAndCountsTheWindowsDraws)
{
    const GroupStatistics all = ComputeGroupStatistics(Codes{123, 112, 777, 123, 9, 321}, 3, kDraws, 0);
    EXPECT_EQ(all.scored, 10u);
    ASSERT_EQ(all.rows.size(), 4u);
    const GroupRow& g009 = all.rows[0];
    EXPECT_EQ(g009.group, 9u);
    EXPECT_EQ(g009.shape, "组三");
    EXPECT_EQ(g009.orderings, 3u);
    EXPECT_EQ(g009.hits, 0);
    EXPECT_EQ(g009.sinceHit, -1);
    const GroupRow& g112 = all.rows[1];
    EXPECT_EQ(g112.hits, 3); // 112, 211, 121
    EXPECT_EQ(g112.sinceHit, 1);
    const GroupRow& g123 = all.rows[2];
    EXPECT_EQ(g123.members, (Codes{123, 321}));
    EXPECT_EQ(g123.entries, 3u);
    EXPECT_EQ(g123.orderings, 6u);
    EXPECT_EQ(g123.shape, "组六");
    EXPECT_EQ(g123.hits, 3);
    EXPECT_EQ(g123.sinceHit, 3);
    const GroupRow& g777 = all.rows[3];
    EXPECT_EQ(g777.shape, "豹子");
    EXPECT_EQ(g777.orderings, 1u);
    EXPECT_EQ(g777.hits, 1);

    // The last three draws only: 890, 121, 000.
    const GroupStatistics last3 = ComputeGroupStatistics(Codes{123, 112}, 3, kDraws, 3);
    EXPECT_EQ(last3.scored, 3u);
    EXPECT_EQ(last3.rows[0].hits, 1);
    EXPECT_EQ(last3.rows[1].hits, 0);
    // Its last hit lies before the window (123, three draws back): the
    // distance is still the true one, not "none".
    EXPECT_EQ(last3.rows[1].sinceHit, 3);
    // A window of one draw: every earlier hit is before it.
    const GroupStatistics last1 = ComputeGroupStatistics(Codes{777, 0}, 3, kDraws, 1);
    EXPECT_EQ(last1.rows[0].hits, 1);
    EXPECT_EQ(last1.rows[0].sinceHit, 0);
    EXPECT_EQ(last1.rows[1].hits, 0);
    EXPECT_EQ(last1.rows[1].sinceHit, 6);
    // No history: the grouping still stands.
    EXPECT_EQ(ComputeGroupStatistics(Codes{5}, 3, {}, 100).rows.size(), 1u);
    EXPECT_EQ(ComputeGroupStatistics(Codes{1122}, 4, {}, 0).rows[0].orderings, 6u);
}

TEST(NumberStatistics, ValueDistributionOverTheListsDistinctNumbers)
{
    const Codes list{123, 112, 777, 123, 9};
    const auto sums = ValueDistribution(filter::ConditionType::Sum, list, 3);
    ASSERT_EQ(sums.size(), 28u);
    EXPECT_EQ(sums[9].count, 1u); // 009
    EXPECT_EQ(sums[9].share, (Figure{1, 4}));
    EXPECT_EQ(sums[9].spaceShare, (Figure{55, 1000}));
    EXPECT_EQ(sums[6].count, 1u); // 123 once, though listed twice
    EXPECT_EQ(sums[10].count, 0u);

    const auto shapes = ValueDistribution(filter::ConditionType::DistinctCount, list, 3);
    ASSERT_EQ(shapes.size(), 3u);
    EXPECT_EQ(shapes[0].title, "豹子");
    EXPECT_EQ(shapes[1].count, 2u); // 009, 112
    EXPECT_EQ(shapes[1].spaceShare, (Figure{270, 1000}));
    EXPECT_EQ(shapes[2].spaceShare, (Figure{720, 1000}));
    // An empty list: zero counts, no division by zero.
    EXPECT_EQ(ValueDistribution(filter::ConditionType::Span, {}, 3)[0].share, (Figure{0, 1}));
    // Types that need a history or fields are not distributions of a list.
    EXPECT_TRUE(ValueDistribution(filter::ConditionType::Repeat, list, 3).empty());
}

TEST(NumberStatistics, BacktestRatesBaselinesAndMoneyByHand)
{
    const ListBacktest test = BacktestList(Codes{123, 112, 777, 123, 9}, 3, kDraws, 0);
    EXPECT_EQ(test.listSize, 4u);
    EXPECT_EQ(test.groupCount, 4u);
    EXPECT_EQ(test.scored, 10u);
    EXPECT_EQ(test.straightHits, 4); // 123, 112, 777, 123
    EXPECT_EQ(test.groupHits, 7);    // also 321, 211, 121
    EXPECT_EQ(test.straightRate, (Figure{4, 10}));
    EXPECT_EQ(test.straightBaseline, (Figure{4, 1000}));
    EXPECT_EQ(test.groupBaseline, (Figure{3 + 3 + 6 + 1, 1000}));
    ASSERT_EQ(test.draws.size(), 10u);
    EXPECT_TRUE(test.draws[1].group && !test.draws[1].straight);
    EXPECT_FALSE(test.draws[9].group);

    ASSERT_TRUE(test.prizes);
    EXPECT_EQ(test.straightBetting.cost, 10 * 4 * 2);
    EXPECT_EQ(test.straightBetting.winnings, 4 * 1040);
    EXPECT_EQ(test.straightBetting.returnRate, (Figure{4160, 80}));
    // 777 is bet straight only: three group bets a draw; 777 drawn pays no group prize.
    EXPECT_EQ(test.groupBetting.betsPerDraw, 3u);
    EXPECT_EQ(test.groupBetting.cost, 60);
    EXPECT_EQ(test.groupBetting.winnings, 3 * 173 + 3 * 346);

    const ListBacktest last5 = BacktestList(Codes{123, 112}, 3, kDraws, 5);
    EXPECT_EQ(last5.scored, 5u);
    EXPECT_EQ(last5.draws.front().draw, 5u);
    EXPECT_EQ(last5.straightHits, 1);
    EXPECT_EQ(last5.groupHits, 3);
    // No draws: rates of nothing are 0, no money moved.
    const ListBacktest none = BacktestList(Codes{123}, 3, {}, 0);
    EXPECT_EQ(none.straightRate, (Figure{0, 1}));
    EXPECT_EQ(none.straightBetting.returnRate, (Figure{0, 1}));
    // The prizes are the 3-digit game's.
    EXPECT_FALSE(BacktestList(Codes{1234}, 4, Codes{1234}, 0).prizes);
}

TEST(BetCalculator, CountsByHand)
{
    const std::uint16_t odd = ParseDigitSet("1 3,5;7 9").mask;
    EXPECT_EQ(odd, 0b1010101010);
    const std::uint16_t set[] = {odd};
    EXPECT_EQ(CountBets(BetPlay::StraightSet, set, 3), 125u);
    EXPECT_EQ(CountBets(BetPlay::Group3, set, 3), 20u);
    EXPECT_EQ(CountBets(BetPlay::Group6, set, 3), 10u);
    const std::uint16_t all[] = {0x3FF};
    EXPECT_EQ(CountBets(BetPlay::Group3, all, 3), 90u);
    EXPECT_EQ(CountBets(BetPlay::Group6, all, 3), 120u);
    const std::uint16_t one[] = {1 << 4};
    EXPECT_EQ(CountBets(BetPlay::Group3, one, 3), 0u);
    EXPECT_EQ(CountBets(BetPlay::Group6, one, 3), 0u);
    EXPECT_EQ(CountBets(BetPlay::StraightSet, one, 3), 1u);

    const std::uint16_t positions[] = {0b110, 0b11000, 0b1100000};
    EXPECT_EQ(CountBets(BetPlay::StraightPositions, positions, 3), 8u);
    EXPECT_EQ(BetNumbers(BetPlay::StraightPositions, positions, 3), (Codes{135, 136, 145, 146, 235, 236, 245, 246}));
    const std::uint16_t onePosition[] = {0b110, 0, 0b1};
    EXPECT_EQ(CountBets(BetPlay::StraightPositions, onePosition, 3), 0u);
    const std::uint16_t pair[] = {0b110};
    EXPECT_EQ(BetNumbers(BetPlay::Group3, pair, 3), (Codes{112, 122}));
    // The group plays are the 3-digit game's; a wrong count of positions bets nothing.
    EXPECT_EQ(CountBets(BetPlay::Group6, all, 4), 0u);
    EXPECT_EQ(CountBets(BetPlay::StraightPositions, positions, 4), 0u);
    EXPECT_EQ(CountBets(BetPlay::StraightSet, set, 4), 625u);
}

TEST(BetCalculator, DigitEntryNamesWhatIsNotADigit)
{
    EXPECT_EQ(ParseDigitSet("").mask, 0);
    EXPECT_EQ(ParseDigitSet("1123").mask, 0b1110); // a repeated digit counts once
    const DigitSetEntry letter = ParseDigitSet("12x4");
    EXPECT_FALSE(letter.Ok());
    EXPECT_EQ(letter.mask, 0);
    EXPECT_NE(letter.error.find("“x”"), std::string::npos);
    EXPECT_NE(ParseDigitSet("1２").error.find("“２”"), std::string::npos); // a full-width digit, whole
}

TEST(BetCalculator, EveryCountIsTheSizeOfItsNumbers)
{
    std::mt19937 random(3);
    for (int round = 0; round < 200; ++round) {
        const std::uint16_t masks[] = {static_cast<std::uint16_t>(random() & 0x3FF), static_cast<std::uint16_t>(random() & 0x3FF),
                                       static_cast<std::uint16_t>(random() & 0x3FF)};
        for (BetPlay play : {BetPlay::StraightPositions, BetPlay::StraightSet, BetPlay::Group3, BetPlay::Group6}) {
            const Codes numbers = BetNumbers(play, masks, 3);
            EXPECT_EQ(CountBets(play, masks, 3), numbers.size()) << static_cast<int>(play) << " " << masks[0];
            for (std::uint32_t code : numbers) { // every number uses only picked digits
                const std::uint32_t d[] = {code / 100, code / 10 % 10, code % 10};
                for (int p = 0; p < 3; ++p)
                    EXPECT_TRUE(masks[play == BetPlay::StraightPositions ? p : 0] >> d[p] & 1) << code;
            }
        }
    }
}

} // namespace
} // namespace vesk::analysis
