// Parsing number text, against a plain scan of the same bytes.
#include "bench_data.h"

namespace vesk::bench {
namespace {

// range(1): dedupe.
void ParseText(benchmark::State& state)
{
    const Scale scale = ScaleOf(state);
    const std::string& text = RandomText(scale);
    for (auto _ : state) {
        NumberList list(scale.length);
        benchmark::DoNotOptimize(list.ParseText(text, scale.length, state.range(1) != 0));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(ParseText)->ArgNames({"exp", "dedupe"})->ArgsProduct({{3, 5, 7}, {0, 1}})->Unit(benchmark::kMillisecond);

// The yardstick: one pass that looks at every byte and counts the digits,
// the least any parser of this text must do.
void PlainScan(benchmark::State& state)
{
    const std::string& text = RandomText(ScaleOf(state));
    for (auto _ : state) {
        std::size_t digits = 0;
        for (char c : text)
            digits += static_cast<unsigned char>(c - '0') < 10 ? 1 : 0;
        benchmark::DoNotOptimize(digits);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
}
BENCHMARK(PlainScan)->Apply(AtScales);

} // namespace
} // namespace vesk::bench
