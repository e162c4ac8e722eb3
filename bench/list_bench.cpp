// Whole-list operations: every one must stay near linear.
#include "bench_data.h"

namespace vesk::bench {
namespace {

void Dedupe(benchmark::State& state)
{
    TimeOnCopies(state, RandomList(ScaleOf(state)), [](NumberList& list) { list.Dedupe(); });
}
BENCHMARK(Dedupe)->Apply(AtScales);

void Sort(benchmark::State& state)
{
    TimeOnCopies(state, RandomList(ScaleOf(state)), [](NumberList& list) { list.Sort(true); });
}
BENCHMARK(Sort)->Apply(AtScales);

void Merge(benchmark::State& state)
{
    const NumberList other = RandomList(ScaleOf(state), 2);
    TimeOnCopies(state, RandomList(ScaleOf(state), 1), [&](NumberList& list) { list.Merge(other); });
}
BENCHMARK(Merge)->Apply(AtScales);

void Compact(benchmark::State& state)
{
    NumberList source = RandomList(ScaleOf(state));
    for (std::uint32_t i = 0; i < source.Count(); i += 2)
        source.Mark(i);
    TimeOnCopies(state, source, [](NumberList& list) {
        NumberList removed(3);
        list.Compact(&removed);
    });
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
