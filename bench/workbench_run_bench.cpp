// The workbench's whole filter run (缩水) over 10^6 three-digit numbers with
// a 30-condition set on the combined-condition page: the run through the
// real filter component (libvesk.so), the compaction into the recycle list,
// the undo point and both grid refills (libryxgrid.so), on the real host
// services in a temporary folder. Runs offscreen.
#include "app/services/host_object.h"
#include "application/module_app.h"
#include "bench/filter_run_data.h"
#include "filtering/filter_workbench.h"
#include "framework/framework.h"
#include "numbers/number_list.h"
#include "pages/result/result_templates.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

using namespace vesk;

using bench::ThirtyConditions;
constexpr std::uint32_t kRecords = bench::kRunRecords;

std::string BuildFolder()
{
    return QCoreApplication::applicationDirPath().toStdString() + "/../";
}

struct WorkbenchFixture {
    WorkbenchFixture() : root(std::filesystem::temp_directory_path() / ("vesk-run-bench-" + std::to_string(::getpid())))
    {
        SetResourceFolder(BuildFolder());
        app::HostConfig config;
        config.paths = app::HostPaths::UnderRoot(root.string());
        config.pluginFolder = BuildFolder() + "plugins/";
        config.catalogueSource = BuildFolder() + "data/S3Cdt.dat";
        host = std::make_unique<app::HostObject>(config);
        ModuleApp::Instance().Attach(host.get());
        std::filesystem::create_directories(root / "state");
        std::ofstream(root / "state" / "TS3D-3.zfc") << ThirtyConditions();
        for (const DialogTemplate& made :
             {FilterWorkbenchTemplate(), FixedConditionPageTemplate(), CombinedConditionPageTemplate(),
              result::ResultPageTemplate(), GroupingPanelTemplate(), EditorPageTemplate(), CountPageTemplate(),
              StagingPageTemplate(), LeftTabContainerTemplate(), RightTabContainerTemplate()})
            context.Templates().Register(made);
        ModuleContextGuard guard(context);
        frame.Create(nullptr, "bench", WS_POPUP | WS_VISIBLE, CRect(0, 0, 1000, 640), nullptr, 0);
        workbench = std::make_unique<FilterWorkbench>(nullptr);
        if (!workbench->CreateIn(&frame) || !workbench->Right().Results().ResultGrid()) {
            std::fprintf(stderr, "no workbench or no grid\n");
            std::exit(1);
        }
        workbench->MoveWindow(0, 0, 1000, 640);
        workbench->Left().SelectLeftPage(kLeftPageCombinedConditions);
    }
    ~WorkbenchFixture()
    {
        workbench.reset();
        frame.DestroyWindow();
        ModuleApp::Instance().Attach(nullptr);
        host.reset();
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    std::filesystem::path root;
    std::unique_ptr<app::HostObject> host;
    ModuleContext context{"workbench-run-bench"};
    CWnd frame;
    std::unique_ptr<FilterWorkbench> workbench;
};

void BM_WholeFilterRun(benchmark::State& state)
{
    WorkbenchFixture fixture;
    const NumberList records = bench::ScatteredRecords();
    result::ResultPage& page = fixture.workbench->Right().Results();
    std::uint32_t kept = 0;
    for (auto _ : state) {
        state.PauseTiming();
        page.ResultList().CopyFrom(records);
        state.ResumeTiming();
        fixture.workbench->RunFilter();
        kept = page.ResultList().Count();
    }
    if (kept == 0 || kept == kRecords || page.ResultGrid()->GetRowCount() != static_cast<SlotInt>(kept)) {
        state.SkipWithError("the run kept all, none, or the grid does not show the list");
        return;
    }
    state.counters["kept"] = kept;
    state.SetItemsProcessed(state.iterations() * kRecords);
}
BENCHMARK(BM_WholeFilterRun)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
