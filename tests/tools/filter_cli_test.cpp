// vesk-cli filter and backtest end to end: the built tool on files.
#include "tool_runner.h"

#include "tests/support/build_folders.h"
#include "tests/support/file_size_limit.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vesk::test {
namespace {

std::string Set(int digits, const std::string& conditions, const std::string& errors = "[0, 0]")
{
    return R"({"format": "3dvesk-conditions", "version": 1, "digits": )" + std::to_string(digits)
        + R"(, "groups": [{"name": "g", "errors": )" + errors + R"(, "conditions": [)" + conditions + "]}]}";
}

std::string Three(int code)
{
    std::string text = std::to_string(code);
    return std::string(3 - text.size(), '0') + text;
}

TEST(FilterCommand, KeepsThePassingNumbersInTheirOrderWithRepeats)
{
    ToolRunner tool;
    const std::string set = tool.WriteFile("sum6.json", Set(3, R"({"type": "sum", "values": [6]})"));
    const ToolRun run = tool.Run({"filter", "--conditions", set, "--rejected", tool.PathOf("out.txt"), "--report"},
                                 "123 222 124 321\r\n123 456");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "123\n222\n321\n123\n");
    EXPECT_EQ(tool.ReadFile(tool.PathOf("out.txt")), "124 456");
    EXPECT_NE(run.err.find("共 6 注，保留 4 注，滤除 2 注"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("1. 和值：不满足 2 注"), std::string::npos) << run.err;
}

TEST(FilterCommand, AllJudgesTheWholeSpaceInOrder)
{
    ToolRunner tool;
    // Sum 10 and first digit unlike the last, and in a second group the
    // hundreds digit not 0.
    const std::string set = tool.WriteFile("s.json", R"({"format": "3dvesk-conditions", "version": 1, "digits": 3,
      "groups": [{"errors": [0, 0], "conditions": [{"type": "sum", "values": [10]},
                                                  {"type": "pair-diff", "pair": [0, 2], "values": [0], "mode": "exclude"}]},
                 {"conditions": [{"type": "position", "position": 0, "values": [0], "mode": "exclude"}]}]})");
    std::string expected;
    for (int code = 0; code < 1000; ++code) {
        const int a = code / 100, b = code / 10 % 10, c = code % 10;
        if (a + b + c == 10 && a != c && a != 0)
            expected += Three(code) + "\n";
    }
    const ToolRun run = tool.Run({"filter", "--all", "--conditions", set});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expected);

    const std::string two = tool.WriteFile("two.json", Set(2, R"({"type": "odd-pattern", "values": [2]})"));
    const ToolRun digits = tool.Run({"filter", "--all", "--digits", "2", "--conditions", two});
    EXPECT_EQ(digits.out, "10\n12\n14\n16\n18\n30\n32\n34\n36\n38\n50\n52\n54\n56\n58\n70\n72\n74\n76\n78\n90\n92\n94\n96\n98\n");
}

TEST(FilterCommand, HistoryConditionsReadTheDraws)
{
    ToolRunner tool;
    const std::string set = tool.WriteFile("repeat.json", Set(3, R"({"type": "repeat", "values": [0]})"));
    const std::string draws = tool.WriteFile("draws.txt", "期号 号码\n2026001 123\n2026002 4 5 6\n");
    const ToolRun run = tool.Run({"filter", "--conditions", set, "--draws", draws}, "789 415 123");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "789\n123\n");

    const ToolRun without = tool.Run({"filter", "--conditions", set}, "789");
    EXPECT_EQ(without.status, 1);
    EXPECT_EQ(without.out, "");
    EXPECT_NE(without.err.find("需要开奖历史数据"), std::string::npos) << without.err;
}

TEST(FilterCommand, RefusalsNameTheFileAndLeaveNoOutputFile)
{
    ToolRunner tool;
    const std::string bad = tool.WriteFile("bad.json", Set(3, R"({"type": "position", "position": 3, "values": [1]})"));
    const std::string sum = tool.WriteFile("sum.json", Set(3, R"({"type": "sum", "values": [6]})"));
    const std::string none = tool.WriteFile("none.json", Set(3, ""));
    const std::string rejected = tool.PathOf("rejected.txt");
    const struct {
        std::vector<std::string> args;
        int status;
        std::string err;
    } cases[] = {
        {{"filter", "--conditions", bad, "--rejected", rejected},
         1, bad + ": groups[0].conditions[0].position: 3 is not a position of a 3-digit number"},
        {{"filter", "--conditions", sum, "--digits", "5", "--rejected", rejected},
         1, sum + ": digits: the set is for 3-digit numbers, not for the 5-digit game"},
        {{"filter", "--conditions", none, "--rejected", rejected}, 1, "没有设置缩水条件"},
        {{"filter", "--conditions", tool.PathOf("missing.json")}, 1, "missing.json: "},
        {{"filter", "--conditions", sum, "--draws", tool.PathOf("nodraws.txt")}, 1, "nodraws.txt: "},
        {{"filter", "--rejected", rejected}, 2, "--conditions SET is required"},
        {{"filter", "--conditions", sum, "--all", "x.txt"}, 2, "--all takes no FILE"},
        {{"filter", "--conditions", sum, "--rejected", tool.PathOf("no/such/dir.txt")}, 1, "dir.txt: "},
        {{"backtest", "--conditions", sum}, 2, "--draws FILE is required"},
        {{"backtest", "--conditions", sum, "--draws", sum, "--last", "0"}, 2, "--last must be a whole number"},
        {{"backtest", "--conditions", sum, "--draws", tool.WriteFile("empty.txt", "标题\n")}, 1, "no draws of 3 digits"},
    };
    for (const auto& c : cases) {
        const ToolRun run = tool.Run(c.args, "123 456");
        EXPECT_EQ(run.status, c.status) << c.args[2] << " " << run.err;
        EXPECT_NE(run.err.find(c.err), std::string::npos) << run.err;
        EXPECT_EQ(run.out, "");
        EXPECT_FALSE(std::filesystem::exists(rejected));
    }
}

TEST(FilterCommand, ARejectedFileThatFailsHalfWayPrintsNothing)
{
    ToolRunner tool;
    const std::string sum = tool.WriteFile("sum.json", Set(3, R"({"type": "sum", "values": [6]})"));
    std::string every;
    for (int n = 0; n < 1000; ++n)
        every += std::to_string(1000 + n).substr(1) + ' ';
    const std::string numbers = tool.WriteFile("every.txt", every);
    // 28 numbers kept, 972 rejected: the rejected file outgrows the limit
    // while the kept text would fit.
    test::FileSizeLimit limit(1024);
    ASSERT_TRUE(limit.Active());
    const ToolRun run = tool.Run({"filter", "--conditions", sum, "--rejected", tool.PathOf("rejected.txt"), numbers});
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(std::filesystem::exists(tool.PathOf("rejected.txt")));
}

TEST(BacktestCommand, JudgesTheLastDrawsWithTheirEarlierHistory)
{
    ToolRunner tool;
    const std::string set = tool.WriteFile("s.json", Set(3, R"({"type": "repeat", "values": [0]},
        {"type": "sum", "values": [27], "mode": "exclude"})"));
    const std::string draws = tool.WriteFile("draws.txt", "期号 号码\n2026001 123\n2026002 456\n\n2026003 156\n2026004 789\n2026005 999\n");
    const ToolRun run = tool.Run({"backtest", "--conditions", set, "--draws", draws});
    ASSERT_EQ(run.status, 0) << run.err;
    // Chance: 342 numbers share no digit with each of the first three draws
    // and are not 999, 343 with 789: 1369 / 4000.
    EXPECT_EQ(run.out, "2026002 456 保留\n2026003 156 滤除 重号\n2026004 789 保留\n2026005 999 滤除 重号 和值\n"
                       "4 期中保留 2 期\nrate 0.5000 baseline 0.3423\n");
    const ToolRun last = tool.Run({"backtest", "--conditions", set, "--draws", draws, "--last", "1"});
    EXPECT_EQ(last.out, "2026005 999 滤除 重号 和值\n1 期中保留 0 期\nrate 0.0000 baseline 0.3430\n");

    // Without a period on every draw, the place among the draws (not the
    // line of the file).
    const std::string bare = tool.WriteFile("bare.txt", "号码\n123\n2026002 456\n\n156\n789\n999\n");
    const ToolRun places = tool.Run({"backtest", "--conditions", set, "--draws", bare, "--last", "2"});
    EXPECT_EQ(places.out, "4 789 保留\n5 999 滤除 重号 和值\n2 期中保留 1 期\nrate 0.5000 baseline 0.3425\n");

    const std::string one = tool.WriteFile("one.txt", "2026001 123\n");
    const ToolRun none = tool.Run({"backtest", "--conditions", set, "--draws", one});
    EXPECT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out, "0 期中保留 0 期\nrate - baseline -\n");
}

// The sample history: the last 30 draws by period, each kept exactly when
// its sum is 10 or 11, and chance the 63 + 69 numbers of those sums.
TEST(BacktestCommand, NamesTheSampleHistorysDrawsByPeriod)
{
    ToolRunner tool;
    const std::string set = tool.WriteFile("s.json", Set(3, R"({"type": "sum", "values": [10, 11]})"));
    const std::string sample = test::BuildFolder() + "data/draws-3d.txt";
    std::ifstream in(sample);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    ASSERT_GE(lines.size(), 30u) << sample;
    std::string expected;
    int kept = 0;
    for (std::size_t i = lines.size() - 30; i < lines.size(); ++i) {
        std::istringstream fields(lines[i]);
        std::string period, number;
        fields >> period >> number;
        const int sum = (number[0] - '0') + (number[1] - '0') + (number[2] - '0');
        const bool keeps = sum == 10 || sum == 11;
        kept += keeps ? 1 : 0;
        expected += period + " " + number + (keeps ? " 保留" : " 滤除 和值") + "\n";
    }
    const ToolRun run = tool.Run({"backtest", "--conditions", set, "--draws", sample});
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(run.out.starts_with(expected)) << run.out;
    char rate[8];
    std::snprintf(rate, sizeof rate, "%.4f", kept / 30.0);
    EXPECT_EQ(run.out.substr(expected.size()),
              "30 期中保留 " + std::to_string(kept) + " 期\nrate " + rate + " baseline 0.1320\n");
}

} // namespace
} // namespace vesk::test
