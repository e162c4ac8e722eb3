// The condition pages with the real filter component: the calls and their
// order at the slot boundary, runs over lists, resizing, and the state files
// across closing and opening the workbench.
#include "tests/condition_pages/page_harness.h"

#include "components/filter/engine/condition_set_file.h"
#include "numbers/number_list.h"
#include "storage/safe_file.h"

#include <QTest>

#include <cerrno>

#include <gtest/gtest.h>

namespace vesk::test {
namespace {

using Calls = std::vector<std::string>;

// Keeps only the numbers whose digits sum to 6.
constexpr const char* kSumSix = R"({"format": "3dvesk-conditions", "version": 1, "digits": 3,
  "groups": [{"name": "", "conditions": [{"type": "sum", "values": [6]}]}]})";

NumberList ListOf(const std::vector<std::string>& numbers)
{
    NumberList list(3);
    for (const std::string& number : numbers) {
        const std::uint8_t digits[3] = {std::uint8_t(number[0] - '0'), std::uint8_t(number[1] - '0'),
                                        std::uint8_t(number[2] - '0')};
        list.Append(digits);
    }
    return list;
}

std::string FixedStatePath(PageHarness& pages)
{
    return pages.StateFolder() + "TS3D-3.gfc";
}

TEST(ConditionPages, SetUpLoadsBindsRestoresAndPlacesInThePartsOrder)
{
    PageHarness pages;
    WriteFile(FixedStatePath(pages), kSumSix);
    pages.OpenPages();
    const Calls expected = {
        "load IRyxFilter", "filter 2 kind 0", "load IRyxConWnd", "window 2", "window 7", "filter 31 (0, -1)",
        "window 8 (4, zero, 1)",
        // the combined page has no state file: nothing is read
        "load IRyxFilter", "filter 2 kind 1", "load IRyxConWnd", "window 2", "window 7", "window 8 (2, zero, 1)",
    };
    Calls calls = pages.Host().Take();
    calls.erase(std::remove_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("window 9", 0) == 0; }),
                calls.end());
    EXPECT_EQ(calls, expected);
    EXPECT_FALSE(FileExists(FixedStatePath(pages))); // read, then deleted
    EXPECT_EQ(pages.Fixed().Workbench(), &pages.Workbench());
    EXPECT_EQ(filter::ReadConditionSet(StateText(*pages.Engine(pages.Fixed()))).set,
              filter::ReadConditionSet(kSumSix).set);
}

TEST(ConditionPages, ARunCommitsChecksAndMarksRejectedRecordsInPlace)
{
    PageHarness pages;
    WriteFile(FixedStatePath(pages), kSumSix);
    pages.OpenPages();
    pages.Host().Take();

    char message[256] = {};
    EXPECT_NE(pages.Fixed().PrepareRun(message), 0);
    EXPECT_EQ(pages.Host().Take(), (Calls{"window 10", "filter 23"}));

    NumberList list = ListOf({"000", "123", "999"});
    EXPECT_EQ(pages.Fixed().FilterList(list), 1);
    EXPECT_EQ(pages.Host().Take(), (Calls{"filter 25", "analysis 5 000", "filter 26", "analysis 5 123", "filter 26",
                                          "analysis 5 999", "filter 26", "filter 27"}));
    ASSERT_EQ(list.Count(), 3u);
    EXPECT_EQ(list.TagAt(0), NumberList::kRemovalTag);
    EXPECT_EQ(list.TagAt(1), NumberList::kLiveTag);
    EXPECT_EQ(list.TagAt(2), NumberList::kRemovalTag);
    EXPECT_EQ(list.ToValue(0), 0u);
    EXPECT_EQ(list.ToValue(1), 123u);
    EXPECT_EQ(list.ToValue(2), 999u);

    NumberList empty(3);
    pages.Fixed().FilterList(empty);
    EXPECT_EQ(pages.Host().Take(), (Calls{"filter 25", "filter 27"}));
}

TEST(ConditionPages, APageWithoutConditionsRefusesToRunWithTheFiltersMessage)
{
    PageHarness pages;
    pages.OpenPages();
    char message[256] = {};
    EXPECT_EQ(pages.Combined().PrepareRun(message), 0);
    EXPECT_STREQ(message, "没有设置缩水条件");
}

TEST(ConditionPages, EachPageKeepsItsOwnEngine)
{
    PageHarness pages;
    WriteFile(FixedStatePath(pages), kSumSix);
    pages.OpenPages();
    NumberList list = ListOf({"000", "123"});
    char message[256] = {};
    // The combined page has no conditions of its own: the fixed page's sum does not reach it.
    EXPECT_EQ(pages.Combined().PrepareRun(message), 0);
    pages.Combined().FilterList(list);
    EXPECT_EQ(list.TagAt(0), NumberList::kLiveTag);
    EXPECT_NE(pages.Engine(pages.Fixed()), pages.Engine(pages.Combined()));
}

TEST(ConditionPages, ResizingTheContainerResizesBothConditionWindowsTheHiddenOneToo)
{
    PageHarness pages;
    pages.OpenPages();
    ASSERT_FALSE(pages.Combined().IsWindowVisible());
    pages.Host().Take();
    pages.Fixed().MoveWindow(CRect(0, 0, 340, 290));
    pages.Combined().MoveWindow(CRect(0, 0, 340, 290));
    const Calls calls = pages.Host().Take();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "window 9 (340 x 290)"), 2);
    QWidget* hidden = pages.Panel(pages.Combined());
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(hidden->geometry(), QRect(0, 0, 340, 290));
    EXPECT_EQ(hidden->parentWidget(), pages.Combined().m_hWnd);
}

TEST(ConditionPages, DestructionCountsSavesAndReleasesFilterThenWindow)
{
    PageHarness pages;
    WriteFile(FixedStatePath(pages), kSumSix);
    pages.OpenPages();
    pages.Host().Take();
    pages.ClosePages();
    EXPECT_EQ(pages.Host().Take(), (Calls{"filter 18 (0)", "filter 32 (-1)", "release IRyxFilter", "release IRyxConWnd",
                                          // no conditions on the combined page: nothing written
                                          "filter 13", "release IRyxFilter", "release IRyxConWnd"}));
    EXPECT_EQ(pages.RealHost().Loader().LiveCount(), 0u);
}

TEST(ConditionStates, KeptConditionsComeBackExactlyAndLeaveNoFile)
{
    PageHarness pages;
    const std::string combinedSet = R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": [
        {"name": "甲", "errors": [0, 1], "conditions": [{"type": "span", "values": [0, 9], "mode": "exclude"},
                                                      {"type": "pair-sum", "pair": [0, 2], "values": [3, 4], "enabled": false}]},
        {"name": "乙", "enabled": false, "conditions": [{"type": "contains", "digits": [1, 5], "values": [1, 2]}]}]})";
    WriteFile(FixedStatePath(pages), kSumSix);
    WriteFile(pages.StateFolder() + "TS3D-3.zfc", combinedSet);
    pages.OpenPages();
    const std::string fixedBefore = StateText(*pages.Engine(pages.Fixed()));
    const std::string combinedBefore = StateText(*pages.Engine(pages.Combined()));
    EXPECT_EQ(filter::ReadConditionSet(combinedBefore).set, filter::ReadConditionSet(combinedSet).set);
    pages.ClosePages();
    EXPECT_EQ(FilesIn(pages.StateFolder()), (std::vector<std::string>{"TS3D-3.gfc", "TS3D-3.zfc"}));

    pages.OpenPages();
    EXPECT_EQ(StateText(*pages.Engine(pages.Fixed())), fixedBefore);
    EXPECT_EQ(StateText(*pages.Engine(pages.Combined())), combinedBefore);
    EXPECT_TRUE(FilesIn(pages.StateFolder()).empty());
}

TEST(ConditionStates, WithKeepingOffClosingDeletesAndWritesNothing)
{
    PageHarness pages;
    WriteFile(FixedStatePath(pages), kSumSix);
    pages.OpenPages();
    ASSERT_TRUE(pages.RealHost().Environment().SetKeepConditions(false));
    WriteFile(FixedStatePath(pages), "old");
    WriteFile(pages.StateFolder() + "TS3D-3.zfc", "old");
    pages.Host().Take();
    pages.ClosePages();
    const Calls calls = pages.Host().Take();
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "filter 32 (-1)"), 0);
    EXPECT_TRUE(FilesIn(pages.StateFolder()).empty());
}

TEST(ConditionStates, NoConditionsWithKeepingOnDeletesTheOldFileAndWritesNone)
{
    PageHarness pages;
    pages.OpenPages();
    WriteFile(pages.StateFolder() + "TS3D-3.zfc", kSumSix);
    pages.ClosePages();
    EXPECT_TRUE(FilesIn(pages.StateFolder()).empty());
}

TEST(ConditionStates, ADamagedStateIsSetAsideNamedAndNotDeleted)
{
    PageHarness pages;
    ScriptedInteraction script;
    script.QueueMessageBoxAnswer(IDOK);
    script.QueueMessageBoxAnswer(IDOK);
    const std::string damaged = R"({"format": "3dvesk-conditions", "version": 1, "digits": 3, "groups": [)";
    WriteFile(FixedStatePath(pages), damaged);
    pages.OpenPages();
    QTest::qWait(20);
    // The user's conditions may still be in there: kept under a name that is not read again.
    EXPECT_FALSE(FileExists(FixedStatePath(pages)));
    EXPECT_EQ(ReadFile(FixedStatePath(pages) + ".damaged"), damaged);
    char message[256] = {};
    EXPECT_EQ(pages.Fixed().PrepareRun(message), 0); // still no conditions
    // The page names the file set aside; the condition window gives the reason.
    ASSERT_EQ(script.MessageBoxes().size(), 2u);
    const std::string both = script.MessageBoxes()[0].text + script.MessageBoxes()[1].text;
    EXPECT_NE(both.find(FixedStatePath(pages) + ".damaged"), std::string::npos);
    EXPECT_NE(both.find("上次的缩水条件无法读取"), std::string::npos);
    for (const MessageBoxRequest& box : script.MessageBoxes())
        EXPECT_EQ(box.caption, "提示信息");
    QTest::qWait(20);
    EXPECT_EQ(script.MessageBoxes().size(), 2u);
    EXPECT_EQ(script.UnexpectedRequests(), 0);
}

// A filter whose state write stops half way, or goes through whole.
class StateWriter final : public IRyxFilter {
public:
    explicit StateWriter(bool succeeds) : m_succeeds(succeeds) {}
    SlotInt Setup(IHostObject*, IModule*, SlotInt) override { return 1; }
    SlotInt CombinedConditionCount() override { return 1; }
    SlotInt FixedConditionCount(SlotInt) override { return 1; }
    SlotInt CheckReady(char*) override { return 1; }
    SlotInt BeginRun() override { return 1; }
    SlotInt Passes() override { return 1; }
    SlotInt EndRun() override { return 1; }
    SlotInt LoadState(std::FILE*, char*, SlotInt, SlotInt) override { return 0; }
    SlotInt SaveState(std::FILE* file, char*, SlotInt) override
    {
        std::fputs(m_succeeds ? "whole" : "ha", file);
        return m_succeeds ? 1 : 0;
    }

private:
    bool m_succeeds;
};

TEST(ConditionStates, AFailedWriteKeepsTheOldStateAndSaysSo)
{
    TempFolder root;
    app::EnvironmentService environment(app::HostPaths::UnderRoot(root.Path()), "");
    ConditionStateFile state("zfc");
    state.SetIdentity(61, 3);
    StateWriter whole(true);
    EXPECT_EQ(state.KeepOrDrop(environment, whole, true), "");
    EXPECT_EQ(FilesIn(root.Path() + "state/"), std::vector<std::string>{"TS3D-3.zfc"});
    const std::string path = root.Path() + "state/TS3D-3.zfc";

    // The component stops half way; then the disk fills, a sync or the rename fails.
    StateWriter failing(false);
    const std::string refused = state.KeepOrDrop(environment, failing, true);
    EXPECT_EQ(refused.rfind("保存失败：" + path, 0), 0u) << refused;
    for (const FileStep step : {FileStep::Write, FileStep::SyncFile, FileStep::Rename}) {
        InjectedFileFailure failure(step, step == FileStep::Write ? ENOSPC : EIO);
        const std::string problem = state.KeepOrDrop(environment, whole, true);
        EXPECT_NE(problem.find("原文件未改动"), std::string::npos) << int(step);
    }
    EXPECT_EQ(FilesIn(root.Path() + "state/"), std::vector<std::string>{"TS3D-3.zfc"});
    EXPECT_EQ(ReadFile(path), "whole");
}

TEST(ConditionStates, NamesFollowTheDirectoryKeyAndNumber)
{
    ConditionStateFile fixed("gfc");
    fixed.SetIdentity(61, 3);
    EXPECT_EQ(fixed.PathIn("/data/"), "/data/TS3D-3.gfc");
    ConditionStateFile combined("zfc");
    combined.SetIdentity(0, 12);
    EXPECT_EQ(combined.PathIn("/s/"), "/s/TS0-12.zfc");
    combined.SetIdentity(-1, -2);
    EXPECT_EQ(combined.PathIn(""), "TSFFFFFFFF--2.zfc");
}

} // namespace
} // namespace vesk::test
