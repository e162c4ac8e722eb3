// The formula search over the whole sample history (8,374 draws): the real
// search and its 20 shuffled searches, 胆 and 杀, and the banker/kill check
// of every rule. Goals: the whole search within 200 ms of CPU, the check
// within 100 ms.
#include "components/features/analysis/formula/banker_rules.h"
#include "components/features/analysis/formula/formula_search.h"

#include "numbers/draw_history.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>

namespace vesk::bench {
namespace {

const std::vector<std::uint32_t>& SampleDraws()
{
    static const std::vector<std::uint32_t> draws = [] {
        std::ifstream file(std::string(VESK_SOURCE_DIR) + "/data/draws-3d.txt", std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        const DrawHistory history = DrawHistory::Parse({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, 3);
        return std::vector<std::uint32_t>(history.Codes().begin(), history.Codes().end());
    }();
    return draws;
}

analysis::GuessUse UseOf(const benchmark::State& state)
{
    return state.range(0) ? analysis::GuessUse::Kill : analysis::GuessUse::Banker;
}

// The window's 全部 search as the window runs it: the top 20 and 20 shuffles.
void BM_WholeSearchWithShuffles(benchmark::State& state)
{
    const auto& draws = SampleDraws();
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::SearchFormulas(draws, 0, UseOf(state), 20, true));
    state.counters["draws"] = static_cast<double>(draws.size());
}
BENCHMARK(BM_WholeSearchWithShuffles)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// One search alone, as vesk-cli formula without --shuffled.
void BM_SearchAlone(benchmark::State& state)
{
    const auto& draws = SampleDraws();
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::SearchFormulas(draws, 0, UseOf(state), 20, false));
}
BENCHMARK(BM_SearchAlone)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// One slice: the longest the window's event loop waits for the search.
void BM_OneSlice(benchmark::State& state)
{
    const auto& draws = SampleDraws();
    for (auto _ : state) {
        state.PauseTiming();
        analysis::FormulaSearch search(draws, 0, analysis::GuessUse::Banker, 20, true);
        state.ResumeTiming();
        search.Step();
    }
}
BENCHMARK(BM_OneSlice)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// Every rule of the banker/kill check over the whole history.
void BM_BankerCheck(benchmark::State& state)
{
    const auto& draws = SampleDraws();
    const std::vector<analysis::DigitRule> rules = analysis::StandardRules(3, 0b100001);
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::CheckRules(rules, draws, 3, 0, UseOf(state)));
}
BENCHMARK(BM_BankerCheck)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

} // namespace
} // namespace vesk::bench
