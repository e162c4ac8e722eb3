// FilterList of the combined condition page over 10^6 three-digit records
// with a 30-condition set in three groups, through the real component
// (libvesk.so from the plug-in folder, the host's services, the page's
// calls), beside the engine's own judging of the same records.
#include "app/services/host_object.h"
#include "application/module_app.h"
#include "bench/filter_run_data.h"
#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_set_file.h"
#include "filtering/condition_page.h"
#include "framework/framework.h"
#include "numbers/number_list.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

using vesk::bench::ThirtyConditions;
constexpr std::uint32_t kRecords = vesk::bench::kRunRecords;

struct PageFixture {
    PageFixture() : root(std::filesystem::temp_directory_path() / ("vesk-bench-" + std::to_string(::getpid())))
    {
        vesk::app::HostConfig config;
        config.paths = vesk::app::HostPaths::UnderRoot(root.string());
        const char* plugins = std::getenv("VESK_PLUGIN_DIR");
        config.pluginFolder = plugins ? plugins : QCoreApplication::applicationDirPath().toStdString() + "/../plugins/";
        host = std::make_unique<vesk::app::HostObject>(config);
        vesk::ModuleApp::Instance().Attach(host.get());
        std::filesystem::create_directories(root / "state");
        std::ofstream(root / "state" / "TS3D-3.zfc") << ThirtyConditions();
        context.Templates().Register(vesk::CombinedConditionPageTemplate());
        vesk::ModuleContextGuard guard(context);
        frame.Create(nullptr, "bench", vesk::WS_POPUP | vesk::WS_VISIBLE, vesk::CRect(0, 0, 340, 300), nullptr, 0);
        page.Create(&frame);
        char message[256] = {};
        if (!page.PrepareRun(message)) {
            std::fprintf(stderr, "the set does not run: %s\n", message);
            std::exit(1);
        }
    }
    ~PageFixture()
    {
        page.DestroyWindow();
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    std::filesystem::path root;
    std::unique_ptr<vesk::app::HostObject> host;
    vesk::ModuleContext context{"filter-list-bench"};
    vesk::CWnd frame;
    vesk::ConditionPage page{vesk::kCombinedConditionPage};
};

void BM_FilterListThroughTheComponent(benchmark::State& state)
{
    PageFixture fixture;
    vesk::NumberList list = vesk::bench::ScatteredRecords();
    for (auto _ : state) {
        fixture.page.FilterList(list);
        state.PauseTiming();
        list.SetAllTags(vesk::NumberList::kLiveTag);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_FilterListThroughTheComponent)->Unit(benchmark::kMillisecond);

// The engine alone: the set compiled once, each record judged by its digits
// and marked when rejected.
void BM_EngineJudgesTheSameRecords(benchmark::State& state)
{
    const auto set = vesk::filter::ReadConditionSet(ThirtyConditions(), 3).set;
    const auto compiled = vesk::filter::Compile(*set, 3, nullptr).compiled;
    vesk::NumberList list = vesk::bench::ScatteredRecords();
    for (auto _ : state) {
        for (std::uint32_t i = 0; i < kRecords; ++i)
            if (!compiled->PassesDigits(list.GetAt(i)))
                list.Mark(i);
        state.PauseTiming();
        list.SetAllTags(vesk::NumberList::kLiveTag);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_EngineJudgesTheSameRecords)->Unit(benchmark::kMillisecond);

} // namespace
