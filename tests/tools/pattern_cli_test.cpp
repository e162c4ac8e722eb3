// vesk-cli pattern end to end: the printed summary against a count written
// from the definition, and the refusals.
#include "tool_runner.h"

#include "tests/analysis/slow_omission.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>

namespace vesk::test {
namespace {

std::vector<std::string> PatternLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

int SpanOf(std::uint32_t code)
{
    const std::vector<int> d = DigitsOfCode(code, 3);
    return std::max({d[0], d[1], d[2]}) - std::min({d[0], d[1], d[2]});
}

TEST(PatternCommand, PrintsTheSummaryOfTheNewestDraws)
{
    ToolRunner tool;
    const std::string sample = std::string(std::getenv("VESK_SOURCE_DIR")) + "/data/draws-3d.txt";
    const std::vector<std::uint32_t> draws = SampleDraws();
    const std::size_t h = draws.size();
    for (const auto& [k, last] : std::vector<std::pair<std::size_t, std::size_t>>{{3, 0}, {1, 100}, {2, 500}}) {
        std::vector<std::string> args = {"pattern", "--draws", sample, "--type", "span", "--length", std::to_string(k)};
        const std::size_t n = last == 0 ? h : last;
        if (last != 0)
            args.insert(args.end(), {"--last", std::to_string(last)});
        const ToolRun run = tool.Run(args);
        ASSERT_EQ(run.status, 0) << run.err;
        std::map<int, long long> counts, space;
        for (std::uint32_t code = 0; code < 1000; ++code)
            ++space[SpanOf(code)];
        long long places = 0;
        for (std::size_t first = h - n; first + k < h; ++first) {
            bool same = true;
            for (std::size_t j = 0; j < k; ++j)
                same = same && SpanOf(draws[first + j]) == SpanOf(draws[h - k + j]);
            if (same) {
                ++places;
                ++counts[SpanOf(draws[first + k])];
            }
        }
        std::string expected = "value\tcount\tshare\tprobability\n";
        for (const auto& [value, inSpace] : space)
            expected += std::to_string(value) + '\t' + std::to_string(counts[value]) + '\t' +
                        RoundHalfUp(counts[value], places, 4) + '\t' + RoundHalfUp(inSpace, 1000, 4) + '\n';
        EXPECT_EQ(run.out, expected) << "K " << k << " last " << last;
    }
}

TEST(PatternCommand, HandMadeHistory)
{
    ToolRunner tool;
    // Odd counts 1 1 1 0 1 1: the pattern "1 1" came twice before, with 1 and 0 next.
    const std::string history =
        tool.WriteFile("draws.txt", "期号 号码\n2025211 100\n2025212 300\n2025213 500\n2025214 000\n2025215 700\n2025216 900\n");
    const ToolRun run = tool.Run({"pattern", "--draws", history, "--type", "odd-count", "--length", "2"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "value\tcount\tshare\tprobability\n0\t1\t0.5000\t0.1250\n1\t1\t0.5000\t0.3750\n"
                       "2\t0\t0.0000\t0.3750\n3\t0\t0.0000\t0.1250\n");
    // K as long as the history: no place, every value still listed.
    const ToolRun whole = tool.Run({"pattern", "--draws", history, "--type", "odd-count", "--length", "6"});
    ASSERT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(PatternLines(whole.out).size(), 5u);
    EXPECT_EQ(PatternLines(whole.out)[2], "1\t0\t0.0000\t0.3750");
}

TEST(PatternCommand, APlaceTypeTakesItsPlace)
{
    ToolRunner tool;
    // Units digits 0 0 3 0 0 0: the newest "0 0" came twice before, with 3
    // and 0 next; the tens and units sum to 0 0 3 0 7 0.
    const std::string history = tool.WriteFile("draws.txt", "100\n200\n503\n400\n070\n900\n");
    const ToolRun units = tool.Run({"pattern", "--draws", history, "--type", "position", "--position", "2", "--length", "2"});
    ASSERT_EQ(units.status, 0) << units.err;
    const std::vector<std::string> lines = PatternLines(units.out);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(lines[1], "0\t1\t0.5000\t0.1000");
    EXPECT_EQ(lines[4], "3\t1\t0.5000\t0.1000");
    const ToolRun pair = tool.Run({"pattern", "--draws", history, "--type", "pair-sum", "--pair", "1,2", "--length", "1"});
    ASSERT_EQ(pair.status, 0) << pair.err;
    // The newest sum, 0, came three times before: next 0, 3 and 7.
    ASSERT_EQ(PatternLines(pair.out).size(), 20u);
    EXPECT_EQ(PatternLines(pair.out)[1], "0\t1\t0.3333\t0.0100");
    EXPECT_EQ(PatternLines(pair.out)[4], "3\t1\t0.3333\t0.0400");
    EXPECT_EQ(PatternLines(pair.out)[6], "5\t0\t0.0000\t0.0600");
}

TEST(PatternCommand, RefusesBadUseAndUnreadableHistories)
{
    ToolRunner tool;
    const std::string history = tool.WriteFile("draws.txt", "2025216 625\n2025217 094\n");
    const std::string empty = tool.WriteFile("empty.txt", "期号 号码\n");
    struct Refusal {
        std::vector<std::string> args;
        int status;
    };
    const std::vector<Refusal> refusals = {
        {{"pattern", "--type", "sum"}, 2},
        {{"pattern", "--draws", history}, 2},
        {{"pattern", "--draws", history, "--type", "weather"}, 2},
        {{"pattern", "--draws", history, "--type", "repeat"}, 2},
        {{"pattern", "--draws", history, "--type", "position"}, 2},
        {{"pattern", "--draws", history, "--type", "position", "--position", "3"}, 2},
        {{"pattern", "--draws", history, "--type", "position", "--position", "-1"}, 2},
        {{"pattern", "--draws", history, "--type", "pair-sum", "--pair", "1,1"}, 2},
        {{"pattern", "--draws", history, "--type", "pair-sum", "--pair", "0"}, 2},
        {{"pattern", "--draws", history, "--type", "pair-sum", "--position", "0"}, 2},
        {{"pattern", "--draws", history, "--type", "sum", "--position", "0"}, 2},
        {{"pattern", "--draws", history, "--type", "contains"}, 2},
        {{"pattern", "--draws", history, "--type", "sum", "--length", "0"}, 2},
        {{"pattern", "--draws", history, "--type", "sum", "--length", "11"}, 2},
        {{"pattern", "--draws", history, "--type", "sum", "--length", "x"}, 2},
        {{"pattern", "--draws", history, "--type", "sum", "--last", "0"}, 2},
        {{"pattern", "--draws", history, "--type", "sum", "extra"}, 2},
        {{"pattern", "--draws", tool.PathOf("none.txt"), "--type", "sum"}, 1},
        {{"pattern", "--draws", empty, "--type", "sum"}, 1},
        {{"pattern", "--draws", history, "--type", "sum", "--length", "3"}, 1},
    };
    for (const Refusal& refusal : refusals) {
        const ToolRun run = tool.Run(refusal.args);
        EXPECT_EQ(run.status, refusal.status) << refusal.args.back() << ": " << run.err;
        EXPECT_TRUE(run.out.empty()) << refusal.args.back();
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_NE(tool.Run({"pattern", "--help"}).out.find("value count share probability"), std::string::npos);
    EXPECT_NE(tool.Run({"--help"}).out.find("pattern"), std::string::npos);
}

} // namespace
} // namespace vesk::test
