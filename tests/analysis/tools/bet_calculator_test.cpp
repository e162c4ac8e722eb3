// The bet calculator's sum, span and 胆拖 plays against a plain walk over
// 000-999 written from the plays' definitions, not from the calculator.

#include "components/features/analysis/tools/bet_calculator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

namespace vesk::analysis {
namespace {

using Codes = std::vector<std::uint32_t>;

struct Walked {
    Codes straight; // every straight number that is a bet
    Codes groups;   // every 组三 / 组六 group (digits ascending) that is a bet
};

// pred(a, b, c) on the digits of every number 000-999.
template <class Pred> Walked Walk(Pred pred)
{
    Walked walked;
    std::set<std::uint32_t> groups;
    for (int a = 0; a <= 9; ++a)
        for (int b = 0; b <= 9; ++b)
            for (int c = 0; c <= 9; ++c) {
                if (!pred(a, b, c))
                    continue;
                walked.straight.push_back(static_cast<std::uint32_t>(a * 100 + b * 10 + c));
                if (a == b && b == c)
                    continue; // a 豹子 is no group bet
                int d[3] = {a, b, c};
                std::sort(d, d + 3);
                groups.insert(static_cast<std::uint32_t>(d[0] * 100 + d[1] * 10 + d[2]));
            }
    walked.groups.assign(groups.begin(), groups.end());
    return walked;
}

int SpanOf(int a, int b, int c)
{
    return std::max({a, b, c}) - std::min({a, b, c});
}

BetPick Values(std::uint32_t mask)
{
    BetPick pick;
    pick.values = mask;
    return pick;
}

TEST(BetCalculator, SumBetsMatchTheWalkForEverySum)
{
    std::uint64_t straightTotal = 0;
    for (int s = 0; s <= 27; ++s) {
        const Walked walked = Walk([s](int a, int b, int c) { return a + b + c == s; });
        const BetPick pick = Values(1u << s);
        EXPECT_EQ(CountBets(BetPlay::StraightSum, pick, 3), walked.straight.size()) << "sum " << s;
        EXPECT_EQ(CountBets(BetPlay::GroupSum, pick, 3), walked.groups.size()) << "sum " << s;
        EXPECT_EQ(BetNumbers(BetPlay::StraightSum, pick, 3), walked.straight) << "sum " << s;
        EXPECT_EQ(BetNumbers(BetPlay::GroupSum, pick, 3), walked.groups) << "sum " << s;
        straightTotal += CountBets(BetPlay::StraightSum, pick, 3);
    }
    EXPECT_EQ(straightTotal, 1000u);
    // Sums 0 and 27 are 豹子 only: no group bet.
    EXPECT_EQ(CountBets(BetPlay::GroupSum, Values(1u << 0 | 1u << 27), 3), 0u);
    // Several sums at once add up.
    const Walked some = Walk([](int a, int b, int c) { return a + b + c == 10 || a + b + c == 11; });
    EXPECT_EQ(CountBets(BetPlay::StraightSum, Values(1u << 10 | 1u << 11), 3), some.straight.size());
    EXPECT_EQ(CountBets(BetPlay::GroupSum, Values(1u << 10 | 1u << 11), 3), some.groups.size());
    EXPECT_EQ(CountBets(BetPlay::StraightSum, Values(0), 3), 0u);
}

TEST(BetCalculator, SpanBetsMatchTheWalkForEverySpan)
{
    for (int k = 0; k <= 9; ++k) {
        const Walked walked = Walk([k](int a, int b, int c) { return SpanOf(a, b, c) == k; });
        const BetPick pick = Values(1u << k);
        EXPECT_EQ(CountBets(BetPlay::StraightSpan, pick, 3), walked.straight.size()) << "span " << k;
        EXPECT_EQ(CountBets(BetPlay::GroupSpan, pick, 3), walked.groups.size()) << "span " << k;
        EXPECT_EQ(BetNumbers(BetPlay::GroupSpan, pick, 3), walked.groups) << "span " << k;
    }
    EXPECT_EQ(CountBets(BetPlay::StraightSpan, Values(0x3FF), 3), 1000u);
    // The group plays are the 3-digit game's; a straight span at 2 digits by hand.
    EXPECT_EQ(CountBets(BetPlay::GroupSpan, Values(0x3FF), 4), 0u);
    EXPECT_EQ(CountBets(BetPlay::StraightSpan, Values(1u << 1), 2), 18u);
}

TEST(BetCalculator, BankerDragBetsMatchTheWalkForEverySplit)
{
    // Every split of a few digit sets into one or two 胆 and the rest 拖.
    const std::vector<std::vector<int>> sets = {{1, 2}, {0, 5, 9}, {2, 3, 4, 7}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}};
    for (const std::vector<int>& set : sets) {
        const int n = static_cast<int>(set.size());
        for (int split = 1; split < (1 << n); ++split) {
            std::uint16_t bankers = 0;
            std::uint16_t drags = 0;
            for (int i = 0; i < n; ++i)
                (split >> i & 1 ? bankers : drags) |= static_cast<std::uint16_t>(1u << set[static_cast<std::size_t>(i)]);
            BetPick pick;
            pick.bankers = bankers;
            pick.drags = drags;
            const int bankerCount = __builtin_popcount(bankers);
            if (bankerCount > 2 || drags == 0) {
                EXPECT_FALSE(BankerDragError(bankers, drags).empty());
                EXPECT_EQ(CountBets(BetPlay::GroupBankerDrag, pick, 3), 0u);
                continue;
            }
            const Walked walked = Walk([&](int a, int b, int c) {
                const unsigned digits = 1u << a | 1u << b | 1u << c;
                return (digits & bankers) == bankers && (digits & ~static_cast<unsigned>(bankers) & ~static_cast<unsigned>(drags)) == 0;
            });
            EXPECT_EQ(CountBets(BetPlay::GroupBankerDrag, pick, 3), walked.groups.size())
                << "bankers " << bankers << " drags " << drags;
            EXPECT_EQ(BetNumbers(BetPlay::GroupBankerDrag, pick, 3), walked.groups);
        }
    }
    // Refusals name what is wrong.
    EXPECT_NE(BankerDragError(0, 0b110).find("胆码"), std::string::npos);
    EXPECT_NE(BankerDragError(0b1, 0b11).find("既是"), std::string::npos);
    EXPECT_NE(BankerDragError(0b111, 0b1000).find("最多两个"), std::string::npos);
}

TEST(BetCalculator, MultipleAndValueEntry)
{
    EXPECT_EQ(BetCost(10, 1), 20u);
    EXPECT_EQ(BetCost(10, 5), 100u);
    EXPECT_EQ(BetCost(0, 99), 0u);
    const ValueSetEntry sums = ParseValueSet("10, 11 27", 27);
    ASSERT_TRUE(sums.Ok());
    EXPECT_EQ(sums.mask, 1u << 10 | 1u << 11 | 1u << 27);
    EXPECT_FALSE(ParseValueSet("28", 27).Ok());
    EXPECT_NE(ParseValueSet("3 x", 9).error.find("x"), std::string::npos);
    // A long run of digits is refused, not summed past the range of an int.
    EXPECT_FALSE(ParseValueSet("3999999999999", 27).Ok());
    EXPECT_FALSE(ParseValueSet("10", 9).Ok());
    EXPECT_FALSE(ParseValueSet("-1", 9).Ok());
    EXPECT_EQ(ParseValueSet("", 9).mask, 0u);
}

} // namespace
} // namespace vesk::analysis
