// The omission lists' trend chart over the whole sample history (8,374
// draws): the paint of one screen with balls and trend lines at the host's
// default size, scrolled to the newest draws and to the middle; the data
// behind it built from a click; 导出图片 of the whole history. Goals: one
// screen within 16 ms, the export within 2 s. Offscreen.
#include "components/features/analysis/family_builders.h"
#include "components/features/omission/chart_pictures.h"
#include "components/features/omission/trend_content.h"

#include "numbers/draw_history.h"

#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace vesk::bench {
namespace {

std::vector<std::uint32_t> SampleDraws()
{
    std::ifstream file(std::string(VESK_SOURCE_DIR) + "/data/draws-3d.txt", std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const DrawHistory history = DrawHistory::Parse({reinterpret_cast<const std::uint8_t*>(text.data()), text.size()}, 3);
    return {history.Codes().begin(), history.Codes().end()};
}

// family 0: 单选单码 (three linked blocks of balls and lines); 1: 组选两码
// (55 columns, several balls a draw).
struct Chart {
    std::unique_ptr<analysis::Family> family;
    std::vector<std::uint32_t> draws = SampleDraws();
    analysis::OmissionTable table;
    omission::TrendView view;

    explicit Chart(int which)
        : family(which == 0 ? analysis::MakeSingle1(3) : analysis::MakeGroup2(3))
    {
        table = analysis::ComputeOmissions(*family, draws, 0);
        std::vector<std::string> periods;
        for (std::size_t i = 0; i < draws.size(); ++i)
            periods.push_back(std::to_string(2002001 + i));
        omission::TrendContent content =
            omission::MakeTrendContent(*family, table, omission::ChartColumns(table, {}), draws, periods);
        view.resize(960, 520); // the chart's part of the host's default 1000 x 640 window
        view.SetContent(std::move(content));
        view.show();
        view.ScrollToNewest();
    }
};

void PaintScreen(benchmark::State& state)
{
    Chart chart(static_cast<int>(state.range(0)));
    if (state.range(1) == 1)
        chart.view.verticalScrollBar()->setValue(chart.view.verticalScrollBar()->maximum() / 2);
    QImage target(chart.view.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        chart.view.viewport()->render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
    state.counters["columns"] = chart.view.Geometry().columns;
    state.counters["rows"] = chart.view.Geometry().rows;
}
BENCHMARK(PaintScreen)->ArgsProduct({{0, 1}, {0, 1}})->ArgNames({"family", "middle"})->Unit(benchmark::kMillisecond);

void BuildTrend(benchmark::State& state)
{
    const auto family = analysis::MakeGroup2(3);
    const std::vector<std::uint32_t> draws = SampleDraws();
    const analysis::OmissionTable table = analysis::ComputeOmissions(*family, draws, 0);
    for (auto _ : state) {
        const std::vector<std::size_t> columns = omission::ChartColumns(table, {});
        benchmark::DoNotOptimize(omission::MakeTrend(*family, table, columns, draws));
        benchmark::DoNotOptimize(omission::MakeTrendBlocks(*family, table, columns));
    }
}
BENCHMARK(BuildTrend)->Unit(benchmark::kMillisecond);

void ExportWholeHistory(benchmark::State& state)
{
    Chart chart(static_cast<int>(state.range(0)));
    const std::string folder = (std::filesystem::temp_directory_path() / "omission_chart_bench").string();
    std::filesystem::create_directories(folder);
    std::size_t pictures = 0;
    for (auto _ : state) {
        const omission::PicturesWritten written = omission::WriteChartPictures(chart.view, folder + "/chart.png");
        if (!written.error.empty())
            state.SkipWithError(written.error.c_str());
        pictures = written.paths.size();
    }
    state.counters["pictures"] = static_cast<double>(pictures);
    std::filesystem::remove_all(folder);
}
BENCHMARK(ExportWholeHistory)->Arg(0)->Arg(1)->ArgName("family")->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
} // namespace vesk::bench
