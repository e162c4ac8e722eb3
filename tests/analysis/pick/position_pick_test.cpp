// 单选定位: the per-position figures, the product and its back-test.
#include "components/features/analysis/pick/position_pick.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

namespace vesk::analysis {
namespace {

std::uint16_t Mask(std::initializer_list<int> digits)
{
    std::uint16_t mask = 0;
    for (int d : digits)
        mask = static_cast<std::uint16_t>(mask | (1u << d));
    return mask;
}

TEST(PositionPick, FiguresPerPositionAndDigit)
{
    const std::vector<std::uint32_t> draws = {123, 456, 129, 723};
    const auto figures = PositionFigures(draws, 3, 2);
    ASSERT_EQ(figures.size(), 3u);
    // Hundreds 1: last at 129, one draw after it; in the last 2 draws once.
    EXPECT_EQ(figures[0][1].current, 1);
    EXPECT_EQ(figures[0][1].count, 1);
    EXPECT_EQ(figures[0][7].current, 0);
    // Never at the hundreds: the history's length.
    EXPECT_EQ(figures[0][0].current, 4);
    EXPECT_EQ(figures[0][0].count, 0);
    // Tens 2 in 129 and 723: count 2 over W = 2, current 0.
    EXPECT_EQ(figures[1][2].count, 2);
    EXPECT_EQ(figures[1][2].current, 0);
    EXPECT_EQ(figures[2][3].count, 1);
    EXPECT_EQ(figures[2][3].current, 0);
    EXPECT_EQ(figures[2][6].current, 2);
}

TEST(PositionPick, ProductNumbersCountAndMembership)
{
    const PositionDigits digits = {Mask({1, 2}), Mask({3, 4, 5}), Mask({0, 9})};
    EXPECT_EQ(ProductCount(digits), 12u);
    const std::vector<std::uint32_t> numbers = ProductNumbers(digits);
    ASSERT_EQ(numbers.size(), 12u);
    EXPECT_EQ(numbers.front(), 130u);
    EXPECT_EQ(numbers.back(), 259u);
    EXPECT_TRUE(std::is_sorted(numbers.begin(), numbers.end()));
    std::size_t inside = 0;
    for (std::uint32_t code = 0; code < 1000; ++code)
        inside += InProduct(digits, code) ? 1 : 0;
    EXPECT_EQ(inside, 12u);
    // A position without a digit gives nothing.
    const PositionDigits none = {Mask({1}), 0, Mask({2})};
    EXPECT_EQ(ProductCount(none), 0u);
    EXPECT_TRUE(ProductNumbers(none).empty());
    EXPECT_FALSE(InProduct(none, 102));
}

TEST(PositionPick, BackTestOverTheWindow)
{
    const std::vector<std::uint32_t> all = test::SampleDraws();
    const PositionDigits digits = {Mask({0, 1, 2, 3, 4}), Mask({5, 6, 7, 8, 9}), Mask({0, 2, 4, 6, 8})};
    const ProductBackTest test = BackTestProduct(digits, all, 200);
    long long hits = 0;
    for (std::size_t i = all.size() - 200; i < all.size(); ++i) {
        const std::vector<int> d = test::DigitsOfCode(all[i], 3);
        hits += d[0] <= 4 && d[1] >= 5 && d[2] % 2 == 0 ? 1 : 0;
    }
    EXPECT_EQ(test.hits, hits);
    EXPECT_EQ(test.scored, 200u);
    EXPECT_EQ(test.baseline, (Figure{125, 1000}));
    EXPECT_EQ(BackTestProduct(digits, std::vector<std::uint32_t>{}, 30).scored, 0u);
}

} // namespace
} // namespace vesk::analysis
