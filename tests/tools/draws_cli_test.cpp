// vesk-cli draws end to end: a history kept by script.
#include "tool_runner.h"

#include <gtest/gtest.h>

namespace vesk::test {
namespace {

TEST(DrawsCommand, ImportMergesByPeriodAndSaysWhatItRefused)
{
    ToolRunner tool;
    const std::string history = tool.WriteFile("draws.txt", "2025211 222\n2025210 111\n");
    const std::string a = tool.WriteFile("a.csv", "期号,日期,开奖号码\n2025212,2025-08-10,333\n2025210,2025-08-08,999\n");
    const std::string b = tool.WriteFile("b.txt", "2025213 4 4 4\n2025211 222\n");
    const ToolRun run = tool.Run({"draws", "import", a, b, "--into", history});
    EXPECT_EQ(run.status, 1); // a conflict was refused
    EXPECT_EQ(tool.ReadFile(history), "2025210 111\n2025211 222\n2025212 333\n2025213 444\n");
    EXPECT_NE(run.err.find(a + ":3: 第 2025210 期已有号码 111，与 999 不同"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("新增 2 期，跳过 1 期，拒绝 1 行（其中冲突 1 行），共 4 期"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());

    const ToolRun again = tool.Run({"draws", "import", b, "--into", history});
    EXPECT_EQ(again.status, 0) << again.err;
}

TEST(DrawsCommand, ImportCreatesAMissingHistoryAndKeepsOtherLengths)
{
    ToolRunner tool;
    const std::string five = tool.WriteFile("five.txt", "25002 5 4 3 2 1\n25001 01234\n");
    const ToolRun run = tool.Run({"draws", "import", five, "--into", tool.PathOf("new.txt"), "--digits", "5"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(tool.ReadFile(tool.PathOf("new.txt")), "25001 01234\n25002 54321\n");
}

TEST(DrawsCommand, ShowPrintsTheLatestDraws)
{
    ToolRunner tool;
    const std::string history = tool.WriteFile("draws.txt", "期号 号码\n2025215 1 2 3\n2025216 625\n2025217 094\n");
    EXPECT_EQ(tool.Run({"draws", "show", history}).out, "2025215 123\n2025216 625\n2025217 094\n");
    EXPECT_EQ(tool.Run({"draws", "show", history, "--last", "2"}).out, "2025216 625\n2025217 094\n");
    EXPECT_EQ(tool.Run({"draws", "show", "--last", "9", history}).out, "2025215 123\n2025216 625\n2025217 094\n");
}

TEST(DrawsCommand, BadUseAndMissingFiles)
{
    ToolRunner tool;
    const std::string history = tool.WriteFile("draws.txt", "2025217 094\n");
    EXPECT_EQ(tool.Run({"draws"}).status, 2);
    EXPECT_EQ(tool.Run({"draws", "fetch"}).status, 2);
    EXPECT_EQ(tool.Run({"draws", "import", history}).status, 2);              // no --into
    EXPECT_EQ(tool.Run({"draws", "import", "--into", history}).status, 2);    // no FILE
    EXPECT_EQ(tool.Run({"draws", "show", history, "--last", "0"}).status, 2);
    EXPECT_EQ(tool.Run({"draws", "show"}).status, 2);
    const ToolRun missing = tool.Run({"draws", "show", tool.PathOf("none.txt")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none.txt"), std::string::npos);
    const ToolRun unreadable = tool.Run({"draws", "import", tool.PathOf("none.txt"), "--into", history});
    EXPECT_EQ(unreadable.status, 1);
    EXPECT_EQ(tool.ReadFile(history), "2025217 094\n");
    const ToolRun help = tool.Run({"draws", "--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--into HISTORY"), std::string::npos);
}

} // namespace
} // namespace vesk::test
