// The omission lists' trend chart over the whole sample history (8,374
// draws): the paint of one screen at the host's default size, scrolled to the
// newest draws and to the middle, and the data behind it built from a click.
// Goal: one screen within 16 ms. Offscreen.
#include "components/features/analysis/family_builders.h"
#include "components/features/omission/trend_view.h"

#include "numbers/draw_history.h"

#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <benchmark/benchmark.h>

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

struct Chart {
    std::unique_ptr<analysis::Family> family = analysis::MakeGroup2(3);
    std::vector<std::uint32_t> draws = SampleDraws();
    analysis::OmissionTable table = analysis::ComputeOmissions(*family, draws, 0);
    omission::TrendView view;

    Chart()
    {
        omission::TrendData trend = omission::MakeTrend(*family, table, omission::ChartColumns(table, {}), draws);
        QStringList titles, periods, numbers;
        for (std::size_t r : trend.rows)
            titles << QString::fromStdString(family->Items()[table.rows[r].item].title);
        for (std::size_t i = 0; i < draws.size(); ++i) {
            periods << QString::number(2002001 + i);
            numbers << QStringLiteral("%1").arg(draws[i], 3, 10, QLatin1Char('0'));
        }
        std::vector<QStringList> summary(4);
        for (std::size_t r : trend.rows)
            for (QStringList& row : summary)
                row << QString::number(table.rows[r].hits);
        view.resize(760, 520); // the chart's part of the host's default 1000 x 640 window
        view.SetData(std::move(trend), titles, periods, numbers, std::move(summary));
        view.show();
        view.ScrollToNewest();
    }
};

void PaintScreen(benchmark::State& state)
{
    Chart chart;
    if (state.range(0) == 1)
        chart.view.verticalScrollBar()->setValue(chart.view.verticalScrollBar()->maximum() / 2);
    QImage target(chart.view.viewport()->size(), QImage::Format_RGB32);
    for (auto _ : state) {
        chart.view.viewport()->render(&target);
        benchmark::DoNotOptimize(target.bits());
    }
    state.counters["columns"] = chart.view.Geometry().columns;
    state.counters["rows"] = chart.view.Geometry().rows;
}
BENCHMARK(PaintScreen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BuildTrend(benchmark::State& state)
{
    const auto family = analysis::MakeGroup2(3);
    const std::vector<std::uint32_t> draws = SampleDraws();
    const analysis::OmissionTable table = analysis::ComputeOmissions(*family, draws, 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(omission::MakeTrend(*family, table, omission::ChartColumns(table, {}), draws));
}
BENCHMARK(BuildTrend)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace vesk::bench
