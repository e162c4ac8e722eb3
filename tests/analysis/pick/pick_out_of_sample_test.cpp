// Smart pick graded on draws the choice did not see: the held-out figure,
// the rule's walk-forward record and the positional product's held-out
// figure, each against the slow evaluator on part of the sample history.
#include "components/features/analysis/pick/pick_table.h"
#include "components/features/analysis/pick/position_pick.h"

#include "tests/analysis/slow_omission.h"
#include "tests/analysis/pick/slow_pick.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace vesk::analysis {
namespace {

// Per place of a history, its classes by the slow evaluator (empty when it
// has none), the label of the draw there and how many numbers have each label.
struct SlowPlaces {
    std::vector<std::vector<int>> classes;
    std::vector<std::string> label;
    std::vector<std::map<std::string, long long>> covered;
};

SlowPlaces Slow(const test::SlowPickParameters& p, const std::vector<std::uint32_t>& draws, std::size_t from)
{
    SlowPlaces places;
    places.classes.resize(draws.size());
    places.label.resize(draws.size());
    places.covered.resize(draws.size());
    for (std::size_t j = from; j < draws.size(); ++j) {
        const std::vector<std::uint32_t> before(draws.begin(), draws.begin() + static_cast<std::ptrdiff_t>(j));
        places.classes[j] = test::SlowClasses(p, before);
        if (places.classes[j].empty())
            continue;
        places.label[j] = test::SlowLabel(p.method, places.classes[j], draws[j]);
        for (std::uint32_t code = 0; code < 1000; ++code)
            ++places.covered[j][test::SlowLabel(p.method, places.classes[j], code)];
    }
    return places;
}

struct SlowScore {
    std::int64_t hits = 0;
    std::size_t scored = 0;
    long long covered = 0;
};

void Score(SlowScore& score, const SlowPlaces& places, std::size_t j, const std::set<std::string>& picked)
{
    if (places.classes[j].empty())
        return;
    ++score.scored;
    score.hits += picked.count(places.label[j]);
    for (const std::string& label : picked) {
        const auto it = places.covered[j].find(label);
        score.covered += it == places.covered[j].end() ? 0 : it->second;
    }
}

void ExpectScore(const PickBackTest& fast, const SlowScore& slow)
{
    EXPECT_EQ(fast.hits, slow.hits);
    EXPECT_EQ(fast.scored, slow.scored);
    if (slow.scored > 0) {
        EXPECT_EQ(fast.baseline, (Figure{slow.covered, static_cast<std::int64_t>(slow.scored) * 1000}));
        EXPECT_EQ(fast.rate, (Figure{slow.hits, static_cast<std::int64_t>(slow.scored)}));
    }
}

const std::vector<std::pair<PickMethod, test::SlowPickParameters>> kMethods = {
    {PickMethod::Neighbour, {"neighbour", 0, 0}},
    {PickMethod::HotCold, {"hot-cold", 10, 0}},
    {PickMethod::Follow, {"follow", 100, 5}},
    {PickMethod::Magic, {"magic", 0, 0}},
};

TEST(PickOutOfSample, HeldOutScoresThePatternsOnTheDrawsBeforeTheWindow)
{
    const std::vector<std::uint32_t> all = test::SampleDraws();
    ASSERT_GT(all.size(), 400u);
    const std::vector<std::uint32_t> draws(all.begin(), all.begin() + 400);
    for (const auto& [method, slowParameters] : kMethods) {
        SCOPED_TRACE(slowParameters.method);
        const PatternSpace space(method, 3);
        const PickParameters parameters = DefaultParameters(method);
        std::vector<bool> picked(space.Size(), false);
        std::set<std::string> labels;
        for (std::size_t p = 0; p < space.Size(); p += 2) {
            picked[p] = true;
            labels.insert(space.Label(p));
        }
        const SlowPlaces places = Slow(slowParameters, draws, 200);
        SlowScore slow;
        for (std::size_t j = 200; j < 300; ++j)
            Score(slow, places, j, labels);
        ExpectScore(BackTestPicked(HeldOutTable(method, parameters, space, draws, 100), space, picked), slow);
        // The window is the whole history: nothing is left to check on.
        EXPECT_EQ(BackTestPicked(HeldOutTable(method, parameters, space, draws, 0), space, picked).scored, 0u);
        EXPECT_EQ(BackTestPicked(HeldOutTable(method, parameters, space, draws, 400), space, picked).scored, 0u);
        // Fewer draws before the window than it holds: all of them.
        EXPECT_LE(BackTestPicked(HeldOutTable(method, parameters, space, draws, 300), space, picked).scored, 100u);
    }
}

TEST(PickOutOfSample, WalkForwardPicksEachDrawFromTheWindowBeforeIt)
{
    const std::vector<std::uint32_t> all = test::SampleDraws();
    ASSERT_GT(all.size(), 300u);
    const std::vector<std::uint32_t> draws(all.begin(), all.begin() + 300);
    const std::size_t ruleWindow = 40;
    const std::size_t count = 30;
    for (const auto& [method, slowParameters] : kMethods) {
        SCOPED_TRACE(slowParameters.method);
        const PatternSpace space(method, 3);
        const PickParameters parameters = DefaultParameters(method);
        const SlowPlaces places = Slow(slowParameters, draws, draws.size() - count - ruleWindow);
        SlowScore slow;
        for (std::size_t i = draws.size() - count; i < draws.size(); ++i) {
            // The rule by its definition: rate over the W draws before i
            // strictly above the mean share the pattern held there.
            std::map<std::string, long long> counts, covered;
            long long scored = 0;
            for (std::size_t j = i - ruleWindow; j < i; ++j) {
                if (places.classes[j].empty())
                    continue;
                ++scored;
                ++counts[places.label[j]];
                for (const auto& [label, n] : places.covered[j])
                    covered[label] += n;
            }
            std::set<std::string> picked;
            for (const auto& [label, n] : counts) {
                if (scored > 0 && n * 1000 > covered[label])
                    picked.insert(label);
            }
            Score(slow, places, i, picked);
        }
        const PickBackTest fast = WalkForwardRule(method, parameters, space, draws, ruleWindow, count);
        ExpectScore(fast, slow);
        EXPECT_GT(fast.scored, 0u);

        // The pick for a draw never sees it: another newest draw leaves
        // every pick, and so the baseline, as it was; only that draw's hit can move.
        std::vector<std::uint32_t> changed = draws;
        changed.back() = (changed.back() * 7 + 311) % 1000;
        const PickBackTest moved = WalkForwardRule(method, parameters, space, changed, ruleWindow, count);
        EXPECT_EQ(moved.baseline, fast.baseline);
        EXPECT_EQ(moved.scored, fast.scored);
        EXPECT_LE(std::abs(moved.hits - fast.hits), 1);
    }
}

TEST(PickOutOfSample, WalkForwardWalksOnlyDrawsWithAWholeWindowBeforeThem)
{
    const std::vector<std::uint32_t> all = test::SampleDraws();
    ASSERT_GT(all.size(), 130u);
    const std::vector<std::uint32_t> draws(all.begin(), all.begin() + 130);
    const PatternSpace space(PickMethod::Neighbour, 3);
    const PickParameters parameters = DefaultParameters(PickMethod::Neighbour);
    // 130 draws, W 100: only the newest 30 have 100 draws before them.
    EXPECT_EQ(WalkForwardRule(PickMethod::Neighbour, parameters, space, draws, 100, 100).scored, 30u);
    EXPECT_EQ(WalkForwardRule(PickMethod::Neighbour, parameters, space, draws, 130, 100).scored, 0u);
    EXPECT_EQ(WalkForwardRule(PickMethod::Neighbour, parameters, space, draws, 100, 5).scored, 5u);
    EXPECT_EQ(WalkForwardRule(PickMethod::Neighbour, parameters, space, std::vector<std::uint32_t>{}, 10, 5).scored, 0u);
}

TEST(PickOutOfSample, RulePicksOnlyPatternsStrictlyAboveTheirBaseline)
{
    PickTable table;
    table.scored = 10;
    table.rows.resize(3);
    table.rows[0].share = {3, 10};
    table.rows[0].baseline = {300, 1000}; // equal: not picked
    table.rows[1].share = {4, 10};
    table.rows[1].baseline = {399, 1000};
    table.rows[2].share = {1, 10};
    table.rows[2].baseline = {2, 10};
    EXPECT_EQ(RulePicks(table), (std::vector<bool>{false, true, false}));
    table.scored = 0;
    EXPECT_EQ(RulePicks(table), (std::vector<bool>{false, false, false}));
}

TEST(PickOutOfSample, HeldOutProductCountsTheDrawsBeforeTheWindow)
{
    const std::vector<std::uint32_t> draws = {123, 456, 129, 789, 120, 999};
    const PositionDigits digits = {0b10, 0b100, 0b1000000001}; // 1, 2, 0 or 9
    const ProductBackTest in = BackTestProduct(digits, draws, 2);
    EXPECT_EQ(in.hits, 1);  // 120
    const ProductBackTest out = HeldOutProduct(digits, draws, 2);
    EXPECT_EQ(out.scored, 2u); // 129 and 789
    EXPECT_EQ(out.hits, 1);
    EXPECT_EQ(out.baseline, (Figure{2, 1000}));
    EXPECT_EQ(HeldOutProduct(digits, draws, 4).scored, 2u); // only two draws before the window
    EXPECT_EQ(HeldOutProduct(digits, draws, 0).scored, 0u);
}

} // namespace
} // namespace vesk::analysis
