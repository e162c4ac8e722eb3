// Group and single forms and the count report.
#include "bench_data.h"

namespace vesk::bench {
namespace {

template <bool (NumberList::*Convert)()>
void Conversion(benchmark::State& state)
{
    const NumberList source = RandomList(ScaleOf(state));
    for (auto _ : state) {
        state.PauseTiming();
        NumberList list(source);
        state.ResumeTiming();
        benchmark::DoNotOptimize((list.*Convert)());
    }
}
BENCHMARK(Conversion<&NumberList::ToGroupForm>)->Name("ToGroupForm")->Apply(AtScales);
BENCHMARK(Conversion<&NumberList::ToSingleForm>)->Name("ToSingleForm")->Apply(AtScales);

void CountReport(benchmark::State& state)
{
    const NumberList source = RandomList(ScaleOf(state));
    for (auto _ : state) {
        state.PauseTiming();
        NumberList list(source);
        state.ResumeTiming();
        benchmark::DoNotOptimize(list.CountReport(10));
    }
}
BENCHMARK(CountReport)->Apply(AtScales);

} // namespace
} // namespace vesk::bench
