// FilterList of the combined condition page over 10^6 three-digit records
// with a 30-condition set in three groups, through the real component
// (libvesk.so from the plug-in folder, the host's services, the page's
// calls), beside the engine's own judging of the same records.
#include "app/services/host_object.h"
#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_set_file.h"
#include "filtering/condition_page.h"
#include "framework/framework.h"
#include "module/core/module_app.h"
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

constexpr std::uint32_t kRecords = 1000000;

// Ten conditions a group, three groups with allowed errors [0, 2], [1, 3], [0, 1].
std::string ThirtyConditions()
{
    const char* group = R"([
        {"type": "sum", "values": [8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19]},
        {"type": "span", "values": [0], "mode": "exclude"},
        {"type": "odd-count", "values": [1, 2]},
        {"type": "big-count", "values": [0, 3], "mode": "exclude"},
        {"type": "distinct-count", "values": [2, 3]},
        {"type": "position", "position": 0, "values": [0, 9], "mode": "exclude"},
        {"type": "pair-sum", "pair": [1, 2], "values": [5, 6, 7, 8, 9, 10, 11]},
        {"type": "contains", "digits": [1, 5, 8], "values": [1, 2, 3]},
        {"type": "shape", "values": [11], "mode": "exclude"},
        {"type": "road-pattern", "values": [0, 111, 222], "mode": "exclude"}])";
    return std::string(R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": [)") +
           R"({"name": "a", "errors": [0, 2], "conditions": )" + group + "}," +
           R"({"name": "b", "errors": [1, 3], "conditions": )" + group + "}," +
           R"({"name": "c", "errors": [0, 1], "conditions": )" + group + "}]}";
}

vesk::NumberList Records()
{
    vesk::NumberList list(3);
    list.Resize(kRecords, 3);
    for (std::uint32_t i = 0; i < kRecords; ++i) {
        const std::uint32_t code = i * 7919u % 1000u;
        const std::uint8_t digits[3] = {std::uint8_t(code / 100), std::uint8_t(code / 10 % 10), std::uint8_t(code % 10)};
        list.SetAt(i, digits);
    }
    return list;
}

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
    vesk::NumberList list = Records();
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
    vesk::NumberList list = Records();
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

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                       : qgetenv("QT_QPA_PLATFORM"));
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
