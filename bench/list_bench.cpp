// Whole-list operations: every one must stay near linear.
#include "bench_data.h"

namespace vesk::bench {
namespace {

void Dedupe(benchmark::State& state)
{
    const NumberList source = RandomList(ScaleOf(state));
    for (auto _ : state) {
        state.PauseTiming();
        NumberList list(source);
        state.ResumeTiming();
        list.Dedupe();
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(Dedupe)->Apply(AtScales);

void Sort(benchmark::State& state)
{
    const NumberList source = RandomList(ScaleOf(state));
    for (auto _ : state) {
        state.PauseTiming();
        NumberList list(source);
        state.ResumeTiming();
        list.Sort(true);
        benchmark::DoNotOptimize(list.Records());
    }
}
BENCHMARK(Sort)->Apply(AtScales);

void Merge(benchmark::State& state)
{
    const Scale scale = ScaleOf(state);
    const NumberList source = RandomList(scale, 1);
    const NumberList other = RandomList(scale, 2);
    for (auto _ : state) {
        state.PauseTiming();
        NumberList list(source);
        state.ResumeTiming();
        list.Merge(other);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(Merge)->Apply(AtScales);

void Compact(benchmark::State& state)
{
    NumberList source = RandomList(ScaleOf(state));
    for (std::uint32_t i = 0; i < source.Count(); i += 2)
        source.Mark(i);
    for (auto _ : state) {
        state.PauseTiming();
        NumberList list(source);
        NumberList removed(3);
        state.ResumeTiming();
        list.Compact(&removed);
        benchmark::DoNotOptimize(removed.Count());
    }
}
BENCHMARK(Compact)->Apply(AtScales);

void Append(benchmark::State& state)
{
    const Scale scale = ScaleOf(state);
    const std::uint8_t digits[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    for (auto _ : state) {
        NumberList list(scale.length);
        for (std::uint32_t i = 0; i < scale.count; ++i)
            list.Append(digits);
        benchmark::DoNotOptimize(list.Count());
    }
}
BENCHMARK(Append)->Apply(AtScales);

} // namespace
} // namespace vesk::bench
