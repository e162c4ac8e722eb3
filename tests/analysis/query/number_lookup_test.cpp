// 号码查询's figures against a slow evaluator: the straight and group
// predicates run through the omission statistics' own slow evaluator.
#include "components/features/analysis/query/number_lookup.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vesk::analysis {
namespace {

std::vector<int> Sorted(std::vector<int> digits)
{
    std::sort(digits.begin(), digits.end());
    return digits;
}

void ExpectFigures(const LookupFigures& got, const test::Predicate& holds, const std::vector<std::uint32_t>& draws,
                   std::size_t last)
{
    const test::SlowRow slow = test::SlowOmission(holds, draws, last, 3);
    EXPECT_EQ(got.hits, slow.hits);
    EXPECT_EQ(got.current, slow.current);
    EXPECT_EQ(got.maximum, slow.maximum);
    std::vector<std::size_t> listed;
    std::optional<std::size_t> newest;
    const std::size_t start = draws.size() - (last == 0 ? draws.size() : std::min(last, draws.size()));
    for (std::size_t i = 0; i < draws.size(); ++i) {
        if (!holds(test::DigitsOfCode(draws[i], 3)))
            continue;
        newest = i;
        if (i >= start)
            listed.push_back(i);
    }
    EXPECT_EQ(got.draws, listed);
    EXPECT_EQ(got.lastDraw, newest);
}

void ExpectAgrees(std::uint32_t number, const std::vector<std::uint32_t>& draws, std::size_t last)
{
    SCOPED_TRACE(std::to_string(number) + " last " + std::to_string(last) + " of " + std::to_string(draws.size()));
    const NumberLookup got = LookUpNumber(number, 3, draws, last);
    const std::vector<int> digits = test::DigitsOfCode(number, 3);
    {
        SCOPED_TRACE("straight");
        ExpectFigures(got.straight, [&](const std::vector<int>& d) { return d == digits; }, draws, last);
    }
    {
        SCOPED_TRACE("group");
        ExpectFigures(got.group, [&](const std::vector<int>& d) { return Sorted(d) == Sorted(digits); }, draws, last);
    }
}

TEST(NumberLookup, AgreesWithTheSlowEvaluator)
{
    const std::vector<std::uint32_t> draws = test::SampleDraws();
    for (std::uint32_t number : {0u, 111u, 123u, 321u, 455u, 894u, 909u, draws.back(), draws.front()})
        for (std::size_t last : {30u, 100u, 0u})
            ExpectAgrees(number, draws, last);
    const std::vector<std::uint32_t> small = {123, 321, 5, 123, 500, 50};
    for (std::uint32_t number : {123u, 213u, 5u, 50u, 999u})
        for (std::size_t last : {1u, 2u, 3u, 0u})
            ExpectAgrees(number, small, last);
    ExpectAgrees(123, {}, 0);
}

TEST(NumberLookup, HandMadeHistory)
{
    // 123 straight at 0 and 3; as a group also at 1 (321).
    const std::vector<std::uint32_t> small = {123, 321, 5, 123, 500, 50};
    const NumberLookup all = LookUpNumber(123, 3, small, 0);
    EXPECT_EQ(all.straight.draws, (std::vector<std::size_t>{0, 3}));
    EXPECT_EQ(all.straight.current, 2);
    EXPECT_EQ(all.straight.maximum, 2);
    EXPECT_EQ(all.group.draws, (std::vector<std::size_t>{0, 1, 3}));
    EXPECT_EQ(all.group.maximum, 2);
    // A window of 1: no hit inside, but the newest hit is still named and
    // the run that reaches the window counts whole.
    const NumberLookup one = LookUpNumber(123, 3, small, 1);
    EXPECT_EQ(one.straight.hits, 0);
    EXPECT_EQ(one.straight.lastDraw, std::optional<std::size_t>{3});
    EXPECT_EQ(one.straight.maximum, 2);
    // Never drawn: the current run is the history's length.
    EXPECT_EQ(LookUpNumber(999, 3, small, 0).group.current, 6);
    EXPECT_FALSE(LookUpNumber(999, 3, small, 0).group.lastDraw);
}

} // namespace
} // namespace vesk::analysis
