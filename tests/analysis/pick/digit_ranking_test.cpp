// The digit ranking and magic digits on small histories worked out by hand.
#include "components/features/analysis/pick/digit_ranking.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesk::analysis {
namespace {

using Order = std::array<int, kDigitCount>;

TEST(DigitRanking, CountsByPositionSoARepeatedDigitCountsTwice)
{
    const std::vector<std::uint32_t> draws = {112};
    const DigitRanking r = RankDigits(draws, 3, 1, 10);
    EXPECT_EQ(r.counts[1], 2);
    EXPECT_EQ(r.counts[2], 1);
    EXPECT_EQ(r.order, (Order{1, 2, 0, 3, 4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(r.drawsUsed, 1u);
}

TEST(DigitRanking, TiesGoToTheMoreRecentAppearanceThenTheSmallerDigit)
{
    // Every present digit once; 4 5 6 are the newest, absent digits last.
    const std::vector<std::uint32_t> draws = {321, 654};
    const DigitRanking r = RankDigits(draws, 3, 2, 10);
    EXPECT_EQ(r.order, (Order{4, 5, 6, 1, 2, 3, 0, 7, 8, 9}));
    const Order rank = RankOfDigits(r);
    EXPECT_EQ(HeatOfRank(rank[6]), HeatClass::Hot);
    EXPECT_EQ(HeatOfRank(rank[0]), HeatClass::Warm);
    EXPECT_EQ(HeatOfRank(rank[7]), HeatClass::Cold);
}

TEST(DigitRanking, RecencyIsTheLatestAppearanceNotTheFirst)
{
    // 7 and 8 twice each: 7 appeared first but also in the newest draw.
    const std::vector<std::uint32_t> draws = {712, 834, 856, 790};
    const DigitRanking r = RankDigits(draws, 3, 4, 10);
    EXPECT_EQ(r.order, (Order{7, 8, 0, 9, 5, 6, 3, 4, 1, 2}));
}

TEST(DigitRanking, LooksOnlyAtTheWindowBeforeEnd)
{
    const std::vector<std::uint32_t> draws = {999, 123, 456, 999};
    // W = 2 before place 3: 123 and 456 only, the older and the later 999 unseen.
    const DigitRanking r = RankDigits(draws, 3, 3, 2);
    EXPECT_EQ(r.counts[9], 0);
    EXPECT_EQ(r.drawsUsed, 2u);
    EXPECT_EQ(r.order[9], 9);
    // Fewer draws than W before the place: all of them.
    EXPECT_EQ(RankDigits(draws, 3, 1, 10).counts[9], 3);
    const DigitRanking none = RankDigits(draws, 3, 0, 10);
    EXPECT_EQ(none.drawsUsed, 0u);
    EXPECT_EQ(none.order, (Order{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}));
    // A place past the end is clamped, never read beyond the history.
    EXPECT_EQ(RankDigits(draws, 3, 99, 10).drawsUsed, 4u);
}

TEST(DigitRanking, ClassBoundaries)
{
    const int heat[kDigitCount] = {0, 0, 0, 1, 1, 1, 1, 2, 2, 2};
    const int layer[kDigitCount] = {1, 2, 2, 3, 3, 3, 4, 4, 4, 4};
    for (int rank = 0; rank < kDigitCount; ++rank) {
        EXPECT_EQ(static_cast<int>(HeatOfRank(rank)), heat[rank]) << rank;
        EXPECT_EQ(PyramidLayerOfRank(rank), layer[rank]) << rank;
    }
}

TEST(MagicDigits, EachFormulaAndTheDistinctResults)
{
    // 1 2 9: sums 3, 1, 0, 2; differences 1, 7, 8.
    EXPECT_EQ(MagicDigits(1, 2, 9, kAllMagicFormulas), (1u << 0) | (1u << 1) | (1u << 2) | (1u << 3) | (1u << 7) | (1u << 8));
    EXPECT_EQ(MagicDigits(1, 2, 9, kMagicSumAB), 1u << 3);
    EXPECT_EQ(MagicDigits(1, 2, 9, kMagicSumBC), 1u << 1);
    EXPECT_EQ(MagicDigits(1, 2, 9, kMagicSumAC), 1u << 0);
    EXPECT_EQ(MagicDigits(1, 2, 9, kMagicSumABC), 1u << 2);
    EXPECT_EQ(MagicDigits(1, 2, 9, kMagicDiffAB), 1u << 1);
    EXPECT_EQ(MagicDigits(1, 2, 9, kMagicDiffBC), 1u << 7);
    EXPECT_EQ(MagicDigits(1, 2, 9, kMagicDiffAC), 1u << 8);
    EXPECT_EQ(MagicDigits(1, 2, 9, 0), 0u);
    // 555: every sum 0 or 5, every difference 0.
    EXPECT_EQ(MagicDigits(5, 5, 5, kAllMagicFormulas), (1u << 0) | (1u << 5));
}

} // namespace
} // namespace vesk::analysis
