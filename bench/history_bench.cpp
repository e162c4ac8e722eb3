// The result page's undo history at a million numbers: an undo or redo step
// rebuilds both lists from their snapshots, which should cost little more
// than copying the lists' bytes once; and a hundred recorded steps stay
// within the history's memory budget.
#include "bench_data.h"

#include "pages/history/undo_history.h"

#include <random>

namespace vesk::bench {
namespace {

constexpr Scale kMillion{1'000'000, 3};

// Two states of the lists, two million numbers in all either way: of the
// same sizes (edits, conversions), or of other sizes, as after a filter run
// that moved half the result list into the recycle list.
struct TwoStates {
    NumberList result[2];
    NumberList recycle[2];

    explicit TwoStates(bool resized)
    {
        result[0] = RandomList(kMillion, 1);
        recycle[0] = RandomList(kMillion, 2);
        result[1] = RandomList({resized ? 500'000u : 1'000'000u, 3}, 3);
        recycle[1] = RandomList({resized ? 1'500'000u : 1'000'000u, 3}, 4);
    }
};

void SetBytes(benchmark::State& state)
{
    state.SetBytesProcessed(state.iterations() * std::int64_t(2 * kMillion.count) * (3 + NumberList::kTagSize));
}

// The goal's yardstick: one copy of the bytes of the lists a step rebuilds,
// alternating between the states as the steps do. Lists of unchanged sizes
// are copied into the room they have; resized ones into new lists.
void CopyBothLists(benchmark::State& state)
{
    const bool resized = state.range(0) == 1;
    const TwoStates states(resized);
    NumberList result = states.result[0];
    NumberList recycle = states.recycle[0];
    int next = 1;
    for (auto _ : state) {
        if (resized) {
            result = NumberList();
            recycle = NumberList();
        }
        result.CopyFrom(states.result[next]);
        recycle.CopyFrom(states.recycle[next]);
        next = 1 - next;
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(CopyBothLists)->ArgName("resized")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// Undo and redo in turn between the two states: both lists rebuilt from
// their snapshots each step.
void UndoOrRedoStep(benchmark::State& state)
{
    const TwoStates states(state.range(0) == 1);
    history::UndoHistory history;
    NumberList result = states.result[0];
    NumberList recycle = states.recycle[0];
    history.Record(result, recycle);
    result = states.result[1];
    recycle = states.recycle[1];
    history.Record(result, recycle);
    bool undo = true;
    for (auto _ : state) {
        const bool moved = undo ? history.Undo(result, recycle) : history.Redo(result, recycle);
        if (!moved)
            state.SkipWithError("the history did not move");
        undo = !undo;
        benchmark::ClobberMemory();
    }
    SetBytes(state);
}
BENCHMARK(UndoOrRedoStep)->ArgName("resized")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A hundred edits of one number in a million, the recycle list changing
// every tenth step: what the history holds afterwards against its budget.
void HundredRecordedSteps(benchmark::State& state)
{
    const NumberList start = RandomList(kMillion, 1);
    std::size_t memory = 0;
    std::size_t kept = 0;
    std::size_t budget = 0;
    for (auto _ : state) {
        state.PauseTiming();
        NumberList result = start;
        NumberList recycle = RandomList(kMillion, 2);
        history::UndoHistory history;
        std::mt19937 random(5);
        state.ResumeTiming();
        for (int step = 0; step < 100; ++step) {
            const std::uint8_t digits[3] = {std::uint8_t(random() % 10), std::uint8_t(random() % 10),
                                            std::uint8_t(random() % 10)};
            result.SetAt(random() % result.Count(), digits);
            if (step % 10 == 0)
                recycle.SetAt(random() % recycle.Count(), digits);
            history.Record(result, recycle);
        }
        memory = history.MemoryBytes();
        kept = history.UndoSteps();
        budget = history.Budget();
    }
    state.counters["history_MiB"] = double(memory) / (1 << 20);
    state.counters["budget_MiB"] = double(budget) / (1 << 20);
    state.counters["undo_steps_kept"] = double(kept);
}
BENCHMARK(HundredRecordedSteps)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
} // namespace vesk::bench
