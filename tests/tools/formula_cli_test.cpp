// vesk-cli formula end to end: the printed table against a hand-worked
// history and against the search it shares with the window, and the refusals.
#include "tool_runner.h"

#include "components/features/analysis/formula/formula_search.h"
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

const char* const kTenDraws = "358\n127\n490\n336\n815\n062\n741\n209\n583\n674\n";

TEST(FormulaCommand, PrintsTheTopFormulasOfAHandMadeHistory)
{
    ToolRunner tool;
    const std::string history = tool.WriteFile("draws.txt", kTenDraws);
    const ToolRun run = tool.Run({"formula", "--draws", history, "--top", "10000"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 10001u);
    EXPECT_EQ(lines[0], "x\ty\tz\tk\thits\tscored\trate\tbaseline\tmiss-run\tnext");
    // f = a + b: one hit of nine (draw 4), then six misses; 6 + 7 names 3.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "1\t1\t0\t0\t1\t9\t0.1111\t0.2710\t6\t3"), lines.end());

    const ToolRun kill = tool.Run({"formula", "--draws", history, "--top", "10000", "--kill", "--last", "5"});
    ASSERT_EQ(kill.status, 0) << kill.err;
    // Over the last five it never came: five 杀 hits.
    const std::vector<std::string> killLines = Lines(kill.out);
    EXPECT_NE(std::find(killLines.begin(), killLines.end(), "1\t1\t0\t0\t5\t5\t1.0000\t0.7290\t0\t3"), killLines.end());
}

TEST(FormulaCommand, AgreesWithTheSearchOnTheSampleHistory)
{
    ToolRunner tool;
    const std::string sample = std::string(std::getenv("VESK_SOURCE_DIR")) + "/data/draws-3d.txt";
    const std::vector<std::uint32_t> draws = SampleDraws();
    const ToolRun run = tool.Run({"formula", "--draws", sample, "--last", "200", "--top", "5"});
    ASSERT_EQ(run.status, 0) << run.err;
    const analysis::FormulaSearchResult result =
        analysis::SearchFormulas(draws, 200, analysis::GuessUse::Banker, 5, true);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 6u);
    for (std::size_t r = 0; r < 5; ++r) {
        const analysis::FormulaRow& row = result.top[r];
        EXPECT_EQ(lines[r + 1], std::to_string(row.formula.x) + '\t' + std::to_string(row.formula.y) + '\t' +
                                    std::to_string(row.formula.z) + '\t' + std::to_string(row.formula.k) + '\t' +
                                    std::to_string(row.hits) + "\t200\t" + RoundHalfUp(row.hits, 200, 4) + "\t0.2710\t" +
                                    std::to_string(row.longestMiss) + '\t' + std::to_string(row.next));
    }

    const ToolRun shuffled = tool.Run({"formula", "--draws", sample, "--last", "200", "--shuffled"});
    ASSERT_EQ(shuffled.status, 0) << shuffled.err;
    const std::vector<std::string> shuffleLines = Lines(shuffled.out);
    ASSERT_EQ(shuffleLines.size(), 21u);
    EXPECT_EQ(shuffleLines[0], "shuffle\tbest-hits\tbest-rate");
    for (std::size_t i = 0; i < 20; ++i)
        EXPECT_EQ(shuffleLines[i + 1], std::to_string(i + 1) + '\t' + std::to_string(result.shuffles[i].hits) + '\t' +
                                           RoundHalfUp(result.shuffles[i].hits, 200, 4));
}

TEST(FormulaCommand, RefusesBadArgumentsAndTooFewDraws)
{
    ToolRunner tool;
    const std::string history = tool.WriteFile("draws.txt", kTenDraws);
    const std::string one = tool.WriteFile("one.txt", "123\n");
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* says;
    };
    const std::vector<Case> cases = {
        {{"formula"}, 2, "--draws"},
        {{"formula", "--draws", history, "--top", "0"}, 2, "--top"},
        {{"formula", "--draws", history, "--top", "10001"}, 2, "--top"},
        {{"formula", "--draws", history, "--last", "x"}, 2, "--last"},
        {{"formula", "--draws", history, "extra"}, 2, "extra"},
        {{"formula", "--draws", tool.PathOf("missing.txt")}, 1, "missing.txt"},
        {{"formula", "--draws", one}, 1, "at least 2"},
    };
    for (const Case& c : cases) {
        const ToolRun run = tool.Run(c.args);
        EXPECT_EQ(run.status, c.status) << c.args.back() << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << c.args.back();
        EXPECT_NE(run.err.find(c.says), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace vesk::test
