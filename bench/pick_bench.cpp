// Smart pick over the whole sample history (8,374 draws), per method: the
// classes for the next draw, the pattern table with every draw classified
// from the draws before it, and the numbers of half the patterns; for the
// positional pick its figures, back-test and product. Goal: each method
// within 30 ms of CPU.
#include "components/features/analysis/pick/pick_numbers.h"
#include "components/features/analysis/pick/pick_table.h"
#include "components/features/analysis/pick/position_pick.h"

#include "numbers/draw_history.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>

namespace vesk::bench {
namespace {

constexpr int kLength = 3;

const std::vector<std::uint32_t>& SampleDraws()
{
    static const std::vector<std::uint32_t> draws = [] {
        std::ifstream file(std::string(VESK_SOURCE_DIR) + "/data/draws-3d.txt", std::ios::binary);
        const std::string text{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
        const DrawHistory history = DrawHistory::Parse({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, kLength);
        return std::vector<std::uint32_t>(history.Codes().begin(), history.Codes().end());
    }();
    return draws;
}

void MethodClick(benchmark::State& state)
{
    const auto method = static_cast<analysis::PickMethod>(state.range(0));
    const analysis::PickParameters parameters = analysis::DefaultParameters(method);
    const std::vector<std::uint32_t>& draws = SampleDraws();
    for (auto _ : state) {
        const analysis::PatternSpace space(method, kLength);
        const analysis::PickTable table = analysis::ComputePickTable(method, parameters, space, draws, 0);
        std::vector<bool> picked(space.Size(), false);
        for (std::size_t p = 0; p < space.Size(); p += 2)
            picked[p] = true;
        const std::vector<std::uint32_t> numbers = analysis::PickedNumbers(space, *table.next, picked);
        benchmark::DoNotOptimize(analysis::BackTestPicked(table, space, picked));
        benchmark::DoNotOptimize(analysis::GroupsOf(numbers, kLength));
    }
    state.SetLabel(std::string(analysis::InfoOf(method).name) + ", " + std::to_string(draws.size()) + " draws");
}
BENCHMARK(MethodClick)->DenseRange(0, 5)->Unit(benchmark::kMillisecond);

// The widest window a user can set: W = 1000 for the follow scores.
void FollowWidestWindow(benchmark::State& state)
{
    analysis::PickParameters parameters = analysis::DefaultParameters(analysis::PickMethod::Follow);
    parameters.window = analysis::kMaxPickWindow;
    const std::vector<std::uint32_t>& draws = SampleDraws();
    const analysis::PatternSpace space(analysis::PickMethod::Follow, kLength);
    for (auto _ : state)
        benchmark::DoNotOptimize(analysis::ComputePickTable(analysis::PickMethod::Follow, parameters, space, draws, 0));
}
BENCHMARK(FollowWidestWindow)->Unit(benchmark::kMillisecond);

void PositionClick(benchmark::State& state)
{
    const std::vector<std::uint32_t>& draws = SampleDraws();
    const analysis::PositionDigits digits = {0x3ff, 0x155, 0x0ff};
    for (auto _ : state) {
        benchmark::DoNotOptimize(analysis::PositionFigures(draws, kLength, 30));
        benchmark::DoNotOptimize(analysis::BackTestProduct(digits, draws, 0));
        benchmark::DoNotOptimize(analysis::ProductNumbers(digits));
    }
}
BENCHMARK(PositionClick)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vesk::bench
