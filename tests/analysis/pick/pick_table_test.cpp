// The smart-pick pattern table and back-test against the slow evaluator on
// the sample history, and the generated numbers against the space filtered
// by pattern.
#include "components/features/analysis/pick/digit_ranking.h"
#include "components/features/analysis/pick/pick_numbers.h"
#include "components/features/analysis/pick/pick_table.h"

#include "tests/analysis/slow_omission.h"
#include "tests/analysis/pick/slow_pick.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace vesk::analysis {
namespace {

struct Case {
    PickMethod method;
    PickParameters parameters;
};

std::vector<Case> Cases()
{
    std::vector<Case> cases;
    for (int m = 0; m < kPickMethodCount - 1; ++m)
        cases.push_back({static_cast<PickMethod>(m), DefaultParameters(static_cast<PickMethod>(m))});
    PickParameters wide = DefaultParameters(PickMethod::HotCold);
    wide.window = 3;
    cases.push_back({PickMethod::HotCold, wide});
    PickParameters follow = DefaultParameters(PickMethod::Follow);
    follow.window = 7;
    follow.top = 2;
    cases.push_back({PickMethod::Follow, follow});
    PickParameters magic = DefaultParameters(PickMethod::Magic);
    magic.formulas = kMagicSumABC | kMagicDiffAC;
    cases.push_back({PickMethod::Magic, magic});
    return cases;
}

test::SlowPickParameters SlowOf(const Case& c)
{
    return {std::string(InfoOf(c.method).name), c.parameters.window, c.parameters.top, c.parameters.formulas};
}

std::string Trace(const Case& c)
{
    return std::string(InfoOf(c.method).name) + " W " + std::to_string(c.parameters.window) + " K " +
           std::to_string(c.parameters.top) + " formulas " + std::to_string(c.parameters.formulas);
}

TEST(PickTable, AgreesWithTheSlowEvaluatorOnTheSampleHistory)
{
    const std::vector<std::uint32_t> all = test::SampleDraws();
    ASSERT_GT(all.size(), 1000u);
    for (const Case& c : Cases()) {
        for (std::size_t last : {std::size_t{100}, std::size_t{0}}) {
            // The whole history is slow to re-evaluate: its first 1500 draws
            // stand for it when every draw is scored.
            const std::vector<std::uint32_t> draws(all.begin(), last == 0 ? all.begin() + 1500 : all.end());
            SCOPED_TRACE(Trace(c) + " last " + std::to_string(last));
            const PatternSpace space(c.method, 3);
            const PickTable table = ComputePickTable(c.method, c.parameters, space, draws, last);
            const std::size_t n = last == 0 ? draws.size() : last;
            std::map<std::string, long long> counts, covered;
            std::size_t scored = 0;
            for (std::size_t i = draws.size() - n; i < draws.size(); ++i) {
                const std::vector<std::uint32_t> before(draws.begin(), draws.begin() + static_cast<std::ptrdiff_t>(i));
                const std::vector<int> classes = test::SlowClasses(SlowOf(c), before);
                if (classes.empty())
                    continue;
                ++scored;
                ++counts[test::SlowLabel(std::string(InfoOf(c.method).name), classes, draws[i])];
                for (std::uint32_t code = 0; code < 1000; ++code)
                    ++covered[test::SlowLabel(std::string(InfoOf(c.method).name), classes, code)];
            }
            EXPECT_EQ(table.scored, scored);
            EXPECT_EQ(table.window, n);
            for (std::size_t p = 0; p < space.Size(); ++p) {
                const std::string& label = space.Label(p);
                EXPECT_EQ(table.rows[p].count, counts[label]) << label;
                EXPECT_EQ(table.rows[p].share, (Figure{counts[label], static_cast<std::int64_t>(scored)})) << label;
                EXPECT_EQ(table.rows[p].baseline, (Figure{covered[label], static_cast<std::int64_t>(scored) * 1000})) << label;
            }
            // The next draw's classes and the space shares under them.
            const std::vector<int> next = test::SlowClasses(SlowOf(c), draws);
            ASSERT_TRUE(table.next.has_value());
            std::map<std::string, long long> nextCovered;
            for (std::uint32_t code = 0; code < 1000; ++code)
                ++nextCovered[test::SlowLabel(std::string(InfoOf(c.method).name), next, code)];
            for (std::size_t p = 0; p < space.Size(); ++p)
                EXPECT_EQ(table.rows[p].spaceShare, (Figure{nextCovered[space.Label(p)], 1000})) << space.Label(p);
        }
    }
}

TEST(PickTable, NoDrawSeesItsOwnFuture)
{
    const std::vector<std::uint32_t> all = test::SampleDraws();
    std::vector<std::uint32_t> draws(all.begin(), all.begin() + 400);
    for (const Case& c : Cases()) {
        SCOPED_TRACE(Trace(c));
        for (std::size_t place : {std::size_t{1}, std::size_t{2}, std::size_t{57}, std::size_t{399}}) {
            std::vector<std::uint32_t> changed = draws;
            for (std::size_t i = place; i < changed.size(); ++i)
                changed[i] = (changed[i] * 7 + 311) % 1000;
            const auto a = ClassesBefore(c.method, c.parameters, draws, 3, place);
            const auto b = ClassesBefore(c.method, c.parameters, changed, 3, place);
            ASSERT_EQ(a.has_value(), b.has_value()) << place;
            if (a) {
                EXPECT_EQ(a->of, b->of) << place;
            }
        }
    }
}

TEST(PickTable, TheMovingCountsGiveWhatCountingAfreshGives)
{
    const std::vector<std::uint32_t> all = test::SampleDraws();
    const std::vector<std::uint32_t> draws(all.begin(), all.begin() + 600);
    for (PickMethod method : {PickMethod::HotCold, PickMethod::Pyramid, PickMethod::Follow}) {
        for (std::size_t w : {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{10}, std::size_t{100}}) {
            SCOPED_TRACE(std::string(InfoOf(method).name) + " W " + std::to_string(w));
            PickParameters parameters = DefaultParameters(method);
            parameters.window = w;
            PlaceClassifier classifier(method, parameters, draws, 3);
            for (std::size_t end = 0; end <= draws.size(); ++end) {
                const auto moved = classifier.At(end);
                const auto fresh = ClassesBefore(method, parameters, draws, 3, end);
                ASSERT_EQ(moved.has_value(), fresh.has_value()) << end;
                if (moved) {
                    ASSERT_EQ(moved->of, fresh->of) << end;
                }
            }
            // A step back starts the counts again.
            const auto back = classifier.At(7);
            ASSERT_TRUE(back);
            EXPECT_EQ(back->of, ClassesBefore(method, parameters, draws, 3, 7)->of);
        }
    }
}

TEST(PickTable, ScoredDrawsWithoutTheirHistoryAreLeftOut)
{
    const std::vector<std::uint32_t> draws = {123, 345, 567};
    const PatternSpace space(PickMethod::RepeatSkip, 3);
    const PickTable table = ComputePickTable(PickMethod::RepeatSkip, {}, space, draws, 0);
    EXPECT_EQ(table.window, 3u);
    EXPECT_EQ(table.scored, 1u); // only 567 has two draws before it
    // 567 under 复 3 4 5, 隔 1 2: one 复 (5), two 中.
    EXPECT_EQ(table.rows[*space.IndexOfLabel("102")].count, 1);
    const PickTable empty = ComputePickTable(PickMethod::RepeatSkip, {}, space, std::vector<std::uint32_t>{}, 0);
    EXPECT_EQ(empty.scored, 0u);
    EXPECT_FALSE(empty.next.has_value());
    EXPECT_EQ(empty.rows[0].share, (Figure{0, 1}));
    EXPECT_EQ(empty.rows[0].baseline, (Figure{0, 1}));
}

TEST(PickTable, BackTestSumsThePickedPatterns)
{
    const std::vector<std::uint32_t> all = test::SampleDraws();
    const PatternSpace space(PickMethod::HotCold, 3);
    const PickTable table = ComputePickTable(PickMethod::HotCold, DefaultParameters(PickMethod::HotCold), space, all, 500);
    std::vector<bool> picked(space.Size(), false);
    EXPECT_EQ(BackTestPicked(table, space, picked).hits, 0);
    std::vector<bool> every(space.Size(), true);
    const PickBackTest whole = BackTestPicked(table, space, every);
    EXPECT_EQ(whole.hits, 500);
    EXPECT_EQ(whole.rate, (Figure{1, 1}));
    EXPECT_EQ(whole.baseline, (Figure{1, 1}));
    picked[*space.IndexOfLabel("111")] = true;
    picked[*space.IndexOfLabel("210")] = true;
    const PickBackTest two = BackTestPicked(table, space, picked);
    EXPECT_EQ(two.hits, table.rows[*space.IndexOfLabel("111")].count + table.rows[*space.IndexOfLabel("210")].count);
    EXPECT_EQ(two.scored, 500u);
    const Figure sum{static_cast<std::int64_t>(table.baselineCounts[*space.IndexOfLabel("111")] +
                                               table.baselineCounts[*space.IndexOfLabel("210")]),
                     500 * 1000};
    EXPECT_EQ(two.baseline, sum);
}

TEST(PickNumbers, AreTheSpaceFilteredByPattern)
{
    const std::vector<std::uint32_t> all = test::SampleDraws();
    for (const Case& c : Cases()) {
        SCOPED_TRACE(Trace(c));
        const PatternSpace space(c.method, 3);
        const PickTable table = ComputePickTable(c.method, c.parameters, space, all, 30);
        ASSERT_TRUE(table.next);
        const std::vector<int> slow = test::SlowClasses(SlowOf(c), all);
        // Every other pattern picked.
        std::vector<bool> picked(space.Size(), false);
        std::set<std::string> labels;
        for (std::size_t p = 0; p < space.Size(); p += 2) {
            picked[p] = true;
            labels.insert(space.Label(p));
        }
        std::vector<std::uint32_t> expected;
        for (std::uint32_t code = 0; code < 1000; ++code) {
            if (labels.count(test::SlowLabel(std::string(InfoOf(c.method).name), slow, code)))
                expected.push_back(code);
        }
        const std::vector<std::uint32_t> numbers = PickedNumbers(space, *table.next, picked);
        EXPECT_EQ(numbers, expected);
        std::uint64_t counted = 0;
        for (std::size_t p = 0; p < space.Size(); p += 2)
            counted += space.SpaceCount(p, *table.next);
        EXPECT_EQ(numbers.size(), counted);

        std::set<std::uint32_t> groups;
        for (std::uint32_t code : expected) {
            std::vector<int> d = test::DigitsOfCode(code, 3);
            std::sort(d.begin(), d.end());
            groups.insert(static_cast<std::uint32_t>(d[0] * 100 + d[1] * 10 + d[2]));
        }
        EXPECT_EQ(GroupsOf(numbers, 3), std::vector<std::uint32_t>(groups.begin(), groups.end()));
    }
    const PatternSpace space(PickMethod::Magic, 3);
    EXPECT_TRUE(PickedNumbers(space, DigitClasses{{}, 2}, std::vector<bool>(space.Size(), false)).empty());
}

} // namespace
} // namespace vesk::analysis
