// 直落统计's falls against a slow count written from the definition, on the
// sample history and on small hand-made ones.
#include "components/features/analysis/query/falls.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vesk::analysis {
namespace {

// 0 直落, 1 斜连, 2 other.
int SlowKind(int a, int b)
{
    const int d = std::abs(a - b);
    return d == 0 ? 0 : d == 1 ? 1 : 2;
}

void ExpectAgrees(const std::vector<std::uint32_t>& draws, std::size_t last)
{
    SCOPED_TRACE("last " + std::to_string(last) + " of " + std::to_string(draws.size()));
    const std::vector<PositionFalls> falls = ComputeFalls(draws, 3, last);
    ASSERT_EQ(falls.size(), 3u);
    const long long h = static_cast<long long>(draws.size());
    const long long n = last == 0 ? h : std::min<long long>(static_cast<long long>(last), h);
    for (int p = 0; p < 3; ++p) {
        std::vector<int> kinds; // kinds[i - 1]: the fall into draw i
        for (long long i = 1; i < h; ++i)
            kinds.push_back(SlowKind(test::DigitsOfCode(draws[static_cast<std::size_t>(i - 1)], 3)[static_cast<std::size_t>(p)],
                                     test::DigitsOfCode(draws[static_cast<std::size_t>(i)], 3)[static_cast<std::size_t>(p)]));
        long long counts[3] = {}, scored = 0;
        for (long long i = 1; i < h; ++i) {
            if (i >= h - n) {
                ++counts[kinds[static_cast<std::size_t>(i - 1)]];
                ++scored;
            }
        }
        long long runs[3] = {};
        for (long long i = static_cast<long long>(kinds.size()) - 1; i >= 0 && kinds[static_cast<std::size_t>(i)] == kinds.back(); --i)
            ++runs[kinds.back()];
        const PositionFalls& got = falls[static_cast<std::size_t>(p)];
        EXPECT_EQ(got.scored, scored) << p;
        for (std::size_t k = 0; k < 3; ++k) {
            EXPECT_EQ(got.kinds[k].count, counts[k]) << p << " kind " << k;
            EXPECT_EQ(FormatFigure(got.kinds[k].share, 4), scored == 0 ? "0.0000" : test::RoundHalfUp(counts[k], scored, 4));
            EXPECT_EQ(got.kinds[k].currentRun, runs[k]) << p << " kind " << k;
        }
        EXPECT_EQ(FormatFigure(got.kinds[0].baseline, 2), "0.10");
        EXPECT_EQ(FormatFigure(got.kinds[1].baseline, 2), "0.18");
    }
}

TEST(Falls, AgreesWithTheSlowCount)
{
    const std::vector<std::uint32_t> draws = test::SampleDraws();
    for (std::size_t last : {30u, 100u, 8373u, 0u})
        ExpectAgrees(draws, last);
    for (std::size_t last : {1u, 2u, 0u}) {
        ExpectAgrees({}, last);
        ExpectAgrees({123}, last);
        ExpectAgrees({90, 9, 119, 229, 338}, last);
    }
}

TEST(Falls, HandMadeHistory)
{
    // Units 0 9 9 8 7: 9 after 0 is not 斜连; then 直落, then two 斜连.
    const std::vector<PositionFalls> falls = ComputeFalls(std::vector<std::uint32_t>{0, 9, 9, 8, 7}, 3, 0);
    const PositionFalls& units = falls[2];
    EXPECT_EQ(units.scored, 4);
    EXPECT_EQ(units.kinds[0].count, 1);
    EXPECT_EQ(units.kinds[1].count, 2);
    EXPECT_EQ(units.kinds[2].count, 1);
    EXPECT_EQ(units.kinds[1].currentRun, 2);
    EXPECT_EQ(units.kinds[0].currentRun, 0);
    // The hundreds stay 0: four 直落 in a row.
    EXPECT_EQ(falls[0].kinds[0].currentRun, 4);
    // A window of 2 scores both its draws; the current run still spans the history.
    const std::vector<PositionFalls> two = ComputeFalls(std::vector<std::uint32_t>{0, 9, 9, 8, 7}, 3, 2);
    EXPECT_EQ(two[2].scored, 2);
    EXPECT_EQ(two[2].kinds[1].count, 2);
    EXPECT_EQ(two[0].kinds[0].currentRun, 4);
}

} // namespace
} // namespace vesk::analysis
