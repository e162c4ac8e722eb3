// 设为条件 with 100 items: 100 of the 220 items of 组选三码 made into one
// condition (a list of their numbers), its set text handed to the combined
// page's condition window (libvesk.so from the plug-in folder, slot 4) and
// the page's preview brought up to date. Goal: within 50 ms. Offscreen.
#include "app/services/host_object.h"
#include "application/module_app.h"
#include "components/features/analysis/family_builders.h"
#include "components/features/analysis/omission/items_condition.h"
#include "filtering/condition_page.h"
#include "framework/framework.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace {

constexpr const char* kEmptySet = R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": []})";

struct PageFixture {
    PageFixture() : root(std::filesystem::temp_directory_path() / ("vesk-items-bench-" + std::to_string(::getpid())))
    {
        vesk::app::HostConfig config;
        config.paths = vesk::app::HostPaths::UnderRoot(root.string());
        const char* plugins = std::getenv("VESK_PLUGIN_DIR");
        config.pluginFolder = plugins ? plugins : QCoreApplication::applicationDirPath().toStdString() + "/../plugins/";
        host = std::make_unique<vesk::app::HostObject>(config);
        vesk::ModuleApp::Instance().Attach(host.get());
        std::filesystem::create_directories(root / "state");
        context.Templates().Register(vesk::CombinedConditionPageTemplate());
        vesk::ModuleContextGuard guard(context);
        frame.Create(nullptr, "bench", vesk::WS_POPUP | vesk::WS_VISIBLE, vesk::CRect(0, 0, 340, 600), nullptr, 0);
        page.Create(&frame);
        if (!page.ConditionWindow()) {
            std::fprintf(stderr, "no condition window\n");
            std::exit(1);
        }
    }
    ~PageFixture()
    {
        page.DestroyWindow();
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }

    // Back to no conditions, as the page starts.
    void Clear()
    {
        std::FILE* file = std::tmpfile();
        std::fputs(kEmptySet, file);
        std::rewind(file);
        char message[256] = {};
        page.Filter()->LoadState(file, message, 0, 0);
        std::fclose(file);
    }

    std::filesystem::path root;
    std::unique_ptr<vesk::app::HostObject> host;
    vesk::ModuleContext context{"items-condition-bench"};
    vesk::CWnd frame;
    vesk::ConditionPage page{vesk::kCombinedConditionPage};
};

void BM_HundredItemsToThePreview(benchmark::State& state)
{
    PageFixture fixture;
    const auto family = vesk::analysis::MakeGroup3(3);
    std::vector<std::size_t> items;
    for (std::size_t i = 0; i < 100; ++i)
        items.push_back(i * 2);
    for (auto _ : state) {
        const vesk::filter::Condition condition = vesk::analysis::ItemsCondition(*family, items, vesk::filter::Mode::Keep);
        const std::string text = vesk::analysis::ItemsConditionSetText(condition, "组选三码：100 项", 3);
        vesk::ConditionAddRecord record{sizeof(vesk::ConditionAddRecord), 3, text.c_str(), {}};
        if (fixture.page.ConditionWindow()->AddConditions(&record) != 1)
            state.SkipWithError(record.message);
        state.PauseTiming();
        fixture.Clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_HundredItemsToThePreview)->Unit(benchmark::kMillisecond);

} // namespace
