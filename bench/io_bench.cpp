// Snapshots and the binary list form.
#include "bench_data.h"

#include "storage/files/number_text_file.h"

#include <sstream>

namespace vesk::bench {
namespace {

void SnapshotRoundTrip(benchmark::State& state)
{
    const NumberList source = RandomList(ScaleOf(state));
    NumberList restored(3);
    for (auto _ : state) {
        ListSnapshot snapshot;
        source.ToSnapshot(snapshot);
        restored.FromSnapshot(snapshot);
        ReleaseSnapshot(snapshot);
    }
}
BENCHMARK(SnapshotRoundTrip)->Apply(AtScales);

void BinaryWrite(benchmark::State& state)
{
    const NumberList source = RandomList(ScaleOf(state));
    for (auto _ : state) {
        std::ostringstream out;
        source.Write(out);
        benchmark::DoNotOptimize(out.tellp());
    }
}
BENCHMARK(BinaryWrite)->Apply(AtScales);

void BinaryRead(benchmark::State& state)
{
    const std::string bytes = RandomList(ScaleOf(state)).ToBinary();
    for (auto _ : state) {
        std::istringstream in(bytes);
        NumberList list(3);
        benchmark::DoNotOptimize(list.Read(in));
    }
}
BENCHMARK(BinaryRead)->Apply(AtScales);

void NumberTextWrite(benchmark::State& state)
{
    const NumberList source = RandomList(ScaleOf(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(files::FormatNumberText(source, files::kDefaultPerLine));
}
BENCHMARK(NumberTextWrite)->Apply(AtScales);

} // namespace
} // namespace vesk::bench
