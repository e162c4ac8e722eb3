// The grid component at 10^6 rows, through its slots as the result page
// drives it: a refill (size, every cell, colours, metrics, redraw), and
// paging through the filled grid with a repaint each time. The component is
// loaded from the plug-in folder by the host's loader, inside a window.
#include "app/services/component_loader.h"
#include "framework/framework.h"
#include "host/grid_interface.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 1000000;
constexpr int kAttributes = 11;

struct GridFixture {
    GridFixture() : loader(PluginFolder())
    {
        host.Create(nullptr, "bench", vesk::WS_POPUP | vesk::WS_VISIBLE, vesk::CRect(0, 0, 420, 300), nullptr, 0);
        grid = static_cast<vesk::IRyxGridCtrl*>(loader.Load(vesk::kGridComponentName));
        if (!grid) {
            std::fprintf(stderr, "no grid: %s\n", loader.LastError().c_str());
            std::exit(1);
        }
        const vesk::Rect area{0, 0, 420, 300};
        grid->Create(&area, host.ToWindowHandle(), 10021, 0, 0, 1);
        grid->SetSize(0, kAttributes + 2);
        grid->SetMode(1, 0);
        grid->SetColumnTitle(0, "序号");
        grid->SetColumnTitle(1, "投注号码");
        for (int k = 0; k < kAttributes; ++k) {
            grid->SetColumnTitle(k + 2, ("属性" + std::to_string(k)).c_str());
            grid->SetColumnTag(k + 2, k);
        }
        grid->SetMetrics(6, 20, 10000);
        numbers.reserve(kRows);
        codes.reserve(kRows);
        char text[8];
        for (std::int64_t i = 0; i < kRows; ++i) {
            codes.push_back(static_cast<int>(i * 7919 % 1000));
            std::snprintf(text, sizeof text, "%03d", codes.back());
            numbers.emplace_back(text);
        }
        for (int code = 0; code < 1000 * kAttributes; ++code)
            table.push_back(code * 31 % 28);
    }

    static std::string PluginFolder()
    {
        const char* folder = std::getenv("VESK_PLUGIN_DIR");
        return folder ? folder : QCoreApplication::applicationDirPath().toStdString() + "/../plugins/";
    }

    // What the page's refill does, row by row.
    void Fill()
    {
        grid->SetSize(kRows, 0);
        for (int i = 0; i < kRows; ++i) {
            grid->SetCellNumber(i, 0, i + 1, 0x20);
            grid->SetCellText(i, 1, numbers[static_cast<std::size_t>(i)].c_str());
            const int code = codes[static_cast<std::size_t>(i)];
            for (int k = 0; k < kAttributes; ++k)
                grid->SetCellNumber(i, k + 2, table[static_cast<std::size_t>(code * kAttributes + k)],
                                    k == 7 ? 0x20 + 3 : 0x20);
        }
        grid->SetColumnColor(1, 0xFF0000, -1);
        for (int k = 0; k < kAttributes; ++k)
            grid->SetColumnColor(k + 2, 0x800000, -1);
        grid->SetMode(1, 0);
        grid->SetMetrics(6, 20, 10000);
        grid->Redraw();
    }

    vesk::app::ComponentLoader loader;
    vesk::CWnd host;
    vesk::IRyxGridCtrl* grid = nullptr;
    std::vector<std::string> numbers;
    std::vector<int> codes;
    std::vector<int> table;
};

GridFixture& Fixture()
{
    static GridFixture fixture;
    return fixture;
}

void BM_GridRefillMillionRows(benchmark::State& state)
{
    GridFixture& fixture = Fixture();
    for (auto _ : state) {
        fixture.Fill();
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_GridRefillMillionRows)->Unit(benchmark::kMillisecond);

// One page down and a repaint of what is shown, at 10^6 rows.
void BM_GridPageAndRepaint(benchmark::State& state)
{
    GridFixture& fixture = Fixture();
    if (fixture.grid->GetRowCount() != kRows)
        fixture.Fill();
    auto* window = vesk::FromWindowHandle(fixture.grid->GetWindow());
    auto* view = window->findChild<QAbstractItemView*>();
    int top = 0;
    for (auto _ : state) {
        top = (top + 13) % (kRows - 20);
        fixture.grid->SetScrollPositions(top, 0);
        view->viewport()->repaint();
    }
}
BENCHMARK(BM_GridPageAndRepaint)->Unit(benchmark::kMicrosecond);

} // namespace
