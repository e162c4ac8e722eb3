// IRyxFilter's slots over the real host services on a temporary folder:
// state through file handles, readiness messages, runs that read the
// current number from the analysis service, and the host's draw history.
#include "app/services/analysis_service.h"
#include "app/services/environment_service.h"
#include "app/services/game_service.h"
#include "components/filter/component/filter_component.h"
#include "components/filter/component/report_text.h"
#include "components/filter/engine/condition_set_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>

namespace vesk::filter {
namespace {

class ServicesHost final : public IHostObject {
public:
    explicit ServicesHost(const std::string& root) : environment(app::HostPaths::UnderRoot(root), "") {}
    void* GetService(SlotInt index) override
    {
        switch (index) {
        case kServiceEnvironment: return static_cast<IEnvironmentService*>(&environment);
        case kServiceGame: return static_cast<IGameService*>(&game);
        case kServiceAnalysis: return static_cast<IAnalysisService*>(&analysis);
        default: return nullptr;
        }
    }
    SlotInt LoadComponent(const ModuleNameRecord*, void*) override { return 0; }
    SlotInt ReleaseComponent(void*) override { return 0; }
    WindowHandle GetFeatureWindow(SlotInt) override { return 0; }
    SlotInt OpenFeatureByName(const char*, SlotInt) override { return 0; }

    app::EnvironmentService environment;
    app::GameService game;
    app::AnalysisService analysis;
};

ConditionSet Parse(const char* text)
{
    SetReadResult read = ReadConditionSet(text);
    EXPECT_TRUE(read.set) << read.error;
    return read.set ? *read.set : ConditionSet{};
}

constexpr const char* kTwoGroups = R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": [
    {"name": "甲", "errors": [0, 1], "conditions": [{"type": "sum", "values": [6, 7]}, {"type": "span", "values": [0], "mode": "exclude"}]},
    {"name": "乙", "enabled": false, "conditions": [{"type": "list", "numbers": ["123"], "group": true}]}]})";

class FilterSlots : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(engine.Setup(&host, nullptr, 1), 1); }

    std::FILE* Holding(const std::string& text)
    {
        std::FILE* file = std::tmpfile();
        std::fwrite(text.data(), 1, text.size(), file);
        std::rewind(file);
        return file;
    }

    SlotInt Judge(const char* number)
    {
        const std::uint8_t digits[3] = {std::uint8_t(number[0] - '0'), std::uint8_t(number[1] - '0'),
                                        std::uint8_t(number[2] - '0')};
        host.analysis.SetCurrentNumber(digits);
        return engine.Passes();
    }

    void WriteDraws(const std::string& text)
    {
        std::ofstream(root.Path() + "data/draws.txt", std::ios::binary | std::ios::trunc) << text;
    }

    test::TempFolder root;
    ServicesHost host{root.Path()};
    FilterComponent engine;
};

TEST_F(FilterSlots, StateWrittenThroughTheHandleComesBackEqual)
{
    engine.SetSet(Parse(kTwoGroups));
    EXPECT_EQ(engine.CombinedConditionCount(), 3);
    EXPECT_EQ(engine.FixedConditionCount(0), 3);
    std::FILE* file = std::tmpfile();
    char message[256] = {};
    ASSERT_EQ(engine.SaveState(file, message, -1), 1);
    std::rewind(file);
    FilterComponent again;
    again.Setup(&host, nullptr, 1);
    EXPECT_EQ(again.LoadState(file, message, 0, -1), 1);
    std::fclose(file);
    EXPECT_EQ(again.Set(), engine.Set());
    EXPECT_TRUE(again.StateProblem().empty());
}

TEST_F(FilterSlots, AStateWithValuesItsFieldsNoLongerReachStillReadsBack)
{
    ConditionSet set = Parse(R"({"format": "3dvesk-conditions", "version": 1, "digits": 3,
        "groups": [{"conditions": [{"type": "contains", "digits": [1, 2], "values": [1, 2]}]}]})");
    set.groups[0].conditions[0].digits = {1}; // a digit taken away in the window
    engine.SetSet(set);
    std::FILE* file = std::tmpfile();
    char message[256] = {};
    ASSERT_EQ(engine.SaveState(file, message, -1), 1);
    std::rewind(file);
    FilterComponent again;
    again.Setup(&host, nullptr, 1);
    EXPECT_EQ(again.LoadState(file, message, 0, -1), 1) << message;
    std::fclose(file);
    ASSERT_EQ(again.CombinedConditionCount(), 1);
    EXPECT_EQ(again.Set().groups[0].conditions[0].values, std::vector<std::int64_t>{1});
}

TEST_F(FilterSlots, DamagedForeignOrUnfittingStatesChangeNothingAndSayWhy)
{
    engine.SetSet(Parse(kTwoGroups));
    const ConditionSet before = engine.Set();
    const std::string fiveDigits = R"({"format": "3dvesk-conditions", "version": 1, "digits": 5, "groups": []})";
    for (const std::string& text : {std::string(R"({"format": "3dvesk-conditions", "version": 1, "groups": [)"),
                                    std::string("\x00\x01garbage", 9), fiveDigits, std::string()}) {
        std::FILE* file = Holding(text);
        char message[256] = {};
        EXPECT_EQ(engine.LoadState(file, message, 0, -1), 0);
        std::fclose(file);
        EXPECT_GT(std::strlen(message), 0u);
        EXPECT_EQ(engine.StateProblem(), message);
        EXPECT_EQ(engine.Set(), before);
    }
    // The fixed page takes one group only.
    FilterComponent fixed;
    fixed.Setup(&host, nullptr, 0);
    std::FILE* file = Holding(kTwoGroups);
    char message[256] = {};
    EXPECT_EQ(fixed.LoadState(file, message, 0, -1), 0);
    std::fclose(file);
    EXPECT_EQ(fixed.FixedConditionCount(0), 0);
}

TEST_F(FilterSlots, AFailedStateWriteIsReportedAsFailed)
{
    engine.SetSet(Parse(kTwoGroups));
    std::FILE* full = std::fopen("/dev/full", "wb");
    ASSERT_NE(full, nullptr);
    char message[256] = {};
    EXPECT_EQ(engine.SaveState(full, message, -1), 0);
    std::fclose(full);
    EXPECT_GT(std::strlen(message), 0u);
}

TEST_F(FilterSlots, ReadinessMessagesFitTheBufferWithoutSplittingACharacter)
{
    char message[256] = {};
    EXPECT_EQ(engine.CheckReady(message), 0);
    EXPECT_STREQ(message, "没有设置缩水条件");

    std::string longText = "a";
    for (int i = 0; i < 120; ++i)
        longText += "和";
    char cut[256];
    std::memset(cut, 'x', sizeof cut);
    CopyMessage(longText, cut);
    EXPECT_EQ(std::strlen(cut), 253u); // 'a' and 84 whole characters
    EXPECT_EQ(std::string(cut), longText.substr(0, 253));
}

TEST_F(FilterSlots, ARunJudgesTheAnalysisServicesCurrentNumberAndKeepsAReport)
{
    engine.SetSet(Parse(kTwoGroups));
    char message[256] = {};
    ASSERT_EQ(engine.CheckReady(message), 1) << message;
    int ended = 0;
    engine.onRunEnd = [&ended] { ++ended; };
    engine.BeginRun();
    EXPECT_EQ(Judge("123"), 1); // sum 6
    EXPECT_EQ(Judge("222"), 1); // sum 6, span 0: one error forgiven
    EXPECT_EQ(Judge("999"), 0); // sum 27 and span 0: two errors
    EXPECT_EQ(Judge("555"), 0); // sum 15 and span 0
    engine.EndRun();
    EXPECT_EQ(ended, 1);
    ASSERT_TRUE(engine.LastReport());
    const RunReport& report = *engine.LastReport();
    EXPECT_EQ(report.in, 4u);
    EXPECT_EQ(report.kept, 2u);
    EXPECT_EQ(report.conditionFailures, (std::vector<std::uint64_t>{2, 3})); // sum: 999, 555; span: 222, 999, 555
    EXPECT_EQ(report.groupFailures, (std::vector<std::uint64_t>{2}));
}

TEST_F(FilterSlots, TheReportNamesTheConditionsTheRunCountedWhateverTheSetBecomes)
{
    engine.SetSet(Parse(kTwoGroups));
    engine.BeginRun();
    for (const char* number : {"999", "123", "222"}) // sum fails once, span twice
        Judge(number);
    engine.EndRun();
    ASSERT_TRUE(engine.LastReport());
    const std::string before = RunReportText(*engine.LastReport(), 3);
    // Moved, then one removed: places in the report no longer name these.
    ConditionSet edited = engine.Set();
    std::swap(edited.groups[0].conditions[0], edited.groups[0].conditions[1]);
    edited.groups[0].conditions.pop_back();
    engine.SetSet(edited);
    const std::string after = RunReportText(*engine.LastReport(), 3);
    EXPECT_EQ(after, before);
    EXPECT_NE(after.find("和值：不符 1 注"), std::string::npos) << after;
    EXPECT_NE(after.find("跨度：不符 2 注"), std::string::npos) << after;
}

TEST_F(FilterSlots, ARunWithoutARunnableSetLosesNoNumber)
{
    // A history condition and no draw file: the set cannot be compiled.
    engine.SetSet(Parse(R"({"format": "3dvesk-conditions", "version": 1, "digits": 3,
        "groups": [{"conditions": [{"type": "repeat", "values": [3]}]}]})"));
    engine.BeginRun();
    EXPECT_EQ(Judge("000"), 1);
    engine.EndRun();
    EXPECT_FALSE(engine.LastReport());
}

TEST_F(FilterSlots, HistoryConditionsFollowTheHostsDrawFile)
{
    engine.SetSet(Parse(R"({"format": "3dvesk-conditions", "version": 1, "digits": 3,
        "groups": [{"conditions": [{"type": "repeat", "values": [1, 2, 3]}]}]})"));
    char message[256] = {};
    EXPECT_EQ(engine.CheckReady(message), 0);
    EXPECT_NE(std::string(message).find("开奖历史"), std::string::npos);
    EXPECT_FALSE(engine.RunBacktest(30).ok);

    WriteDraws("2024001 456\n2024002 123\n");
    ASSERT_EQ(engine.CheckReady(message), 1) << message;
    EXPECT_EQ(engine.CurrentPreview().preview.kept, 1000u - 343u); // numbers sharing a digit with 123
    engine.BeginRun();
    EXPECT_EQ(Judge("145"), 1);
    engine.EndRun();

    WriteDraws("2024001 456\n2024002 123\n2024003 789\n"); // the host added a draw
    engine.BeginRun();
    EXPECT_EQ(Judge("145"), 0);
    EXPECT_EQ(Judge("178"), 1);
    engine.EndRun();
    const BacktestResult backtest = engine.RunBacktest(30);
    ASSERT_TRUE(backtest.ok) << backtest.error;
    ASSERT_EQ(backtest.draws.size(), 2u); // the oldest draw has no history to be judged with
    EXPECT_EQ(backtest.draws[0].name, 2024002u);
    EXPECT_EQ(backtest.draws[1].name, 2024003u);

    WriteDraws("456\n123\n789\n"); // a history without periods: the places
    const BacktestResult places = engine.RunBacktest(1);
    ASSERT_EQ(places.draws.size(), 1u);
    EXPECT_EQ(places.draws[0].name, 3u);
}

} // namespace
} // namespace vesk::filter
