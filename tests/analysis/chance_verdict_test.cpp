// The back-test verdict against chance: exact one-sided binomial p-values,
// drawn at 1 %, and the lines the windows show.
#include "components/features/analysis/chance_verdict.h"

#include <gtest/gtest.h>

namespace vesk::analysis {
namespace {

TEST(ChanceVerdict, CallsARateHigherOrLowerOnlyBelowOnePercent)
{
    const Figure quarter{1, 4};
    EXPECT_EQ(JudgeAgainstChance(0, 0, quarter).verdict, ChanceVerdict::NothingScored);
    // 100 draws at 1/4, by the exact sums: P(X >= 36) = 0.00941,
    // P(X >= 35) = 0.0165; P(X <= 14) = 0.00542, P(X <= 15) = 0.0111.
    EXPECT_EQ(JudgeAgainstChance(36, 100, quarter).verdict, ChanceVerdict::Higher);
    EXPECT_NEAR(JudgeAgainstChance(36, 100, quarter).p, 0.0094070, 1e-6);
    EXPECT_EQ(JudgeAgainstChance(35, 100, quarter).verdict, ChanceVerdict::WithinChance);
    EXPECT_EQ(JudgeAgainstChance(25, 100, quarter).verdict, ChanceVerdict::WithinChance);
    EXPECT_EQ(JudgeAgainstChance(15, 100, quarter).verdict, ChanceVerdict::WithinChance);
    EXPECT_EQ(JudgeAgainstChance(14, 100, quarter).verdict, ChanceVerdict::Lower);
    EXPECT_NEAR(JudgeAgainstChance(14, 100, quarter).p, 0.0054208, 1e-6);
    // Six hits in 100 at 2.7 % is 2.2 of chance's standard deviations above
    // it, yet chance gives it 5.4 % of the time.
    const ChanceTest six = JudgeAgainstChance(6, 100, Figure{27, 1000});
    EXPECT_EQ(six.verdict, ChanceVerdict::WithinChance);
    EXPECT_NEAR(six.p, 0.0542050, 1e-6);
    // With no chance at all any hit is real, and none is what chance gives.
    EXPECT_EQ(JudgeAgainstChance(1, 100, Figure{0, 1}).verdict, ChanceVerdict::Higher);
    EXPECT_EQ(JudgeAgainstChance(0, 100, Figure{0, 1}).verdict, ChanceVerdict::WithinChance);
    EXPECT_EQ(JudgeAgainstChance(100, 100, Figure{1, 1}).verdict, ChanceVerdict::WithinChance);
}

TEST(ChanceVerdict, LinesShowRateBaselinePAndVerdict)
{
    EXPECT_EQ(BackTestText("检验", "近100期", 27, 99, Figure{251, 1000}),
              "检验 近100期（计分99期）：命中 27 期 27.3% · 随机基准 25.1% · 单侧 p = 0.3450 · 在随机波动之内");
    EXPECT_EQ(BackTestText("回测", "近100期", 36, 100, Figure{1, 4}),
              "回测 近100期（计分100期）：命中 36 期 36.0% · 随机基准 25.0% · 单侧 p = 0.0094 · 高于随机");
    EXPECT_EQ(BackTestText("回测", "近100期", 14, 100, Figure{1, 4}),
              "回测 近100期（计分100期）：命中 14 期 14.0% · 随机基准 25.0% · 单侧 p = 0.0054 · 低于随机");
    EXPECT_EQ(BackTestText("回测", "近30期", 0, 0, Figure{1, 4}), "回测 近30期：没有可计分的期（方法需要更早的开奖）");
    // Fewer than 30 scored draws say so beside the rate; 30 do not.
    EXPECT_EQ(HitsText(9, 20, Figure{1, 4}), "命中 9 期 45.0% · 随机基准 25.0%（样本少于 30 期）");
    EXPECT_EQ(HitsText(9, 30, Figure{1, 4}), "命中 9 期 30.0% · 随机基准 25.0%");
    EXPECT_EQ(InSampleText("近20期", 9, 20, Figure{1, 4}),
              "挑选所用 近20期（计分20期）：命中 9 期 45.0% · 随机基准 25.0%（样本少于 30 期）"
              "（是看着这些期选的，这里的命中率说明不了好坏）");
}

TEST(ChanceVerdict, WilsonIntervalsWorkedOutByHand)
{
    // (p + z²/2n ± z·sqrt(p(1-p)/n + z²/4n²)) / (1 + z²/n), z = 1.96.
    EXPECT_NEAR(Wilson95(5, 20).low, 0.1118617, 1e-6);
    EXPECT_NEAR(Wilson95(5, 20).high, 0.4687009, 1e-6);
    EXPECT_NEAR(Wilson95(27, 99).low, 0.1947240, 1e-6);
    EXPECT_NEAR(Wilson95(27, 99).high, 0.3677092, 1e-6);
    // The ends stay inside [0, 1] and still have width.
    EXPECT_EQ(Wilson95(0, 10).low, 0);
    EXPECT_NEAR(Wilson95(0, 10).high, 0.2775328, 1e-6);
    EXPECT_NEAR(Wilson95(10, 10).low, 0.7224672, 1e-6);
    EXPECT_LE(Wilson95(10, 10).high, 1);
    EXPECT_EQ(IntervalText(5, 20), "11.2%–46.9%");
    EXPECT_EQ(IntervalText(0, 0), "-");
}

} // namespace
} // namespace vesk::analysis
