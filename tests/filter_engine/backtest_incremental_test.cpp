// The back-test extends one history index draw by draw and compiles only the
// history conditions again; it must judge every draw exactly as a set
// compiled from scratch for the history before that draw does.
#include "components/filter/engine/backtest.h"

#include "numbers/draw_history.h"

#include "oracle.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

namespace vesk::filter::test {
namespace {

std::vector<std::uint32_t> SampleDraws()
{
    const char* source = std::getenv("VESK_SOURCE_DIR");
    std::ifstream file(std::string(source ? source : ".") + "/data/draws-3d.txt", std::ios::binary);
    const std::vector<std::uint8_t> text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    const DrawHistory history = DrawHistory::Parse(text, 3);
    return {history.Codes().begin(), history.Codes().end()};
}

// The slow way: a fresh index and a fresh compile for every judged draw.
// sparse: only the first and last 200 judged draws and every 16th between,
// since each rebuild reads the whole history before it.
BacktestResult Rebuilt(const ConditionSet& set, std::span<const std::uint32_t> draws, std::size_t last,
                       bool sparse = false)
{
    BacktestResult result;
    result.ok = true;
    result.spaceSize = 1000;
    const std::size_t judged = std::min(last, draws.empty() ? 0 : draws.size() - 1);
    const std::size_t first = draws.size() - judged;
    for (std::size_t index = first; index < draws.size(); ++index) {
        if (sparse && index >= first + 200 && index + 200 < draws.size() && index % 16 != 0)
            continue;
        const HistoryIndex before(draws.first(index), 3);
        const CompiledSet compiled(set, 3, &before);
        JudgedDraw draw;
        draw.index = index;
        draw.name = index + 1;
        draw.code = draws[index];
        draw.kept = compiled.Passes(draw.code);
        draw.keptNumbers = compiled.KeptCount();
        std::vector<std::uint8_t> fails;
        std::vector<std::uint8_t> groupFails;
        compiled.Explain(draw.code, fails, groupFails);
        for (std::size_t i = 0; i < fails.size(); ++i)
            if (fails[i])
                draw.failed.push_back(compiled.RefAt(i));
        result.kept += draw.kept ? 1 : 0;
        result.keptNumbers += draw.keptNumbers;
        result.draws.push_back(std::move(draw));
    }
    return result;
}

// Every draw the slow way judged, against the same draw judged the fast
// way; the totals too when the slow way judged all.
void ExpectSame(const BacktestResult& fast, const BacktestResult& slow, const std::string& what, bool sparse = false)
{
    ASSERT_TRUE(fast.ok) << what << ": " << fast.error;
    if (!sparse) {
        ASSERT_EQ(fast.draws.size(), slow.draws.size()) << what;
    }
    if (slow.draws.empty())
        return;
    ASSERT_FALSE(fast.draws.empty()) << what;
    for (std::size_t i = 0; i < slow.draws.size(); ++i) {
        const JudgedDraw& b = slow.draws[i];
        ASSERT_GE(b.index, fast.draws[0].index) << what;
        const std::size_t at = b.index - fast.draws[0].index;
        ASSERT_LT(at, fast.draws.size()) << what;
        const JudgedDraw& a = fast.draws[at];
        ASSERT_EQ(a.index, b.index) << what << " draw " << i;
        ASSERT_EQ(a.kept, b.kept) << what << " draw " << b.index;
        ASSERT_EQ(a.keptNumbers, b.keptNumbers) << what << " draw " << b.index;
        ASSERT_EQ(a.failed, b.failed) << what << " draw " << b.index;
    }
    if (sparse)
        return;
    EXPECT_EQ(fast.kept, slow.kept) << what;
    EXPECT_EQ(fast.keptNumbers, slow.keptNumbers) << what;
    EXPECT_EQ(fast.spaceSize, slow.spaceSize) << what;
}

Condition Windowed(std::vector<std::int64_t> values, int window, Mode mode = Mode::Keep)
{
    Condition c = MakeCondition(ConditionType::RecentCount, std::move(values), mode);
    c.window = window;
    return c;
}

// Sets whose verdicts turn on every history condition, alone and mixed
// with plain ones under allowed errors.
std::vector<std::pair<std::string, ConditionSet>> HistorySets()
{
    using T = ConditionType;
    Condition sum = MakeCondition(T::Sum, {10, 11, 12, 13, 14, 15, 16, 17});
    Condition position = MakeCondition(T::Position, {0, 9}, Mode::Exclude);
    position.position = 1;
    Condition list = MakeCondition(T::List, {}, Mode::Exclude);
    list.numbers = {"123", "777"};
    return {
        {"repeat and adjacent",
         {3, {{"", true, 0, 0, {MakeCondition(T::Repeat, {0, 1}), MakeCondition(T::Adjacent, {3}, Mode::Exclude)}}}, {}}},
        {"recent counts", {3, {{"", true, 0, 1, {Windowed({2, 3}, 5), Windowed({0}, 1), Windowed({3}, 40, Mode::Exclude)}}}, {}}},
        {"omissions",
         {3, {{"", true, 0, 0,
               {MakeCondition(T::Omission, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, Mode::Exclude),
                MakeCondition(T::GroupOmission, {0, 1, 2}, Mode::Exclude),
                MakeCondition(T::SumOmission, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20})}}},
          {}}},
        // Keep numbers drawn lately: few pass, and the never drawn fail.
        {"kept omissions", {3, {{"", true, 0, 0, {MakeCondition(T::Omission, {30, 31, 32, 33, 34, 35, 36, 37, 38, 39, 40})}}}, {}}},
        {"mixed groups",
         {3, {{"plain", true, 0, 1, {sum, position, list}},
              {"history", true, 1, 2,
               {MakeCondition(T::Repeat, {0}), Windowed({1, 2}, 3), MakeCondition(T::Omission, {0, 1, 2}, Mode::Exclude),
                MakeCondition(T::SumOmission, {0}, Mode::Exclude), MakeCondition(T::Adjacent, {0, 1})}},
              {"off", false, 0, 0, {MakeCondition(T::Repeat, {3})}}},
          {}}},
    };
}

TEST(IncrementalBacktest, JudgesTheWholeSampleHistoryAsRebuildingPerDrawDoes)
{
    const std::vector<std::uint32_t> draws = SampleDraws();
    ASSERT_GT(draws.size(), 8000u);
    for (const auto& [name, set] : HistorySets()) {
        const BacktestResult fast = Backtest(set, 3, draws, draws.size());
        ExpectSame(fast, Rebuilt(set, draws, draws.size(), true), name, true);
        ASSERT_EQ(fast.draws.size(), draws.size() - 1) << name;
    }
}

TEST(IncrementalBacktest, WindowsAndShortHistoriesMatchRebuilding)
{
    const std::vector<std::uint32_t> whole = SampleDraws();
    const std::vector<std::uint32_t> sample(whole.end() - 600, whole.end());
    const ConditionSet set = HistorySets().back().second;
    // The last N, as many as can be judged, more than that, and one.
    for (std::size_t last : {std::size_t{1}, std::size_t{2}, std::size_t{30}, sample.size() - 1, sample.size() + 5}) {
        const BacktestResult fast = Backtest(set, 3, sample, last);
        ExpectSame(fast, Rebuilt(set, sample, last), "last " + std::to_string(last));
        EXPECT_EQ(fast.draws.back().index, sample.size() - 1);
    }
    // The last N of the whole history.
    for (std::size_t last : {std::size_t{1}, std::size_t{30}})
        ExpectSame(Backtest(set, 3, whole, last), Rebuilt(set, whole, last), "whole, last " + std::to_string(last));
    // The first draw judged: a history of one draw, then two, three.
    for (std::size_t size : {std::size_t{2}, std::size_t{3}, std::size_t{4}}) {
        const std::span<const std::uint32_t> head(whole.data(), size);
        for (const auto& [name, each] : HistorySets())
            ExpectSame(Backtest(each, 3, head, 30), Rebuilt(each, head, 30), name + " of " + std::to_string(size));
    }
    // One draw: nothing before it, nothing judged.
    const BacktestResult one = Backtest(set, 3, std::span(sample.data(), 1), 30);
    ASSERT_TRUE(one.ok);
    EXPECT_TRUE(one.draws.empty());
}

TEST(IncrementalBacktest, AnIndexGrownDrawByDrawEqualsOneBuiltAtOnce)
{
    const std::vector<std::uint32_t> sample = SampleDraws();
    // A draw outside the game is dropped on the way too.
    std::vector<std::uint32_t> draws(sample.begin(), sample.begin() + 1200);
    draws.insert(draws.begin() + 500, 1000);
    HistoryIndex grown({}, 3);
    for (std::size_t size = 0; size <= draws.size(); ++size) {
        if (size > 0)
            grown.Append(draws[size - 1]);
        if (size % 97 != 0 && size > 3)
            continue;
        const HistoryIndex built(std::span<const std::uint32_t>(draws).first(size), 3);
        ASSERT_EQ(grown.Size(), built.Size()) << size;
        for (int window : {0, 1, 2, 7, 5000})
            ASSERT_EQ(grown.RecentDigits(window), built.RecentDigits(window)) << size << " window " << window;
        for (std::uint32_t code = 0; code < 1000; ++code) {
            ASSERT_EQ(grown.Omission(code), built.Omission(code)) << size << " " << code;
            ASSERT_EQ(grown.GroupOmission(code), built.GroupOmission(code)) << size << " " << code;
        }
        for (int sum = -1; sum <= 28; ++sum)
            ASSERT_EQ(grown.SumOmission(sum), built.SumOmission(sum)) << size << " sum " << sum;
    }
    // Against the draw history the host reads, which counts the same ages.
    std::vector<Draw> asDraws;
    for (std::uint32_t code : draws)
        asDraws.push_back({std::nullopt, code});
    const DrawHistory reference(asDraws, 3);
    for (std::uint32_t code = 0; code < 1000; ++code) {
        ASSERT_EQ(grown.Omission(code), reference.NumberOmission(code)) << code;
        ASSERT_EQ(grown.GroupOmission(code), reference.GroupOmission(code)) << code;
    }
    for (int sum = 0; sum <= 27; ++sum)
        EXPECT_EQ(grown.SumOmission(sum), reference.SumOmission(sum)) << sum;
}

} // namespace
} // namespace vesk::filter::test
