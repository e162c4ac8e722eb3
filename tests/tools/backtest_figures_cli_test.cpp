// vesk-cli's figures against chance: backtest --per-condition worked out by
// hand, and pick --backtest against the slow evaluator with the p-values as
// exact binomial sums at the printed baseline.
#include "tool_runner.h"

#include "tests/analysis/slow_omission.h"
#include "tests/analysis/pick/slow_pick.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <sstream>

namespace vesk::test {
namespace {

std::vector<std::vector<std::string>> Fields(const std::string& text)
{
    std::vector<std::vector<std::string>> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        std::vector<std::string>& fields = lines.emplace_back(1);
        for (char c : line) {
            if (c == '\t')
                fields.emplace_back();
            else
                fields.back() += c;
        }
    }
    return lines;
}

// P(X >= k) for X binomial(n, p), term by term in long double.
double AtLeast(long long k, long long n, long double p)
{
    long double term = std::pow(1 - p, static_cast<long double>(n));
    long double sum = 0;
    for (long long i = 0; i <= n; ++i) {
        if (i >= k)
            sum += term;
        term = term * static_cast<long double>(n - i) / static_cast<long double>(i + 1) * p / (1 - p);
    }
    return static_cast<double>(sum);
}

std::string Four(long double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4Lf", std::floor(value * 10000 + 0.5L) / 10000);
    return text;
}

// Group 1 forgives one error of sum 10/11 and no repeat of the previous
// draw (its first condition disabled); group 2 is disabled. Judged: 128, 940,
// 117, 163 (repeats the 1 of 117), 999. Chance by counting: sums 10 and 11
// have 63 + 69 numbers; no digit of 555 leaves 729, of 128, 940 and 163 343
// each, of 117 512; the group keeps 2645 of the 5000.
TEST(BacktestPerCondition, PrintsEachConditionGroupAndTheSetWorkedOutByHand)
{
    ToolRunner tool;
    const std::string set = tool.WriteFile("s.json", R"({"format": "3dvesk-conditions", "version": 1, "digits": 3,
        "groups": [{"name": "a", "errors": [0, 1], "conditions": [
            {"type": "span", "values": [0], "enabled": false},
            {"type": "sum", "values": [10, 11]},
            {"type": "repeat", "values": [0]}]},
          {"name": "b", "enabled": false, "conditions": [{"type": "sum", "values": [1]}]}]})");
    const std::string draws = tool.WriteFile("d.txt", "2026001 555\n2026002 128\n2026003 940\n2026004 117\n2026005 163\n2026006 999\n");
    const ToolRun run = tool.Run({"backtest", "--conditions", set, "--draws", draws, "--per-condition"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "item\tkept\tjudged\trate\tbaseline\tp\tcurrent-cut\tlongest-cut\n"
                       "1.2\t2\t5\t0.4000\t0.1320\t0.1326\t1\t2\n"
                       "1.3\t4\t5\t0.8000\t0.4540\t0.1353\t0\t1\n"
                       "1\t5\t5\t1.0000\t0.5290\t0.0414\t0\t0\n"
                       "set\t5\t5\t1.0000\t0.5290\t0.0414\t0\t0\n");
    // The set's line is the plain back-test's.
    const ToolRun plain = tool.Run({"backtest", "--conditions", set, "--draws", draws});
    EXPECT_TRUE(plain.out.ends_with("rate 1.0000 baseline 0.5290\n")) << plain.out;

    // --last 2: the two newest only.
    const ToolRun two = tool.Run({"backtest", "--conditions", set, "--draws", draws, "--per-condition", "--last", "2"});
    EXPECT_EQ(Fields(two.out)[1], (std::vector<std::string>{"1.2", "1", "2", "0.5000", "0.1320", "0.2466", "1", "1"}));

    // One draw and a history condition: nothing judged, the items still listed.
    const std::string one = tool.WriteFile("one.txt", "2026001 555\n");
    const ToolRun none = tool.Run({"backtest", "--conditions", set, "--draws", one, "--per-condition"});
    ASSERT_EQ(none.status, 0) << none.err;
    EXPECT_EQ(none.out, "item\tkept\tjudged\trate\tbaseline\tp\tcurrent-cut\tlongest-cut\n"
                        "1.2\t0\t0\t-\t-\t-\t0\t0\n1.3\t0\t0\t-\t-\t-\t0\t0\n1\t0\t0\t-\t-\t-\t0\t0\nset\t0\t0\t-\t-\t-\t0\t0\n");
}

TEST(PickBacktest, FiguresAgreeWithTheSlowEvaluatorAndExactSums)
{
    ToolRunner tool;
    const std::vector<std::uint32_t> all = SampleDraws();
    ASSERT_GT(all.size(), 260u);
    // A short history keeps the slow evaluator quick.
    std::string text;
    const std::vector<std::uint32_t> draws(all.begin(), all.begin() + 260);
    for (std::size_t i = 0; i < draws.size(); ++i) {
        char line[32];
        std::snprintf(line, sizeof line, "%zu %03u\n", 2020001 + i, draws[i]);
        text += line;
    }
    const std::string history = tool.WriteFile("h.txt", text);
    const SlowPickParameters slow{"hot-cold", 10, 0};
    const std::set<std::string> picked = {"111", "210"};
    const ToolRun run = tool.Run({"pick", "--draws", history, "--method", "hot-cold", "--patterns", "111,210",
                                  "--backtest", "100", "--rule", "60"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = Fields(run.out);
    ASSERT_EQ(lines.size(), 4u) << run.out;
    EXPECT_EQ(lines[0], (std::vector<std::string>{"figure", "hits", "scored", "rate", "baseline", "p"}));

    // Labels and chance per place, from the draws before it only.
    std::vector<std::string> label(draws.size());
    std::vector<std::map<std::string, long long>> covered(draws.size());
    std::vector<bool> classed(draws.size(), false);
    for (std::size_t j = 0; j < draws.size(); ++j) {
        const std::vector<std::uint32_t> before(draws.begin(), draws.begin() + static_cast<std::ptrdiff_t>(j));
        const std::vector<int> classes = SlowClasses(slow, before);
        if (classes.empty())
            continue;
        classed[j] = true;
        label[j] = SlowLabel("hot-cold", classes, draws[j]);
        for (std::uint32_t code = 0; code < 1000; ++code)
            ++covered[j][SlowLabel("hot-cold", classes, code)];
    }
    const auto expect = [&](const std::vector<std::string>& line, const std::string& figure, std::size_t from,
                            std::size_t to, const std::function<std::set<std::string>(std::size_t)>& pickAt) {
        SCOPED_TRACE(figure);
        long long hits = 0, scored = 0, chance = 0;
        for (std::size_t j = from; j < to; ++j) {
            if (!classed[j])
                continue;
            ++scored;
            const std::set<std::string> at = pickAt(j);
            hits += at.count(label[j]);
            for (const std::string& l : at)
                chance += covered[j][l];
        }
        ASSERT_EQ(line.size(), 6u);
        EXPECT_EQ(line[0], figure);
        EXPECT_EQ(line[1], std::to_string(hits));
        EXPECT_EQ(line[2], std::to_string(scored));
        EXPECT_EQ(line[3], Four(static_cast<long double>(hits) / scored));
        EXPECT_EQ(line[4], Four(static_cast<long double>(chance) / (scored * 1000)));
        const double p = AtLeast(hits, scored, std::stold(line[4]));
        EXPECT_EQ(line[5], p < 0.00005 ? "<0.0001" : Four(p));
    };
    const auto fixed = [&](std::size_t) { return picked; };
    expect(lines[1], "in-sample", 160, 260, fixed);
    expect(lines[2], "held-out", 60, 160, fixed);
    // The rule: over the 60 draws before each walked draw, the labels whose
    // count beats the chance they held there.
    expect(lines[3], "walk-forward", 160, 260, [&](std::size_t i) {
        std::map<std::string, long long> counts, chance;
        for (std::size_t j = i - 60; j < i; ++j) {
            if (!classed[j])
                continue;
            ++counts[label[j]];
            for (const auto& [l, n] : covered[j])
                chance[l] += n;
        }
        std::set<std::string> rule;
        for (const auto& [l, n] : counts)
            if (n * 1000 > chance[l])
                rule.insert(l);
        return rule;
    });

    // Nothing left before the window: held-out scores nothing.
    const ToolRun whole = tool.Run({"pick", "--draws", history, "--method", "hot-cold", "--backtest", "300"});
    ASSERT_EQ(whole.status, 0) << whole.err;
    EXPECT_EQ(Fields(whole.out)[2], (std::vector<std::string>{"held-out", "0", "0", "-", "-", "-"}));
    // The product: a hit is a draw inside it; its chance is its share of the space.
    const ToolRun product = tool.Run({"pick", "--draws", history, "--method", "position", "--positions", "0123/0123456789/5",
                                      "--backtest", "100"});
    ASSERT_EQ(product.status, 0) << product.err;
    long long inside = 0;
    for (std::size_t j = 160; j < 260; ++j)
        inside += draws[j] / 100 <= 3 && draws[j] % 10 == 5 ? 1 : 0;
    const auto productLines = Fields(product.out);
    ASSERT_EQ(productLines.size(), 3u);
    EXPECT_EQ(productLines[1][1], std::to_string(inside));
    EXPECT_EQ(productLines[1][4], "0.0400");
}

TEST(PickBacktest, RefusesOptionsThatDoNotGoTogether)
{
    ToolRunner tool;
    const std::string history = tool.WriteFile("h.txt", "2020001 123\n2020002 456\n");
    const std::vector<std::vector<std::string>> refused = {
        {"--method", "neighbour", "--rule", "10"},
        {"--method", "neighbour", "--backtest", "0"},
        {"--method", "neighbour", "--backtest", "x"},
        {"--method", "neighbour", "--backtest", "10", "--rule", "0"},
        {"--method", "neighbour", "--backtest", "10", "--group"},
        {"--method", "neighbour", "--backtest", "10", "--classes"},
        {"--method", "position", "--positions", "1/2/3", "--backtest", "10", "--rule", "5"},
    };
    for (const std::vector<std::string>& extra : refused) {
        std::vector<std::string> args = {"pick", "--draws", history};
        args.insert(args.end(), extra.begin(), extra.end());
        const ToolRun run = tool.Run(args);
        EXPECT_EQ(run.status, 2) << extra[2];
        EXPECT_TRUE(run.out.empty());
    }
}

} // namespace
} // namespace vesk::test
