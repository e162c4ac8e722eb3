// Group and single forms and the count report.
#include "bench_data.h"

namespace vesk::bench {
namespace {

void ToGroupForm(benchmark::State& state)
{
    TimeOnCopies(state, RandomList(ScaleOf(state)), [](NumberList& list) { list.ToGroupForm(); });
}
BENCHMARK(ToGroupForm)->Apply(AtScales);

// Three digits at every scale: other lengths have no single form.
void ToSingleForm(benchmark::State& state)
{
    const Scale scale{ScaleOf(state).count, 3};
    TimeOnCopies(state, RandomList(scale), [](NumberList& list) { list.ToSingleForm(); });
}
BENCHMARK(ToSingleForm)->Apply(AtScales);

void CountReport(benchmark::State& state)
{
    TimeOnCopies(state, RandomList(ScaleOf(state)),
                 [](NumberList& list) { benchmark::DoNotOptimize(list.CountReport(10)); });
}
BENCHMARK(CountReport)->Apply(AtScales);

} // namespace
} // namespace vesk::bench
