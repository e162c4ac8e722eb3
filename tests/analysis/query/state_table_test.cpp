// 状态表's values against values written out by hand from the type table's
// definitions, draw by draw, with 重号 and 邻号 taken against the draw before.
#include "components/features/analysis/query/state_table.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace vesk::analysis {
namespace {

std::int64_t SlowValue(filter::ConditionType type, const std::vector<int>& d, const std::vector<int>* before)
{
    using T = filter::ConditionType;
    const auto count = [&](auto&& pick) {
        return static_cast<std::int64_t>(std::count_if(d.begin(), d.end(), pick));
    };
    const int sum = d[0] + d[1] + d[2];
    const std::set<int> distinct(d.begin(), d.end());
    switch (type) {
    case T::Sum: return sum;
    case T::SumTail: return sum % 10;
    case T::Span: return *std::max_element(d.begin(), d.end()) - *std::min_element(d.begin(), d.end());
    case T::OddCount: return count([](int x) { return x % 2 == 1; });
    case T::BigCount: return count([](int x) { return x >= 5; });
    case T::PrimeCount: return count([](int x) { return x == 1 || x == 2 || x == 3 || x == 5 || x == 7; });
    case T::RoadCounts:
        return 100 * count([](int x) { return x % 3 == 0; }) + 10 * count([](int x) { return x % 3 == 1; }) +
               count([](int x) { return x % 3 == 2; });
    case T::DistinctCount: return static_cast<std::int64_t>(distinct.size());
    case T::OddPattern: return 4 * (d[0] % 2) + 2 * (d[1] % 2) + d[2] % 2;
    case T::BigPattern: return 4 * (d[0] >= 5) + 2 * (d[1] >= 5) + (d[2] >= 5);
    case T::RoadPattern: return 100 * (d[0] % 3) + 10 * (d[1] % 3) + d[2] % 3;
    case T::Shape: {
        const auto step = [](int a, int b) { return b > a ? 2 : b == a ? 1 : 0; };
        return 10 * step(d[0], d[1]) + step(d[1], d[2]);
    }
    case T::Repeat:
    case T::Adjacent: {
        if (!before)
            return kNoValue;
        std::int64_t n = 0;
        for (int x : distinct) {
            const auto in = [&](int y) { return std::find(before->begin(), before->end(), y) != before->end(); };
            n += type == T::Repeat ? in(x) : (in(x - 1) && x > 0) || (in(x + 1) && x < 9);
        }
        return n;
    }
    default: ADD_FAILURE() << "no slow value for the type"; return 0;
    }
}

TEST(StateTable, EveryCellAgreesWithTheSlowValuesOnTheSampleHistory)
{
    const std::vector<std::uint32_t> draws = test::SampleDraws();
    const StateValues table = ComputeStateValues(draws, 3);
    for (std::size_t c = 0; c < kStateColumns; ++c) {
        ASSERT_EQ(table.values[c].size(), draws.size());
        for (std::size_t i = 0; i < draws.size(); ++i) {
            const std::vector<int> before = i > 0 ? test::DigitsOfCode(draws[i - 1], 3) : std::vector<int>{};
            ASSERT_EQ(table.values[c][i], SlowValue(kStateColumnList[c].type, test::DigitsOfCode(draws[i], 3),
                                                    i > 0 ? &before : nullptr))
                << kStateColumnList[c].title << " at draw " << i;
        }
    }
}

TEST(StateTable, HistoryColumnsLookOnlyAtTheDrawBefore)
{
    // 重号 of 455 after 577: the 5 once; 邻号: 4 (next to 5) and 5 (none of
    // 4, 6 in 577... 6 is not, 4 is not) gives 1.
    const std::vector<std::uint32_t> draws = {577, 455, 999, 0};
    const StateValues table = ComputeStateValues(draws, 3);
    const std::size_t repeat = 12, adjacent = 13;
    ASSERT_EQ(kStateColumnList[repeat].type, filter::ConditionType::Repeat);
    EXPECT_EQ(table.values[repeat], (std::vector<std::int64_t>{kNoValue, 1, 0, 0}));
    EXPECT_EQ(table.values[adjacent], (std::vector<std::int64_t>{kNoValue, 1, 0, 0}));
    EXPECT_TRUE(ComputeStateValues({}, 3).values[0].empty());
}

TEST(StateTable, ValueCountsCoverTheWindowWithoutEmptyCells)
{
    const std::vector<std::int64_t> column = {kNoValue, 3, 1, 3, 3, 2};
    using Counts = std::vector<std::pair<std::int64_t, std::int64_t>>;
    EXPECT_EQ(ValueCounts(column, 0), (Counts{{1, 1}, {2, 1}, {3, 3}}));
    EXPECT_EQ(ValueCounts(column, 3), (Counts{{2, 1}, {3, 2}}));
    EXPECT_EQ(ValueCounts(column, 100), ValueCounts(column, 0));
    EXPECT_TRUE(ValueCounts({}, 30).empty());
}

} // namespace
} // namespace vesk::analysis
