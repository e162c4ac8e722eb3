// 号码查询, 特征串查询 and 状态表 over the whole sample history (8,374
// draws). Goals: 1000 numbers looked up within 20 ms of CPU, a pattern of
// K = 10 searched over every draw within 20 ms, the state table's 8,374 rows
// × 16 columns filled (values and the text of every cell) within 50 ms.
#include "components/features/analysis/query/lookup_index.h"
#include "components/features/analysis/query/pattern_search.h"
#include "components/features/analysis/query/state_table.h"
#include "components/features/analysis/value_labels.h"

#include "numbers/draw_history.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <map>

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

// The history indexed, then every number of the space looked up, as a
// query of 1000 numbers does from a click.
void BM_LookupThousandNumbers(benchmark::State& state)
{
    const auto& draws = SampleDraws();
    const auto last = static_cast<std::size_t>(state.range(0));
    for (auto _ : state) {
        const analysis::LookupIndex index(draws, kLength);
        std::int64_t hits = 0;
        for (std::uint32_t number = 0; number < 1000; ++number)
            hits += index.LookUp(number, last).group.hits;
        benchmark::DoNotOptimize(hits);
    }
}
BENCHMARK(BM_LookupThousandNumbers)->Arg(100)->Arg(0)->Unit(benchmark::kMillisecond);

// The values of every draw, then the newest 10 draws' pattern searched over
// the whole history, with the summary of every value.
void BM_PatternSearchK10(benchmark::State& state)
{
    const auto& draws = SampleDraws();
    filter::Condition condition;
    condition.type = static_cast<filter::ConditionType>(state.range(0));
    for (auto _ : state) {
        const std::vector<std::int64_t> values = analysis::DrawValues(condition, kLength, draws);
        const analysis::PatternResult result =
            analysis::SearchPattern(condition, kLength, values, analysis::NewestPattern(values, 10), 0);
        benchmark::DoNotOptimize(result.summary.data());
    }
}
BENCHMARK(BM_PatternSearchK10)
    ->Arg(static_cast<int>(filter::ConditionType::Sum))
    ->Arg(static_cast<int>(filter::ConditionType::OddCount))
    ->Unit(benchmark::kMillisecond);

// The 14 value columns of every draw, each column's labels, and the text of
// all 8,374 × 16 cells (what a view of the whole table could ask for).
void BM_StateTableFill(benchmark::State& state)
{
    const auto& draws = SampleDraws();
    for (auto _ : state) {
        const analysis::StateValues values = analysis::ComputeStateValues(draws, kLength);
        std::size_t characters = 0;
        for (std::size_t c = 0; c < analysis::kStateColumns; ++c) {
            filter::Condition condition;
            condition.type = analysis::kStateColumnList[c].type;
            const analysis::ValueLabels labels(condition, kLength);
            std::map<std::int64_t, std::string> texts;
            for (std::int64_t value : values.values[c]) {
                auto it = texts.find(value);
                if (it == texts.end())
                    it = texts.emplace(value, labels.Text(value)).first;
                characters += it->second.size();
            }
        }
        for (std::uint32_t code : draws)
            characters += std::to_string(code).size() + 7; // number and period
        benchmark::DoNotOptimize(characters);
    }
}
BENCHMARK(BM_StateTableFill)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vesk::bench
