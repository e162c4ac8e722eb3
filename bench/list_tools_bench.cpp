// 大方案统计 over 100 plans of 1000 numbers each (goal: within 50 ms of CPU),
// and the set tool's operations on two lists of 10^5 numbers.
#include "components/features/analysis/tools/plan_tally.h"
#include "components/features/analysis/tools/set_operations.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace vesk::bench {
namespace {

std::vector<std::vector<std::uint32_t>> RandomPlans(std::size_t plans, std::size_t numbers, std::uint32_t space)
{
    std::mt19937 random(42);
    std::vector<std::vector<std::uint32_t>> result(plans);
    for (auto& plan : result)
        for (std::size_t i = 0; i < numbers; ++i)
            plan.push_back(random() % space);
    return result;
}

void BM_TallyPlans(benchmark::State& state)
{
    const int length = static_cast<int>(state.range(0));
    std::uint32_t space = 1;
    for (int i = 0; i < length; ++i)
        space *= 10;
    const auto plans = RandomPlans(100, 1000, space);
    for (auto _ : state) {
        const analysis::PlanTally tally = analysis::TallyPlans(plans, length);
        benchmark::DoNotOptimize(tally.byCount.data());
    }
}
BENCHMARK(BM_TallyPlans)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond);

void BM_SetOperation(benchmark::State& state)
{
    const auto lists = RandomPlans(2, 100000, 1000000);
    const analysis::CodeList a{lists[0], 6};
    const analysis::CodeList b{lists[1], 6};
    for (auto _ : state) {
        const analysis::SetResult result =
            analysis::ApplySetOperation(a, b, analysis::SetOperation::SymmetricDifference, state.range(0) != 0);
        benchmark::DoNotOptimize(result.codes.data());
    }
}
BENCHMARK(BM_SetOperation)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vesk::bench
