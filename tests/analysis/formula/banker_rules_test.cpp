// The banker/kill rules worked out by hand on a 10-draw history, and the
// batch check against the rule asked draw by draw.
#include "components/features/analysis/formula/banker_rules.h"

#include "components/features/analysis/pick/digit_ranking.h"

#include <gtest/gtest.h>

#include <random>

namespace vesk::analysis {
namespace {

const std::vector<std::uint32_t> kTenDraws = {358, 127, 490, 336, 815, 62, 741, 209, 583, 674};

std::uint16_t Mask(std::initializer_list<int> digits)
{
    std::uint16_t mask = 0;
    for (int d : digits)
        mask = static_cast<std::uint16_t>(mask | 1u << d);
    return mask;
}

RuleCheck CheckOne(const DigitRule& rule, std::size_t last, GuessUse use)
{
    const std::vector<RuleCheck> checks = CheckRules(std::span(&rule, 1), kTenDraws, 3, last, use);
    return checks.front();
}

TEST(BankerRules, TheFamiliesInOrder)
{
    const std::vector<DigitRule> rules = StandardRules(3, 0);
    ASSERT_EQ(rules.size(), 7u + 15u + 5u);
    EXPECT_EQ(RuleLabel(rules.front(), 3), "魔数 a+b");
    EXPECT_EQ(RuleLabel(rules[7], 3), "上1期百位");
    EXPECT_EQ(RuleLabel(rules[21], 3), "上5期个位");
    EXPECT_EQ(RuleLabel(rules.back(), 3), "冷码（10期）");
    const std::vector<DigitRule> withOwn = StandardRules(3, Mask({0, 5}));
    ASSERT_EQ(withOwn.size(), 28u);
    EXPECT_EQ(RuleLabel(withOwn.back(), 3), "固定 0 5");
    // Magic formulas read three digits: other games go without them.
    EXPECT_EQ(StandardRules(5, 0).size(), 25u + 5u);
    EXPECT_EQ(RuleLabel(StandardRules(5, 0)[4], 5), "上1期第5位");
}

TEST(BankerRules, PositionOfADrawBackWorkedOutByHand)
{
    // Units of the draw two back: 8 7 0 6 5 2 1 9 for draws 3..10; draws
    // 6 (062) and 8 (209) hold theirs.
    const DigitRule rule{RuleKind::Position, 0, 2, 2};
    const RuleCheck all = CheckOne(rule, 0, GuessUse::Banker);
    EXPECT_EQ(all.scored, 8);
    EXPECT_EQ(all.hits, 2);
    EXPECT_EQ(all.outcomes, (std::vector<std::int8_t>{-1, -1, 0, 0, 0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(FormatFigure(all.rate, 4), "0.2500");
    EXPECT_EQ(FormatFigure(all.baseline, 3), "0.271");
    ASSERT_TRUE(all.next);
    EXPECT_EQ(*all.next, Mask({3})); // the units of 583

    const RuleCheck five = CheckOne(rule, 5, GuessUse::Banker);
    EXPECT_EQ(five.outcomes, (std::vector<std::int8_t>{1, 0, 1, 0, 0}));
    EXPECT_EQ(five.scored, 5);
    const RuleCheck kill = CheckOne(rule, 5, GuessUse::Kill);
    EXPECT_EQ(kill.hits, 3);
    EXPECT_EQ(FormatFigure(kill.baseline, 3), "0.729");
}

TEST(BankerRules, SumTailSpanAndSpreadWorkedOutByHand)
{
    // Sum tails 6 0 3 2 4 8 2 1 6 name draws 2..10; 490, 336, 209, 674 hold theirs.
    const RuleCheck tail = CheckOne({RuleKind::SumTail}, 0, GuessUse::Banker);
    EXPECT_EQ(tail.hits, 4);
    EXPECT_EQ(tail.scored, 9);
    EXPECT_EQ(*tail.next, Mask({7}));
    // Spans 5 6 9 3 7 6 6 9 5: none comes.
    const RuleCheck span = CheckOne({RuleKind::Span}, 0, GuessUse::Banker);
    EXPECT_EQ(span.hits, 0);
    EXPECT_EQ(*span.next, Mask({3}));
    // {t-1, t, t+1} misses only 062 ({3,4,5}) and 583 ({0,1,2}).
    const RuleCheck spread = CheckOne({RuleKind::SumTailSpread}, 0, GuessUse::Banker);
    EXPECT_EQ(spread.hits, 7);
    EXPECT_EQ(FormatFigure(spread.baseline, 3), "0.657"); // 1 - 0.7^3
    EXPECT_EQ(*spread.next, Mask({6, 7, 8}));
    // Tail 0 wraps to 9 and 1.
    EXPECT_EQ(RuleDigits({RuleKind::SumTailSpread}, kTenDraws, 3, 2), Mask({9, 0, 1}));
}

TEST(BankerRules, MagicHotColdAndOwnDigits)
{
    // (a + b) mod 10: only 336 holds its 3 (from 490).
    const RuleCheck magic = CheckOne({RuleKind::Magic, kMagicSumAB}, 0, GuessUse::Banker);
    EXPECT_EQ(magic.hits, 1);
    EXPECT_EQ(*magic.next, Mask({3}));
    // Over the nine draws before 674, counted by hand: 3 (four times) ranks
    // first, then 5 and 8 of the newest draw; 4, 7 and 6 rank last.
    EXPECT_EQ(RuleDigits({RuleKind::Hot}, kTenDraws, 3, 9), Mask({3, 5, 8}));
    EXPECT_EQ(RuleDigits({RuleKind::Cold}, kTenDraws, 3, 9), Mask({4, 6, 7}));
    EXPECT_EQ(CheckOne({RuleKind::Cold}, 1, GuessUse::Banker).outcomes, std::vector<std::int8_t>{1});
    EXPECT_EQ(CheckOne({RuleKind::Hot}, 1, GuessUse::Banker).outcomes, std::vector<std::int8_t>{0});
    // As 杀, {0, 5} hits the draws holding neither: 127 336 741 674.
    const RuleCheck own = CheckOne({RuleKind::Fixed, 0, 0, 1, Mask({0, 5})}, 0, GuessUse::Kill);
    EXPECT_EQ(own.hits, 4);
    EXPECT_EQ(own.scored, 9);
    EXPECT_EQ(FormatFigure(own.baseline, 4), "0.5120"); // 0.8^3
}

TEST(BankerRules, WithoutTheDrawsARuleNeedsNothingIsScored)
{
    EXPECT_FALSE(RuleDigits({RuleKind::SumTail}, kTenDraws, 3, 0));
    EXPECT_FALSE(RuleDigits({RuleKind::Position, 0, 0, 5}, kTenDraws, 3, 4));
    EXPECT_TRUE(RuleDigits({RuleKind::Position, 0, 0, 5}, kTenDraws, 3, 5));
    EXPECT_FALSE(RuleDigits({RuleKind::SumTail}, kTenDraws, 3, 11));
    const std::vector<std::uint32_t> one = {123};
    const DigitRule rule{RuleKind::Span};
    const RuleCheck check = CheckRules(std::span(&rule, 1), one, 3, 0, GuessUse::Banker).front();
    EXPECT_EQ(check.scored, 0);
    EXPECT_EQ(check.rate, Figure{});
    EXPECT_EQ(check.outcomes, std::vector<std::int8_t>{-1});
    EXPECT_EQ(*check.next, Mask({2}));
    EXPECT_TRUE(CheckRules(std::span(&rule, 1), std::vector<std::uint32_t>{}, 3, 0, GuessUse::Banker).front().outcomes.empty());
}

TEST(BankerRules, BatchCheckAgreesWithEachDrawAskedAlone)
{
    std::mt19937 engine(11);
    std::vector<std::uint32_t> draws(120);
    for (auto& draw : draws)
        draw = engine() % 1000;
    const std::vector<DigitRule> rules = StandardRules(3, Mask({1, 9}));
    for (const GuessUse use : {GuessUse::Banker, GuessUse::Kill}) {
        const std::vector<RuleCheck> checks = CheckRules(rules, draws, 3, 50, use);
        for (std::size_t r = 0; r < rules.size(); ++r) {
            long long hits = 0;
            for (std::size_t i = 0; i < 50; ++i) {
                const std::size_t t = 70 + i;
                const std::optional<std::uint16_t> guessed = RuleDigits(rules[r], draws, 3, t);
                ASSERT_TRUE(guessed);
                const std::uint32_t d = draws[t];
                const bool came = (*guessed >> (d / 100)) & 1 || (*guessed >> (d / 10 % 10)) & 1 || (*guessed >> (d % 10)) & 1;
                const bool hit = use == GuessUse::Banker ? came : !came;
                EXPECT_EQ(checks[r].outcomes[i], hit ? 1 : 0) << RuleLabel(rules[r], 3) << " draw " << t;
                hits += hit;
            }
            EXPECT_EQ(checks[r].hits, hits) << RuleLabel(rules[r], 3);
            EXPECT_EQ(checks[r].next, RuleDigits(rules[r], draws, 3, draws.size()));
        }
    }
}

TEST(BankerRules, DistanceFromChanceInPoints)
{
    EXPECT_EQ(FormatAboveBaseline({30, 100}, {271, 1000}), "+2.9");
    EXPECT_EQ(FormatAboveBaseline({20, 100}, {271, 1000}), "-7.1");
    EXPECT_EQ(FormatAboveBaseline({271, 1000}, {271, 1000}), "0.0");
    EXPECT_EQ(FormatAboveBaseline({27105, 100000}, {271, 1000}), "0.0"); // +0.005 points
    EXPECT_EQ(FormatAboveBaseline({1, 3}, {0, 1}), "+33.3");
    // Rounded, not cut: 17 of 30 is 56.67 %, 29.57 points above 27.1 %; and
    // differences of exactly five hundredths of a point go up either way.
    EXPECT_EQ(FormatAboveBaseline({17, 30}, {271, 1000}), "+29.6");
    EXPECT_EQ(FormatAboveBaseline({2715, 10000}, {271, 1000}), "+0.1");
    EXPECT_EQ(FormatAboveBaseline({2705, 10000}, {271, 1000}), "-0.1");
    EXPECT_EQ(FormatAboveBaseline({2, 30}, {271, 1000}), "-20.4"); // 6.67 %: 20.43 points below
    // The mean chance of guesses of different sizes: 1, then 3 digits, as 胆.
    GuessBaseline mean(3, GuessUse::Banker);
    mean.Add(1);
    mean.Add(3);
    EXPECT_EQ(mean.Mean(), (Figure{271 + 657, 2000}));
    EXPECT_EQ(GuessBaseline(3, GuessUse::Kill).Mean(), Figure{});
}

} // namespace
} // namespace vesk::analysis
