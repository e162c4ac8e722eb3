// The result page at 10^6 three-digit numbers with all eleven attribute
// columns, on the real host services (a temporary folder) and the grid
// component loaded by the host's loader: a refill of the result grid from
// its list, a recorded change (snapshot of both lists, then that refill), a
// sort by an attribute column, and the attribute table's computation.
#include "application/column_defaults.h"
#include "app/services/host_object.h"
#include "application/module_app.h"
#include "framework/framework.h"
#include "numbers/number_list.h"
#include "pages/result/result_page.h"
#include "pages/result/result_templates.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <numeric>

namespace {

using namespace vesk;

constexpr int kRows = 1000000;
constexpr UINT kContainer = 7399;

std::string BuildFolder()
{
    return QCoreApplication::applicationDirPath().toStdString() + "/../";
}

struct PageFixture {
    PageFixture()
        : context("result-bench"), root(std::filesystem::temp_directory_path() / "vesk-result-bench"),
          host(Config(root))
    {
        SetResourceFolder(BuildFolder());
        std::vector<int> all(11);
        std::iota(all.begin(), all.end(), 0);
        const Bytes records = MakeColumnRecords(all);
        host.Environment().WriteOption(4204, static_cast<SlotInt>(records.size()), records.data());
        moduleApp.Attach(&host);
        context.Templates().Register(result::ResultPageTemplate());
        DialogTemplate container;
        container.id = kContainer;
        container.style = WS_CHILD | WS_VISIBLE;
        context.Templates().Register(container);
        ModuleContextGuard guard(context);
        window.Create(nullptr, "bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 500, 500), nullptr, 0);
        box.Create(kContainer, &window);
        box.MoveWindow(0, 0, 500, 500);
        page = std::make_unique<result::ResultPage>(moduleApp);
        if (!page->Create(&box) || !page->ResultGrid()) {
            std::fprintf(stderr, "no page or no grid\n");
            std::exit(1);
        }
        page->MoveWindow(0, 0, 500, 500);
        page->ShowWindow(SW_SHOW);
        NumberList& list = page->ResultList();
        list.Resize(kRows, 3);
        for (std::uint32_t i = 0; i < kRows; ++i) {
            const std::uint32_t code = i * 7919u % 1000u;
            const std::uint8_t digits[3] = {std::uint8_t(code / 100), std::uint8_t(code / 10 % 10), std::uint8_t(code % 10)};
            list.SetAt(i, digits);
        }
    }
    ~PageFixture()
    {
        ModuleContextGuard guard(context);
        page.reset();
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    static app::HostConfig Config(const std::filesystem::path& root)
    {
        app::HostConfig config;
        config.paths = app::HostPaths::UnderRoot(root.string() + "/");
        config.pluginFolder = BuildFolder() + "plugins/";
        return config;
    }

    ModuleContext context;
    std::filesystem::path root;
    app::HostObject host;
    ModuleApp moduleApp;
    CWnd window;
    CDialog box;
    std::unique_ptr<result::ResultPage> page;
};

PageFixture& Fixture()
{
    static PageFixture fixture;
    return fixture;
}

void BM_RefreshResultGrid(benchmark::State& state)
{
    PageFixture& fixture = Fixture();
    for (auto _ : state) {
        fixture.page->RefreshResultGrid();
        QApplication::processEvents();
    }
    state.counters["columns"] = static_cast<double>(fixture.page->ResultGrid()->GetColumnCount());
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_RefreshResultGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RecordChange(benchmark::State& state)
{
    PageFixture& fixture = Fixture();
    for (auto _ : state)
        fixture.page->RecordChange();
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_RecordChange)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_SortByAttributeColumn(benchmark::State& state)
{
    PageFixture& fixture = Fixture();
    for (auto _ : state)
        fixture.page->SortByColumn(result::GridChoice::Result, 4);
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_SortByAttributeColumn)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

void BM_ComputeAttributes(benchmark::State& state)
{
    PageFixture& fixture = Fixture();
    for (auto _ : state)
        fixture.page->ComputeAttributes();
}
BENCHMARK(BM_ComputeAttributes)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
