// vesk-cli omission end to end: the printed table against the slow
// evaluator, and the refusals.
#include "tool_runner.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

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

std::string SlowLine(const std::string& family, const std::string& label, const std::vector<std::uint32_t>& draws,
                     std::size_t last)
{
    const SlowRow r = SlowOmission(PredicateOfLabel(family, label, 3), draws, last, 3);
    std::ostringstream line;
    line << label << '\t' << r.current << '\t' << r.previous << '\t' << r.maximum << '\t' << r.average << '\t'
         << r.expected << '\t' << r.ratio << '\t' << r.hits << '\t' << r.rate << '\t' << r.maxRun;
    return line.str();
}

TEST(OmissionCommand, PrintsTheFiguresOfTheSlowEvaluator)
{
    ToolRunner tool;
    const std::string sample = std::string(std::getenv("VESK_SOURCE_DIR")) + "/data/draws-3d.txt";
    const std::vector<std::uint32_t> draws = SampleDraws();
    for (const auto& [family, last] : std::vector<std::pair<std::string, std::size_t>>{
             {"sum", 100}, {"group-2", 0}, {"single-1", 30}, {"cover-4", 50}}) {
        std::vector<std::string> args = {"omission", "--draws", sample, "--family", family};
        if (last != 0)
            args.insert(args.end(), {"--last", std::to_string(last)});
        const ToolRun run = tool.Run(args);
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::string> lines = Lines(run.out);
        ASSERT_GT(lines.size(), 1u);
        EXPECT_EQ(lines[0], "item\tcurrent\tprevious\tmax\taverage\texpected\tratio\thits\trate\tmax-run");
        for (std::size_t i = 1; i < lines.size(); ++i) {
            const std::string label = lines[i].substr(0, lines[i].find('\t'));
            EXPECT_EQ(lines[i], SlowLine(family, label, draws, last)) << family;
        }
    }
}

TEST(OmissionCommand, LinesInLabelOrderAndOnlyPossibleItems)
{
    ToolRunner tool;
    const std::string history = tool.WriteFile("draws.txt", "期号 号码\n2025215 1 2 3\n2025216 625\n2025217 094\n");
    const ToolRun sum = tool.Run({"omission", "--draws", history, "--family", "sum"});
    ASSERT_EQ(sum.status, 0) << sum.err;
    const std::vector<std::string> lines = Lines(sum.out);
    ASSERT_EQ(lines.size(), 1u + 28u);
    EXPECT_EQ(lines[1].substr(0, 2), "0\t");
    EXPECT_EQ(lines[10], "9\t3\t0\t3\t3.00\t17.18\t0.17\t0\t0.0000\t0"); // never drawn: current is the history's length
    EXPECT_EQ(lines[14].substr(0, 4), "13\t0"); // 625 and 094 both sum to 13
    const ToolRun group1 = tool.Run({"omission", "--draws", history, "--family", "group-1", "--last", "1"});
    EXPECT_EQ(Lines(group1.out)[1], "0\t0\t2\t0\t0.00\t2.69\t0.00\t1\t1.0000\t1"); // the run before lies outside the window
}

TEST(OmissionCommand, RefusesBadUseAndUnreadableHistories)
{
    ToolRunner tool;
    const std::string history = tool.WriteFile("draws.txt", "2025217 094\n");
    const std::string empty = tool.WriteFile("empty.txt", "期号 号码\n");
    struct Refusal {
        std::vector<std::string> args;
        int status;
    };
    const std::vector<Refusal> refusals = {
        {{"omission", "--family", "sum"}, 2},
        {{"omission", "--draws", history}, 2},
        {{"omission", "--draws", history, "--family", "weather"}, 2},
        {{"omission", "--draws", history, "--family", "repeat"}, 2},
        {{"omission", "--draws", history, "--family", "position"}, 2},
        {{"omission", "--draws", history, "--family", "cover-10"}, 2},
        {{"omission", "--draws", history, "--family", "sum", "--last", "0"}, 2},
        {{"omission", "--draws", history, "--family", "sum", "--digits", "0"}, 2},
        {{"omission", "--draws", history, "--family", "sum", "extra"}, 2},
        {{"omission", "--draws", tool.PathOf("none.txt"), "--family", "sum"}, 1},
        {{"omission", "--draws", empty, "--family", "sum"}, 1},
    };
    for (const Refusal& refusal : refusals) {
        const ToolRun run = tool.Run(refusal.args);
        EXPECT_EQ(run.status, refusal.status) << refusal.args.back() << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << refusal.args.back();
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_NE(tool.Run({"omission", "--help"}).out.find("cover-N"), std::string::npos);
    EXPECT_NE(tool.Run({"--help"}).out.find("omission"), std::string::npos);
}

} // namespace
} // namespace vesk::test
