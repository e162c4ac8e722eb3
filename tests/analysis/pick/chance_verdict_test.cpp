// The back-test verdict against chance.
#include "components/features/analysis/pick/chance_verdict.h"

#include <gtest/gtest.h>

namespace vesk::analysis {
namespace {

TEST(ChanceVerdict, SaysWhenAGuessDoesNoBetterThanChance)
{
    const Figure quarter{1, 4};
    EXPECT_EQ(JudgeAgainstChance(0, 0, quarter), ChanceVerdict::NothingScored);
    EXPECT_EQ(JudgeAgainstChance(25, 100, quarter), ChanceVerdict::NoBetter); // equal is no better
    EXPECT_EQ(JudgeAgainstChance(20, 100, quarter), ChanceVerdict::NoBetter);
    // sd of 100 draws at 1/4: 4.33; 33 hits is 1.85 sd above, 34 is 2.08.
    EXPECT_EQ(JudgeAgainstChance(33, 100, quarter), ChanceVerdict::WithinChance);
    EXPECT_EQ(JudgeAgainstChance(34, 100, quarter), ChanceVerdict::Better);
    EXPECT_EQ(JudgeAgainstChance(1, 100, Figure{0, 1}), ChanceVerdict::Better);
}

TEST(ChanceVerdict, LineShowsRateBaselineAndVerdict)
{
    EXPECT_EQ(BackTestText("近100期", 27, 99, Figure{251, 1000}),
              "回测 近100期（计分99期）：命中 27 期 27.3% · 随机基准 25.1% · 高出部分在随机波动之内");
    EXPECT_EQ(BackTestText("近30期", 5, 30, Figure{1, 4}), "回测 近30期（计分30期）：命中 5 期 16.7% · 随机基准 25.0% · 不比随机好");
    EXPECT_EQ(BackTestText("近30期", 0, 0, Figure{1, 4}), "回测 近30期：没有可计分的期（方法需要更早的开奖）");
}

} // namespace
} // namespace vesk::analysis
