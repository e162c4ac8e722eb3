// Each smart-pick method's digit classes on small histories worked out by
// hand, and the patterns those classes give.
#include "components/features/analysis/pick/digit_ranking.h"
#include "components/features/analysis/pick/pick_classes.h"
#include "components/features/analysis/pick/pick_patterns.h"

#include <gtest/gtest.h>

#include <vector>

namespace vesk::analysis {
namespace {

using Of = std::array<std::uint8_t, 10>;

DigitClasses ClassesOf(PickMethod method, const std::vector<std::uint32_t>& draws, PickParameters parameters)
{
    const std::optional<DigitClasses> classes = ClassesBefore(method, parameters, draws, 3, draws.size());
    EXPECT_TRUE(classes.has_value());
    return classes.value_or(DigitClasses{});
}

DigitClasses ClassesOf(PickMethod method, const std::vector<std::uint32_t>& draws)
{
    return ClassesOf(method, draws, DefaultParameters(method));
}

TEST(PickClasses, NeighboursStopAtZeroAndNine)
{
    // 传 0 1 9; 邻 2 and 8; 9 is no neighbour of 0 nor 0 of 9.
    EXPECT_EQ(ClassesOf(PickMethod::Neighbour, {190}).of, (Of{0, 0, 1, 2, 2, 2, 2, 2, 1, 0}));
    EXPECT_EQ(ClassesOf(PickMethod::Neighbour, {0}).of, (Of{0, 1, 2, 2, 2, 2, 2, 2, 2, 2}));
    EXPECT_EQ(ClassesOf(PickMethod::Neighbour, {999}).of, (Of{2, 2, 2, 2, 2, 2, 2, 2, 1, 0}));
    // A repeated digit is one 传 digit; only the newest draw counts.
    EXPECT_EQ(ClassesOf(PickMethod::Neighbour, {555, 454}).of, (Of{2, 2, 2, 1, 0, 0, 1, 2, 2, 2}));
}

TEST(PickClasses, RepeatSkipNeedsTwoDrawsAndRepeatWins)
{
    // 复 3 4 5; 隔 1 2 (3 is 复 already); 中 the rest.
    EXPECT_EQ(ClassesOf(PickMethod::RepeatSkip, {123, 345}).of, (Of{2, 1, 1, 0, 0, 0, 2, 2, 2, 2}));
    const std::vector<std::uint32_t> one = {123};
    EXPECT_FALSE(ClassesBefore(PickMethod::RepeatSkip, DefaultParameters(PickMethod::RepeatSkip), one, 3, 1));
    EXPECT_TRUE(ClassesBefore(PickMethod::Neighbour, DefaultParameters(PickMethod::Neighbour), one, 3, 1));
    EXPECT_FALSE(ClassesBefore(PickMethod::Neighbour, DefaultParameters(PickMethod::Neighbour), one, 3, 0));
}

TEST(PickClasses, HotColdAndPyramidFollowTheRankingTies)
{
    // 7 and 1 twice each (787, 112), 1 more recently; then the singles by
    // recency: 3 4 5, 2, 8; then the absent 0 6 9.
    const std::vector<std::uint32_t> draws = {787, 112, 345};
    // Ranking 1 7 3 | 4 5 2 8 | 0 6 9.
    EXPECT_EQ(ClassesOf(PickMethod::HotCold, draws).of, (Of{2, 0, 1, 0, 1, 1, 2, 0, 1, 2}));
    EXPECT_EQ(ClassesOf(PickMethod::Pyramid, draws).of, (Of{3, 0, 2, 1, 2, 2, 3, 1, 3, 3}));
    // W = 1: only 345; 3 4 5 hot, the rest by digit.
    PickParameters one = DefaultParameters(PickMethod::HotCold);
    one.window = 1;
    EXPECT_EQ(ClassesOf(PickMethod::HotCold, draws, one).of, (Of{1, 1, 1, 0, 0, 0, 1, 2, 2, 2}));
}

TEST(PickClasses, FollowScoresCountPairsInsideTheWindowOnly)
{
    // Newest 129. Pairs: 123→456 shares 1 2 with it (4 5 6 get 2 each),
    // 456→178 shares nothing, 178→129 shares 1 (1 2 9 get 1 each).
    const std::vector<std::uint32_t> draws = {123, 456, 178, 129};
    const std::array<std::int64_t, 10> scores = FollowScores(draws, 3, 4, 100);
    EXPECT_EQ(scores, (std::array<std::int64_t, 10>{0, 1, 1, 0, 2, 2, 2, 0, 0, 1}));
    // Top 5: 4 5 6, then 1 and 2 before the tied 9.
    EXPECT_EQ(ClassesOf(PickMethod::Follow, draws).of, (Of{1, 0, 0, 1, 0, 0, 0, 1, 1, 1}));
    // W = 2 keeps the pair 178→129 only: 1 2 9, then 0 and 3 by digit.
    PickParameters two = DefaultParameters(PickMethod::Follow);
    two.window = 2;
    EXPECT_EQ(ClassesOf(PickMethod::Follow, draws, two).of, (Of{0, 0, 0, 0, 1, 1, 1, 1, 1, 0}));
    two.top = 1;
    EXPECT_EQ(ClassesOf(PickMethod::Follow, draws, two).of, (Of{1, 0, 1, 1, 1, 1, 1, 1, 1, 1}));
}

TEST(PickClasses, MagicDigitsOfTheNewestDraw)
{
    // 129: 3 1 0 2 and 1 7 8.
    EXPECT_EQ(ClassesOf(PickMethod::Magic, {555, 129}).of, (Of{0, 0, 0, 0, 1, 1, 1, 0, 0, 1}));
    PickParameters differences = DefaultParameters(PickMethod::Magic);
    differences.formulas = kMagicDiffAB | kMagicDiffBC | kMagicDiffAC;
    EXPECT_EQ(ClassesOf(PickMethod::Magic, {555, 129}, differences).of, (Of{1, 0, 1, 1, 1, 1, 1, 0, 0, 1}));
}

TEST(PickPatterns, LabelsAndSharesOfEachMethod)
{
    const PatternSpace neighbour(PickMethod::Neighbour, 3);
    ASSERT_EQ(neighbour.Size(), 10u);
    EXPECT_EQ(neighbour.Label(0), "003");
    EXPECT_EQ(neighbour.Label(9), "300");
    const PatternSpace pyramid(PickMethod::Pyramid, 3);
    ASSERT_EQ(pyramid.Size(), 20u);
    EXPECT_EQ(pyramid.Label(0), "111");
    EXPECT_TRUE(pyramid.IndexOfLabel("124"));
    EXPECT_FALSE(pyramid.IndexOfLabel("421"));
    const PatternSpace follow(PickMethod::Follow, 3);
    ASSERT_EQ(follow.Size(), 4u);
    EXPECT_EQ(follow.Label(3), "3");

    // 190 newest: 传 0 1 9, 邻 2 8. 112 is two 传 and one 邻.
    const DigitClasses classes = ClassesOf(PickMethod::Neighbour, {190});
    EXPECT_EQ(neighbour.Label(neighbour.PatternOf(classes, 112)), "210");
    EXPECT_EQ(neighbour.Label(neighbour.PatternOf(classes, 7)), "201"); // 007
    // "300": 3^3 numbers; "111": 3! · 3 · 2 · 5.
    EXPECT_EQ(neighbour.SpaceCount(*neighbour.IndexOfLabel("300"), classes), 27u);
    EXPECT_EQ(neighbour.SpaceCount(*neighbour.IndexOfLabel("111"), classes), 180u);
    std::uint64_t total = 0;
    for (std::size_t p = 0; p < neighbour.Size(); ++p)
        total += neighbour.SpaceCount(p, classes);
    EXPECT_EQ(total, 1000u);
    // Counting the space pattern by pattern agrees with the formula.
    for (std::size_t p = 0; p < neighbour.Size(); ++p) {
        std::uint64_t counted = 0;
        for (std::uint32_t code = 0; code < 1000; ++code)
            counted += neighbour.PatternOf(classes, code) == p ? 1 : 0;
        EXPECT_EQ(neighbour.SpaceCount(p, classes), counted) << neighbour.Label(p);
    }
}

TEST(PickMethods, ParametersAreCheckedAndNamesRoundTrip)
{
    for (int m = 0; m < kPickMethodCount; ++m) {
        const auto method = static_cast<PickMethod>(m);
        EXPECT_EQ(ParameterError(method, DefaultParameters(method), 3), "") << m;
        EXPECT_EQ(PickMethodOfName(InfoOf(method).name), method);
        EXPECT_EQ(PickMethodOfCode(CodeOf(method)), method);
    }
    EXPECT_FALSE(PickMethodOfCode(0x37));
    EXPECT_FALSE(PickMethodOfName("hot"));
    PickParameters p = DefaultParameters(PickMethod::HotCold);
    p.window = 0;
    EXPECT_NE(ParameterError(PickMethod::HotCold, p, 3), "");
    p = DefaultParameters(PickMethod::Follow);
    p.top = 10;
    EXPECT_NE(ParameterError(PickMethod::Follow, p, 3), "");
    EXPECT_NE(ParameterError(PickMethod::Magic, DefaultParameters(PickMethod::Magic), 5), "");
}

} // namespace
} // namespace vesk::analysis
