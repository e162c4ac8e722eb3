// The formula search against a hand-worked history and a slow evaluator that
// tries every formula draw by draw; the shuffle sequence pinned to values
// worked out apart from the standard library.
#include "components/features/analysis/formula/formula_search.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

namespace vesk::analysis {
namespace {

// Hand-made: f = (a + b) mod 10 names 8, 3, 3, 6, 9, 6, 1, 2, 3 for the
// draws 2..10; only draw 4 (336) holds its digit.
const std::vector<std::uint32_t> kTenDraws = {358, 127, 490, 336, 815, 62, 741, 209, 583, 674};

struct SlowFormula {
    long long hits = 0, longestMiss = 0;
};

SlowFormula SlowEvaluate(const Formula& f, const std::vector<std::uint32_t>& draws, std::size_t last, bool kill)
{
    const std::size_t h = draws.size();
    const std::size_t n = last == 0 ? h : std::min(last, h);
    SlowFormula result;
    long long run = 0;
    for (std::size_t t = h - n; t < h; ++t) {
        if (t == 0)
            continue;
        const std::vector<int> before = test::DigitsOfCode(draws[t - 1], 3);
        const int digit = (f.x * before[0] + f.y * before[1] + f.z * before[2] + f.k) % 10;
        const std::vector<int> after = test::DigitsOfCode(draws[t], 3);
        const bool came = std::count(after.begin(), after.end(), digit) > 0;
        if (came != kill) {
            ++result.hits;
            run = 0;
        } else {
            result.longestMiss = std::max(result.longestMiss, ++run);
        }
    }
    return result;
}

std::vector<std::uint32_t> RandomDraws(std::size_t count, unsigned seed)
{
    std::mt19937 engine(seed);
    std::vector<std::uint32_t> draws(count);
    for (auto& draw : draws)
        draw = engine() % 1000;
    return draws;
}

// The best hits of any formula, slowly.
long long SlowBest(const std::vector<std::uint32_t>& draws, std::size_t last, bool kill)
{
    long long best = 0;
    for (std::size_t i = 0; i < kFormulaCount; ++i)
        best = std::max(best, SlowEvaluate(Formula::FromIndex(i), draws, last, kill).hits);
    return best;
}

TEST(FormulaSearch, SumOfTheFirstTwoDigitsWorkedOutByHand)
{
    const Formula f{1, 1, 0, 0};
    const std::vector<std::int64_t> banker = FormulaHits(ScoredPairs(kTenDraws, 0), GuessUse::Banker);
    const std::vector<std::int64_t> kill = FormulaHits(ScoredPairs(kTenDraws, 0), GuessUse::Kill);
    EXPECT_EQ(banker[f.Index()], 1);
    EXPECT_EQ(kill[f.Index()], 8);
    EXPECT_EQ(FormulaDigit(f, kTenDraws.back()), 3); // 6 + 7

    // Over the last 5 draws (62 .. 674) it never hits as 胆.
    EXPECT_EQ(FormulaHits(ScoredPairs(kTenDraws, 5), GuessUse::Banker)[f.Index()], 0);
    EXPECT_EQ(ScoredPairs(kTenDraws, 5).size(), 5u);
    // The first draw has no draw before it: nine scored of ten.
    EXPECT_EQ(ScoredPairs(kTenDraws, 10).size(), 9u);
    EXPECT_EQ(ScoredPairs(kTenDraws, 30).size(), 9u);
}

TEST(FormulaSearch, RowsCarryRateBaselineMissRunAndNextDigit)
{
    // Every formula's row as the search reports it for the hand-made history.
    const FormulaSearchResult banker = SearchFormulas(kTenDraws, 0, GuessUse::Banker, kFormulaCount, false);
    ASSERT_EQ(banker.top.size(), kFormulaCount);
    EXPECT_EQ(banker.scored, 9);
    const auto row = std::find_if(banker.top.begin(), banker.top.end(),
                                  [](const FormulaRow& r) { return r.formula.Index() == 1100; });
    ASSERT_NE(row, banker.top.end());
    EXPECT_EQ(row->hits, 1);
    EXPECT_EQ(FormatFigure(row->rate, 4), "0.1111");
    EXPECT_EQ(FormatFigure(row->baseline, 3), "0.271");
    EXPECT_EQ(row->longestMiss, 6); // draws 5..10 after the hit at draw 4
    EXPECT_EQ(row->next, 3);

    const FormulaSearchResult kill = SearchFormulas(kTenDraws, 0, GuessUse::Kill, kFormulaCount, false);
    const auto killRow = std::find_if(kill.top.begin(), kill.top.end(),
                                      [](const FormulaRow& r) { return r.formula.Index() == 1100; });
    EXPECT_EQ(killRow->hits, 8);
    EXPECT_EQ(killRow->longestMiss, 1);
    EXPECT_EQ(FormatFigure(killRow->baseline, 3), "0.729");
}

TEST(FormulaSearch, AgreesWithTheSlowEvaluatorOnEveryFormula)
{
    const std::vector<std::uint32_t> draws = RandomDraws(150, 7);
    for (const std::size_t last : {std::size_t{0}, std::size_t{30}, std::size_t{150}, std::size_t{500}}) {
        for (const bool kill : {false, true}) {
            SCOPED_TRACE("last " + std::to_string(last) + (kill ? " 杀" : " 胆"));
            const GuessUse use = kill ? GuessUse::Kill : GuessUse::Banker;
            const std::vector<std::int64_t> hits = FormulaHits(ScoredPairs(draws, last), use);
            std::vector<std::pair<long long, std::size_t>> slow; // (-hits, index): the search's order
            for (std::size_t i = 0; i < kFormulaCount; ++i) {
                const SlowFormula expected = SlowEvaluate(Formula::FromIndex(i), draws, last, kill);
                ASSERT_EQ(hits[i], expected.hits) << i;
                slow.emplace_back(-expected.hits, i);
            }
            std::sort(slow.begin(), slow.end());
            const FormulaSearchResult result = SearchFormulas(draws, last, use, 25, false);
            ASSERT_EQ(result.top.size(), 25u);
            for (std::size_t r = 0; r < 25; ++r) {
                const Formula f = Formula::FromIndex(slow[r].second);
                EXPECT_EQ(result.top[r].formula.Index(), slow[r].second) << r;
                EXPECT_EQ(result.top[r].longestMiss, SlowEvaluate(f, draws, last, kill).longestMiss) << r;
                EXPECT_EQ(result.top[r].next, (f.x * (draws.back() / 100) + f.y * (draws.back() / 10 % 10) +
                                               f.z * (draws.back() % 10) + f.k) % 10);
            }
        }
    }
}

TEST(FormulaSearch, ShuffleSequenceIsPinned)
{
    // Worked out with a Mersenne Twister written apart from the library.
    std::mt19937 engine(kFormulaShuffleSeed);
    EXPECT_EQ(ShuffledOrder(10, engine), (std::vector<std::size_t>{1, 2, 5, 8, 0, 7, 9, 4, 6, 3}));
    EXPECT_EQ(ShuffledOrder(10, engine), (std::vector<std::size_t>{7, 6, 0, 8, 2, 3, 1, 9, 5, 4}));
    EXPECT_TRUE(ShuffledOrder(0, engine).empty());
    EXPECT_EQ(ShuffledOrder(1, engine), std::vector<std::size_t>{0});
}

TEST(FormulaSearch, ShufflesSearchTheWindowsDrawsInShuffledOrder)
{
    const FormulaSearchResult result = SearchFormulas(kTenDraws, 0, GuessUse::Banker, 5, true);
    ASSERT_EQ(result.shuffles.size(), kFormulaShuffles);
    // The first shuffle of the ten draws, searched slowly.
    const std::vector<std::size_t> first = {1, 2, 5, 8, 0, 7, 9, 4, 6, 3};
    std::vector<std::uint32_t> shuffled;
    for (std::size_t i : first)
        shuffled.push_back(kTenDraws[i]);
    EXPECT_EQ(result.shuffles[0].hits, SlowBest(shuffled, 0, false));

    // Mean and maximum of the best rates, exactly.
    long long sum = 0, best = 0;
    for (const ShuffleBest& s : result.shuffles) {
        EXPECT_EQ(s.rate, (Figure{s.hits, 9}));
        sum += s.hits;
        best = std::max<long long>(best, s.hits);
    }
    EXPECT_EQ(result.shuffledMean, (Figure{sum, 20 * 9}));
    EXPECT_EQ(result.shuffledMax, (Figure{best, 9}));

    // A window of the last 6: the four draws before it stay where they are,
    // so the first scored draw is still read from the fourth.
    const FormulaSearchResult part = SearchFormulas(kTenDraws, 6, GuessUse::Kill, 5, true);
    std::mt19937 engine(kFormulaShuffleSeed);
    std::vector<std::uint32_t> sequence(kTenDraws.begin(), kTenDraws.begin() + 4);
    for (std::size_t i : ShuffledOrder(6, engine))
        sequence.push_back(kTenDraws[4 + i]);
    EXPECT_EQ(part.scored, 6);
    EXPECT_EQ(part.shuffles[0].hits, SlowBest(sequence, 6, true));
}

// The twenty shuffles' best hits on these draws add up to no multiple of
// 20, so a mean taken in whole hits would read low; the figure is pinned
// from the slow search of each shuffle.
TEST(FormulaSearch, ShuffledMeanKeepsItsFraction)
{
    const std::vector<std::uint32_t> draws = RandomDraws(40, 11);
    const FormulaSearchResult result = SearchFormulas(draws, 0, GuessUse::Banker, 1, true);
    ASSERT_EQ(result.scored, 39);
    std::mt19937 engine(kFormulaShuffleSeed);
    long long sum = 0;
    for (std::size_t s = 0; s < kFormulaShuffles; ++s) {
        std::vector<std::uint32_t> shuffled;
        for (std::size_t i : ShuffledOrder(draws.size(), engine))
            shuffled.push_back(draws[i]);
        sum += SlowBest(shuffled, 0, false);
    }
    ASSERT_EQ(sum, 451);
    EXPECT_EQ(result.shuffledMean, (Figure{451, 20 * 39}));
    // 451 / 780 = 57.82 %; whole hits per shuffle would give 22 / 39 = 56.41 %.
    EXPECT_EQ(FormatFigure(result.shuffledMean, 2, 100), "57.82");
}

TEST(FormulaSearch, RunsInSlicesToTheSameResult)
{
    const std::vector<std::uint32_t> draws = RandomDraws(80, 3);
    FormulaSearch search(draws, 50, GuessUse::Kill, 20, true);
    EXPECT_EQ(search.StepCount(), 210u);
    std::size_t steps = 0;
    while (search.Step())
        ++steps;
    EXPECT_EQ(steps + 1, 210u);
    EXPECT_TRUE(search.Done());
    EXPECT_FALSE(search.Step());
    const FormulaSearchResult sliced = search.Result();
    const FormulaSearchResult whole = SearchFormulas(draws, 50, GuessUse::Kill, 20, true);
    ASSERT_EQ(sliced.top.size(), whole.top.size());
    for (std::size_t r = 0; r < whole.top.size(); ++r)
        EXPECT_EQ(sliced.top[r].formula.Index(), whole.top[r].formula.Index());
    EXPECT_EQ(sliced.shuffledMean, whole.shuffledMean);
    EXPECT_EQ(FormulaSearch(draws, 0, GuessUse::Banker, 20, false).StepCount(), 10u);
}

TEST(FormulaSearch, TooFewDrawsScoreNothing)
{
    for (const std::vector<std::uint32_t>& draws : {std::vector<std::uint32_t>{}, std::vector<std::uint32_t>{123}}) {
        const FormulaSearchResult result = SearchFormulas(draws, 0, GuessUse::Banker, 3, true);
        EXPECT_EQ(result.scored, 0);
        ASSERT_EQ(result.top.size(), 3u);
        EXPECT_EQ(result.top[0].hits, 0);
        EXPECT_EQ(result.top[0].rate, Figure{});
        EXPECT_EQ(result.shuffledMax, Figure{});
    }
    // A top larger than the formulas gives every formula once.
    EXPECT_EQ(SearchFormulas(kTenDraws, 0, GuessUse::Banker, 20000, false).top.size(), kFormulaCount);
}

} // namespace
} // namespace vesk::analysis
