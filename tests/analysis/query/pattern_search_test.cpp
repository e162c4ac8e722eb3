// 特征串查询 against a slow evaluator written from the definition: values by
// hand-written formulas, every t checked on its own, probabilities by
// counting the space.
#include "components/features/analysis/query/pattern_search.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

namespace vesk::analysis {
namespace {

using SlowValue = std::function<std::int64_t(const std::vector<int>&)>;

struct TypeCase {
    filter::ConditionType type;
    SlowValue value;
};

const std::vector<TypeCase>& Types()
{
    static const std::vector<TypeCase> types = {
        {filter::ConditionType::Sum, [](const std::vector<int>& d) { return std::int64_t{d[0] + d[1] + d[2]}; }},
        {filter::ConditionType::Span,
         [](const std::vector<int>& d) { return std::int64_t{*std::max_element(d.begin(), d.end()) - *std::min_element(d.begin(), d.end())}; }},
        {filter::ConditionType::OddCount,
         [](const std::vector<int>& d) { return std::int64_t{d[0] % 2 + d[1] % 2 + d[2] % 2}; }},
    };
    return types;
}

struct SlowSearch {
    std::vector<std::size_t> places;
    std::map<std::int64_t, std::int64_t> counts;     // every value of the space
    std::map<std::int64_t, std::int64_t> spaceCount; // of 1000
};

SlowSearch Slow(const SlowValue& value, const std::vector<std::uint32_t>& draws,
                const std::vector<std::int64_t>& pattern, std::size_t last)
{
    SlowSearch slow;
    for (std::uint32_t code = 0; code < 1000; ++code) {
        ++slow.spaceCount[value(test::DigitsOfCode(code, 3))];
        slow.counts[value(test::DigitsOfCode(code, 3))] = 0;
    }
    const long long h = static_cast<long long>(draws.size());
    const long long n = last == 0 ? h : std::min<long long>(static_cast<long long>(last), h);
    const long long k = static_cast<long long>(pattern.size());
    for (long long t = 0; t < h - 1; ++t) {
        if (t - k + 1 < h - n)
            continue;
        bool same = true;
        for (long long j = 0; j < k; ++j)
            same = same && value(test::DigitsOfCode(draws[static_cast<std::size_t>(t - k + 1 + j)], 3)) == pattern[static_cast<std::size_t>(j)];
        if (!same)
            continue;
        slow.places.push_back(static_cast<std::size_t>(t + 1));
        ++slow.counts[value(test::DigitsOfCode(draws[static_cast<std::size_t>(t + 1)], 3))];
    }
    return slow;
}

void ExpectAgrees(const TypeCase& type, const std::vector<std::uint32_t>& draws,
                  const std::vector<std::int64_t>& pattern, std::size_t last)
{
    SCOPED_TRACE("K " + std::to_string(pattern.size()) + " last " + std::to_string(last));
    filter::Condition condition;
    condition.type = type.type;
    const std::vector<std::int64_t> values = DrawValues(condition, 3, draws);
    const PatternResult result = SearchPattern(condition, 3, values, pattern, last);
    const SlowSearch slow = Slow(type.value, draws, pattern, last);
    EXPECT_EQ(result.places, slow.places);
    ASSERT_EQ(result.summary.size(), slow.counts.size());
    std::size_t i = 0;
    for (const auto& [value, count] : slow.counts) {
        const PatternNext& next = result.summary[i++];
        EXPECT_EQ(next.value, value);
        EXPECT_EQ(next.count, count) << value;
        const long long places = static_cast<long long>(slow.places.size());
        EXPECT_EQ(FormatFigure(next.share, 4), places == 0 ? "0.0000" : test::RoundHalfUp(count, places, 4));
        EXPECT_EQ(FormatFigure(next.probability, 4), test::RoundHalfUp(slow.spaceCount.at(value), 1000, 4));
    }
}

TEST(PatternSearch, AgreesWithTheSlowEvaluatorOnTheSampleHistory)
{
    const std::vector<std::uint32_t> draws = test::SampleDraws();
    ASSERT_EQ(draws.size(), 8374u);
    for (const TypeCase& type : Types()) {
        filter::Condition condition;
        condition.type = type.type;
        const std::vector<std::int64_t> values = DrawValues(condition, 3, draws);
        for (std::size_t k : {1u, 2u, 3u, 10u}) {
            for (std::size_t last : {30u, 100u, 0u})
                ExpectAgrees(type, draws, NewestPattern(values, k), last);
        }
        // A pattern taken from the middle of the history, so places lie near
        // the window's start.
        ExpectAgrees(type, draws, {values.begin() + 8300, values.begin() + 8302}, 70);
    }
}

// Sums of the hand-made history: 3 3 3 3 6 3 3.
const std::vector<std::uint32_t> kSmall = {3, 12, 111, 3, 222, 30, 300};

TEST(PatternSearch, HandMadeHistories)
{
    filter::Condition sum;
    sum.type = filter::ConditionType::Sum;
    const std::vector<std::int64_t> values = DrawValues(sum, 3, kSmall);
    ASSERT_EQ(values, (std::vector<std::int64_t>{3, 3, 3, 3, 6, 3, 3}));
    const std::vector<std::int64_t> three3 = {3, 3};

    // Overlapping places; the pair at the newest two draws has no next draw.
    EXPECT_EQ(SearchPattern(sum, 3, values, three3, 0).places, (std::vector<std::size_t>{2, 3, 4}));
    // The window of the last 5 draws: the pattern must start inside it too.
    EXPECT_EQ(SearchPattern(sum, 3, values, three3, 5).places, (std::vector<std::size_t>{4}));
    EXPECT_EQ(SearchPattern(sum, 3, values, three3, 4).places, (std::vector<std::size_t>{}));
    // The next draw may be the newest; the pattern's draw must be in the window.
    const std::vector<std::int64_t> six3 = {6, 3};
    EXPECT_EQ(SearchPattern(sum, 3, values, six3, 3).places, (std::vector<std::size_t>{6}));
    EXPECT_EQ(SearchPattern(sum, 3, values, six3, 2).places, (std::vector<std::size_t>{}));

    const PatternResult all = SearchPattern(sum, 3, values, three3, 0);
    ASSERT_EQ(all.summary.size(), 28u); // sums 0..27, zero counts included
    EXPECT_EQ(all.summary[3].count, 2);
    EXPECT_EQ(FormatFigure(all.summary[3].share, 4), "0.6667");
    EXPECT_EQ(all.summary[6].count, 1);
    EXPECT_EQ(all.summary[0].count, 0);
    EXPECT_EQ(FormatFigure(all.summary[0].probability, 4), "0.0010");

    // A pattern that never came, and one longer than the history.
    for (const std::vector<std::int64_t>& pattern :
         {std::vector<std::int64_t>{27}, std::vector<std::int64_t>(8, 3), std::vector<std::int64_t>{}}) {
        const PatternResult none = SearchPattern(sum, 3, values, pattern, 0);
        EXPECT_TRUE(none.places.empty());
        ASSERT_EQ(none.summary.size(), 28u);
        EXPECT_EQ(FormatFigure(none.summary[3].share, 4), "0.0000");
    }
    EXPECT_TRUE(NewestPattern(values, 8).empty());
    EXPECT_EQ(NewestPattern(values, 2), three3);
    EXPECT_TRUE(SearchPattern(sum, 3, {}, three3, 0).places.empty());
}

} // namespace
} // namespace vesk::analysis
