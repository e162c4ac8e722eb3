// The filter engine at the 7-digit scale, the preview at the 3-digit one and
// the back-test over a history of the sample's length.
// Goals: a 30-condition set in three groups with allowed errors over all
// 10^7 seven-digit numbers in at most 1 s and within 10 times a pass that
// only sums the digits; the preview of a 30-condition set over the 1000
// three-digit numbers under 1 ms.
#include "components/filter/component/run_counter.h"
#include "components/filter/engine/backtest.h"
#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_record.h"
#include "components/filter/engine/preview.h"
#include "numbers/number_list.h"

#include <benchmark/benchmark.h>

#include <random>

namespace vesk::bench {
namespace {

using namespace vesk::filter;

Condition Make(ConditionType type, std::vector<std::int64_t> values, Mode mode = Mode::Keep)
{
    Condition c;
    c.type = type;
    c.values = std::move(values);
    c.mode = mode;
    return c;
}

// Ten conditions per group over the kinds a user mixes: counts and shapes
// of the digit multiset, positions and patterns, a list.
ConditionSet ThirtyConditions(int length)
{
    using T = ConditionType;
    const int L = length;
    Group counts{"counts", true, 0, 2, {}};
    std::vector<std::int64_t> middleSums;
    for (int sum = 3 * L / 2; sum <= 9 * L - 3 * L / 2; ++sum)
        middleSums.push_back(sum);
    counts.conditions = {
        Make(T::Sum, middleSums),
        Make(T::SumTail, {0, 9}, Mode::Exclude), Make(T::Span, {0, 1, 2}, Mode::Exclude),
        Make(T::OddCount, {0, L}, Mode::Exclude), Make(T::BigCount, {0, L}, Mode::Exclude),
        Make(T::PrimeCount, {1, 2, 3}), Make(T::DistinctCount, {1}, Mode::Exclude),
        Make(T::MaxDigit, {0, 1, 2, 3}, Mode::Exclude), Make(T::MinDigit, {7, 8, 9}, Mode::Exclude),
        Make(T::MidDigit, {2, 3, 4, 5, 6, 7}),
    };
    Group places{"places", true, 1, 3, {}};
    Condition position = Make(T::Position, {0, 9}, Mode::Exclude);
    position.position = 0;
    Condition last = Make(T::Position, {4}, Mode::Exclude);
    last.position = L - 1;
    Condition pairSum = Make(T::PairSum, {0, 1, 17, 18}, Mode::Exclude);
    pairSum.pair = {0, 1};
    Condition pairDiff = Make(T::PairDiff, {0}, Mode::Exclude);
    pairDiff.pair = {L - 2, L - 1};
    Condition pairTail = Make(T::PairSumTail, {5});
    pairTail.pair = {1, L - 1};
    places.conditions = {
        position, last, pairSum, pairDiff, pairTail, Make(T::OddPattern, {0, (1 << L) - 1}, Mode::Exclude),
        Make(T::BigPattern, {0}, Mode::Exclude), Make(T::Shape, {0}, Mode::Exclude),
        Make(T::PrimePattern, {1}, Mode::Exclude), Make(T::RoadPattern, {0}, Mode::Exclude),
    };
    Group mixed{"mixed", true, 0, 1, {}};
    Condition contains = Make(T::Contains, {1, 2, 3});
    contains.digits = {1, 5, 8};
    Condition pairs = Make(T::Pairs, {0, 1});
    pairs.pairs = {"12", "55", "39"};
    Condition list = Make(T::List, {}, Mode::Exclude);
    list.numbers = {std::string(static_cast<std::size_t>(L), '1'), std::string(static_cast<std::size_t>(L), '2')};
    Condition grouped = list;
    grouped.group = true;
    mixed.conditions = {
        contains, pairs, list, grouped, Make(T::Consecutive, {L > 5 ? 6 : L}, Mode::Exclude),
        Make(T::DiffCount, {1}, Mode::Exclude), Make(T::RoadCounts, {L * 100}, Mode::Exclude),
        Make(T::DzxCounts, {L * 100}, Mode::Exclude), Make(T::DzxPattern, {0}, Mode::Exclude),
        Make(T::Sum, {0, 1}, Mode::Exclude),
    };
    return {length, {counts, places, mixed}, {}};
}

// Every number of the 7-digit space, ascending, as the workbench holds them.
const NumberList& AllSevenDigitNumbers()
{
    static const NumberList list = [] {
        NumberList all(7);
        all.Resize(10'000'000, 7);
        for (std::uint32_t code = 0; code < 10'000'000; ++code) {
            std::uint8_t d[7];
            for (int i = 6, v = static_cast<int>(code); i >= 0; --i, v /= 10)
                d[i] = static_cast<std::uint8_t>(v % 10);
            all.SetAt(code, d);
        }
        return all;
    }();
    return list;
}

// The baseline: one pass that only sums each number's digits.
void SumDigitsSeven(benchmark::State& state)
{
    const NumberList& all = AllSevenDigitNumbers();
    for (auto _ : state) {
        std::uint64_t total = 0;
        for (std::uint32_t i = 0; i < all.Count(); ++i) {
            const std::uint8_t* d = all.GetAt(i);
            total += d[0] + d[1] + d[2] + d[3] + d[4] + d[5] + d[6];
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(SumDigitsSeven)->Unit(benchmark::kMillisecond);

// Compiling the set for the 7-digit game, then judging every number by its
// digit bytes: the whole cost of a run over the full space.
void FilterSevenDigitSpace(benchmark::State& state)
{
    const NumberList& all = AllSevenDigitNumbers();
    const ConditionSet set = ThirtyConditions(7);
    for (auto _ : state) {
        const auto compiled = Compile(set, 7, nullptr).compiled;
        if (!compiled) {
            state.SkipWithError("the set does not compile");
            return;
        }
        std::uint64_t kept = 0;
        for (std::uint32_t i = 0; i < all.Count(); ++i)
            kept += compiled->PassesDigits(all.GetAt(i)) ? 1 : 0;
        benchmark::DoNotOptimize(kept);
        state.counters["kept"] = static_cast<double>(kept);
    }
}
BENCHMARK(FilterSevenDigitSpace)->Unit(benchmark::kMillisecond);

// The two halves of the run above on their own.
void CompileSevenDigits(benchmark::State& state)
{
    const ConditionSet set = ThirtyConditions(7);
    for (auto _ : state)
        benchmark::DoNotOptimize(Compile(set, 7, nullptr).compiled);
}
BENCHMARK(CompileSevenDigits)->Unit(benchmark::kMillisecond);

void JudgeSevenDigitSpace(benchmark::State& state)
{
    const NumberList& all = AllSevenDigitNumbers();
    const auto compiled = Compile(ThirtyConditions(7), 7, nullptr).compiled;
    for (auto _ : state) {
        std::uint64_t kept = 0;
        for (std::uint32_t i = 0; i < all.Count(); ++i)
            kept += compiled->PassesDigits(all.GetAt(i)) ? 1 : 0;
        benchmark::DoNotOptimize(kept);
    }
}
BENCHMARK(JudgeSevenDigitSpace)->Unit(benchmark::kMillisecond);

// The workbench's run of 10^6 three-digit numbers (a list with repeats)
// against the 30-condition set: the verdicts alone, then the verdicts with
// the counts its report explains.
const std::vector<std::uint32_t>& MillionThreeDigitCodes()
{
    static const std::vector<std::uint32_t> codes = [] {
        std::mt19937 random(7);
        std::uniform_int_distribution<std::uint32_t> code(0, 999);
        std::vector<std::uint32_t> out(1'000'000);
        for (std::uint32_t& c : out)
            c = code(random);
        return out;
    }();
    return codes;
}

void WorkbenchRunThreeDigits(benchmark::State& state)
{
    const auto compiled = Compile(ThirtyConditions(3), 3, nullptr).compiled;
    const std::vector<std::uint32_t>& codes = MillionThreeDigitCodes();
    for (auto _ : state) {
        std::uint64_t kept = 0;
        for (std::uint32_t code : codes)
            kept += compiled->Passes(code) ? 1 : 0;
        benchmark::DoNotOptimize(kept);
    }
}
BENCHMARK(WorkbenchRunThreeDigits)->Unit(benchmark::kMillisecond);

void WorkbenchRunWithReportThreeDigits(benchmark::State& state)
{
    const auto compiled = Compile(ThirtyConditions(3), 3, nullptr).compiled;
    const std::vector<std::uint32_t>& codes = MillionThreeDigitCodes();
    for (auto _ : state) {
        RunCounter counter(*compiled);
        std::uint64_t kept = 0;
        for (std::uint32_t code : codes)
            kept += counter.Add(code) ? 1 : 0;
        benchmark::DoNotOptimize(kept);
        benchmark::DoNotOptimize(counter.Finish());
    }
}
BENCHMARK(WorkbenchRunWithReportThreeDigits)->Unit(benchmark::kMillisecond);

// What the condition window does on every change in the 3-digit game.
void PreviewThreeDigits(benchmark::State& state)
{
    const ConditionSet set = ThirtyConditions(3);
    if (const CompileResult result = Compile(set, 3, nullptr); !result.compiled) {
        state.SkipWithError(result.error.c_str());
        return;
    }
    for (auto _ : state) {
        const auto compiled = Compile(set, 3, nullptr).compiled;
        benchmark::DoNotOptimize(PreviewSet(set, *compiled));
    }
}
BENCHMARK(PreviewThreeDigits)->Unit(benchmark::kMicrosecond);

// The back-test of a set with history conditions over a history as long as
// the sample one: each judged draw builds its history and compiles the set,
// whose pass table also gives the chance baseline. range(0): draws judged.
void BacktestHistorySet(benchmark::State& state)
{
    std::mt19937 rng(20261207);
    std::vector<std::uint32_t> draws(8374);
    for (std::uint32_t& code : draws)
        code = static_cast<std::uint32_t>(rng() % 1000);
    Condition recent = Make(ConditionType::RecentCount, {2, 3});
    recent.window = 5;
    const ConditionSet set{3, {{"history", true, 0, 1, {Make(ConditionType::Sum, {10, 11, 12, 13, 14, 15, 16, 17}),
                                                       Make(ConditionType::Repeat, {0, 1}), recent,
                                                       Make(ConditionType::Omission, {0, 1, 2, 3, 4, 5}, Mode::Exclude),
                                                       Make(ConditionType::SumOmission, {0}, Mode::Exclude)}}},
                           {}};
    for (auto _ : state) {
        const BacktestResult result = Backtest(set, 3, draws, static_cast<std::size_t>(state.range(0)));
        if (!result.ok) {
            state.SkipWithError(result.error.c_str());
            return;
        }
        benchmark::DoNotOptimize(result.keptNumbers);
    }
}
BENCHMARK(BacktestHistorySet)->Arg(30)->Arg(1000)->Unit(benchmark::kMillisecond);

// A history as long as the sample one and a 30-condition set whose third
// group holds ten history conditions.
std::vector<std::uint32_t> SampleSizedDraws()
{
    std::mt19937 rng(20261207);
    std::vector<std::uint32_t> draws(8374);
    for (std::uint32_t& code : draws)
        code = static_cast<std::uint32_t>(rng() % 1000);
    return draws;
}

ConditionSet ThirtyWithHistory()
{
    using T = ConditionType;
    ConditionSet set = ThirtyConditions(3);
    Condition recent = Make(T::RecentCount, {2, 3});
    recent.window = 3;
    Condition wider = Make(T::RecentCount, {0}, Mode::Exclude);
    wider.window = 10;
    Condition contains = Make(T::Contains, {1, 2, 3});
    contains.digits = {1, 5, 8};
    Condition list = Make(T::List, {}, Mode::Exclude);
    list.numbers = {"111", "222"};
    set.groups[2] = {"history", true, 0, 2, {
        Make(T::Repeat, {0, 1}), Make(T::Adjacent, {0}, Mode::Exclude), recent, wider,
        Make(T::Omission, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, Mode::Exclude),
        Make(T::GroupOmission, {0, 1, 2}, Mode::Exclude), Make(T::SumOmission, {0}, Mode::Exclude),
        contains, list, Make(T::DiffCount, {1}, Mode::Exclude),
    }};
    return set;
}

// The back-test of every draw with that set. Goal: under 100 ms.
void BacktestThirtyConditionsAllDraws(benchmark::State& state)
{
    const std::vector<std::uint32_t> draws = SampleSizedDraws();
    const ConditionSet set = ThirtyWithHistory();
    for (auto _ : state) {
        const BacktestResult result = Backtest(set, 3, draws, draws.size());
        if (!result.ok) {
            state.SkipWithError(result.error.c_str());
            return;
        }
        benchmark::DoNotOptimize(result.keptNumbers);
        state.counters["judged"] = static_cast<double>(result.draws.size());
    }
}
BENCHMARK(BacktestThirtyConditionsAllDraws)->Unit(benchmark::kMillisecond);

// Each condition's own record (the condition window's 历史表现) over every
// draw with the same set: 30 conditions, 3 groups and the set. Goal: under
// 100 ms.
void ConditionRecordsThirtyConditionsAllDraws(benchmark::State& state)
{
    const std::vector<std::uint32_t> draws = SampleSizedDraws();
    const ConditionSet set = ThirtyWithHistory();
    for (auto _ : state) {
        const ConditionRecords records = RecordConditions(set, 3, draws, draws.size());
        if (!records.ok) {
            state.SkipWithError(records.error.c_str());
            return;
        }
        benchmark::DoNotOptimize(records.records.back().keptNumbers);
        state.counters["judged"] = static_cast<double>(records.judged);
        state.counters["items"] = static_cast<double>(records.records.size());
    }
}
BENCHMARK(ConditionRecordsThirtyConditionsAllDraws)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vesk::bench
