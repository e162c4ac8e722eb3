// vesk-cli pick end to end: classes and numbers against the slow evaluator
// on the sample history, groups, the positional product and the refusals.
#include "tool_runner.h"

#include "tests/analysis/slow_omission.h"
#include "tests/analysis/pick/slow_pick.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>

namespace vesk::test {
namespace {

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string Three(std::uint32_t code)
{
    char text[8];
    std::snprintf(text, sizeof text, "%03u", code);
    return text;
}

const std::vector<std::vector<std::string>> kClassNames = {
    {"传", "邻", "孤"}, {"复", "隔", "中"}, {"热", "温", "冷"}, {"1", "2", "3", "4"}, {"跟随", "其他"}, {"魔数", "其他"}};

TEST(PickCommand, ClassesAndNumbersOfEachMethodAgreeWithTheSlowEvaluator)
{
    ToolRunner tool;
    const std::string sample = std::string(std::getenv("VESK_SOURCE_DIR")) + "/data/draws-3d.txt";
    const std::vector<std::uint32_t> draws = SampleDraws();
    struct Case {
        SlowPickParameters slow;
        std::vector<std::string> extra;
        std::vector<std::string> patterns;
    };
    const auto make = [](std::string method, std::size_t window, int top, std::vector<std::string> extra,
                         std::vector<std::string> patterns) {
        Case c;
        c.slow.method = std::move(method);
        c.slow.window = window;
        c.slow.top = top;
        c.extra = std::move(extra);
        c.patterns = std::move(patterns);
        return c;
    };
    const std::vector<Case> cases = {
        make("neighbour", 0, 0, {}, {"210", "111"}),
        make("repeat-skip", 0, 0, {}, {"012"}),
        make("hot-cold", 10, 0, {}, {"111", "120", "021"}),
        make("hot-cold", 4, 0, {"--window", "4"}, {"300"}),
        make("pyramid", 30, 0, {}, {"124", "234", "344"}),
        make("follow", 100, 5, {}, {"2"}),
        make("follow", 20, 3, {"--window", "20", "--top", "3"}, {"0", "1"}),
        make("magic", 0, 0, {}, {"1", "3"}),
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.slow.method);
        const std::vector<int> classes = SlowClasses(c.slow, draws);
        std::vector<std::string> args = {"pick", "--draws", sample, "--method", c.slow.method};
        args.insert(args.end(), c.extra.begin(), c.extra.end());

        std::vector<std::string> classArgs = args;
        classArgs.push_back("--classes");
        const ToolRun shown = tool.Run(classArgs);
        ASSERT_EQ(shown.status, 0) << shown.err;
        const std::vector<std::string> lines = Lines(shown.out);
        ASSERT_EQ(lines.size(), 11u);
        EXPECT_EQ(lines[0], "digit\tclass");
        static const std::vector<std::string> order = {"neighbour", "repeat-skip", "hot-cold", "pyramid", "follow", "magic"};
        const auto names = kClassNames[static_cast<std::size_t>(std::find(order.begin(), order.end(), c.slow.method) - order.begin())];
        for (int d = 0; d < 10; ++d)
            EXPECT_EQ(lines[static_cast<std::size_t>(d) + 1], std::to_string(d) + "\t" + names[static_cast<std::size_t>(classes[d])]);

        std::string joined;
        for (const std::string& p : c.patterns)
            joined += (joined.empty() ? "" : ",") + p;
        std::vector<std::string> numberArgs = args;
        numberArgs.insert(numberArgs.end(), {"--patterns", joined});
        const ToolRun numbers = tool.Run(numberArgs);
        ASSERT_EQ(numbers.status, 0) << numbers.err;
        std::string expected = "number\n";
        std::set<std::string> groups;
        const std::set<std::string> picked(c.patterns.begin(), c.patterns.end());
        for (std::uint32_t code = 0; code < 1000; ++code) {
            if (picked.count(SlowLabel(c.slow.method, classes, code))) {
                expected += Three(code) + "\n";
                std::string g = Three(code);
                std::sort(g.begin(), g.end());
                groups.insert(g);
            }
        }
        EXPECT_EQ(numbers.out, expected);
        numberArgs.push_back("--group");
        const ToolRun grouped = tool.Run(numberArgs);
        ASSERT_EQ(grouped.status, 0) << grouped.err;
        std::string expectedGroups = "number\n";
        for (const std::string& g : groups)
            expectedGroups += g + "\n";
        EXPECT_EQ(grouped.out, expectedGroups);
    }
    // Every pattern when none is named: the whole space.
    const ToolRun all = tool.Run({"pick", "--draws", sample, "--method", "neighbour"});
    ASSERT_EQ(all.status, 0) << all.err;
    EXPECT_EQ(Lines(all.out).size(), 1001u);
}

TEST(PickCommand, PositionPrintsTheProduct)
{
    ToolRunner tool;
    const std::string history = tool.WriteFile("draws.txt", "2025001 123\n");
    const ToolRun run = tool.Run({"pick", "--draws", history, "--method", "position", "--positions", "12/5/09"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "number\n150\n159\n250\n259\n");
    const ToolRun group = tool.Run({"pick", "--draws", history, "--method", "position", "--positions", "12/21/1", "--group"});
    ASSERT_EQ(group.status, 0) << group.err;
    EXPECT_EQ(group.out, "number\n111\n112\n122\n");
}

TEST(PickCommand, RefusesBadArgumentsAndShortHistoriesWithoutOutput)
{
    ToolRunner tool;
    const std::string one = tool.WriteFile("one.txt", "2025001 123\n");
    const std::vector<std::pair<std::vector<std::string>, int>> refused = {
        {{"pick", "--draws", one}, 2},
        {{"pick", "--method", "neighbour"}, 2},
        {{"pick", "--draws", one, "--method", "hot"}, 2},
        {{"pick", "--draws", one, "--method", "neighbour", "--window", "5"}, 2},
        {{"pick", "--draws", one, "--method", "hot-cold", "--top", "5"}, 2},
        {{"pick", "--draws", one, "--method", "hot-cold", "--window", "0"}, 2},
        {{"pick", "--draws", one, "--method", "hot-cold", "--window", "1001"}, 2},
        {{"pick", "--draws", one, "--method", "follow", "--top", "10"}, 2},
        {{"pick", "--draws", one, "--method", "neighbour", "--patterns", "21"}, 2},
        {{"pick", "--draws", one, "--method", "pyramid", "--patterns", "421"}, 2},
        {{"pick", "--draws", one, "--method", "position"}, 2},
        {{"pick", "--draws", one, "--method", "position", "--positions", "1/2"}, 2},
        {{"pick", "--draws", one, "--method", "position", "--positions", "1//2"}, 2},
        {{"pick", "--draws", one, "--method", "position", "--positions", "1/a/2"}, 2},
        {{"pick", "--draws", one, "--method", "position", "--positions", "1/2/3", "--classes"}, 2},
        {{"pick", "--draws", one, "--method", "magic", "--positions", "1/2/3"}, 2},
        {{"pick", "--draws", one, "--method", "magic", "extra"}, 2},
        // 复隔中 needs two draws; a missing history is unreadable.
        {{"pick", "--draws", one, "--method", "repeat-skip"}, 1},
        {{"pick", "--draws", tool.PathOf("missing.txt"), "--method", "neighbour"}, 1},
    };
    for (const auto& [args, status] : refused) {
        const ToolRun run = tool.Run(args);
        std::string words;
        for (const std::string& a : args)
            words += a + " ";
        EXPECT_EQ(run.status, status) << words;
        EXPECT_EQ(run.out, "") << words;
        EXPECT_FALSE(run.err.empty()) << words;
    }
    const ToolRun ok = tool.Run({"pick", "--draws", one, "--method", "neighbour", "--classes"});
    EXPECT_EQ(ok.status, 0) << ok.err;
}

} // namespace
} // namespace vesk::test
