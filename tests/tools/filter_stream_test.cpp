// vesk-cli filter judges and writes numbers a batch at a time; its output
// must be what the engine says of each number of the parsed list, with
// every option, wherever the batches, the read blocks and the output
// buffer happen to be cut.
#include "tool_runner.h"

#include "tools/cli/filter_report.h"
#include "tools/cli/run_counter.h"

#include "components/filter/engine/compiled_set.h"
#include "components/filter/engine/condition_set_file.h"
#include "components/filter/engine/run_tally.h"
#include "numbers/digit_packing.h"
#include "numbers/number_list.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace vesk::test {
namespace {

// Three groups with allowed errors [0, 2], [1, 3] and [0, 1]: about half of
// random seven-digit numbers pass.
std::string SevenDigitSet(const std::string& errors = "")
{
    const std::string conditions = R"([
        {"type": "sum", "values": [24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38]},
        {"type": "span", "values": [9]},
        {"type": "odd-count", "values": [2, 3, 4, 5]},
        {"type": "big-count", "values": [0, 1, 7], "mode": "exclude"},
        {"type": "distinct-count", "values": [5, 6]},
        {"type": "position", "position": 0, "values": [0, 9], "mode": "exclude"},
        {"type": "pair-sum", "pair": [1, 2], "values": [5, 6, 7, 8, 9, 10, 11, 12, 13]},
        {"type": "contains", "digits": [1, 5, 8], "values": [1, 2, 3]}])";
    auto group = [&](const char* name, const char* range) {
        std::string text(R"({"name": ")");
        text.append(name).append(R"(", "errors": )").append(errors.empty() ? range : errors);
        return text.append(R"(, "conditions": )").append(conditions).append("}");
    };
    std::string set(R"({"format": "3dvesk-conditions", "version": 1, "digits": 7, "groups": [)");
    set.append(group("a", "[0, 2]")).append(",").append(group("b", "[1, 3]")).append(",");
    return set.append(group("c", "[0, 1]")).append("]}");
}

struct Expected {
    std::string kept;
    std::string rejected;
    std::string report;
};

// What the filter prints, from the whole parsed list and the engine's
// verdict on each number, one at a time.
Expected Judge(const std::string& setText, const std::string& text, int length, bool all = false)
{
    const filter::SetReadResult read = filter::ReadConditionSet(setText, length);
    EXPECT_TRUE(read.set.has_value()) << read.error;
    const filter::CompileResult compiled = filter::Compile(*read.set, length, nullptr);
    EXPECT_TRUE(compiled.compiled) << compiled.error;
    std::vector<std::uint32_t> codes;
    if (all) {
        for (std::uint32_t code = 0; code < PowerOfTen(length); ++code)
            codes.push_back(code);
    } else {
        NumberList list(length);
        list.ParseText(text, length, false);
        for (std::uint32_t i = 0; i < list.Count(); ++i)
            codes.push_back(digits::Value(digits::Load(list.GetAt(i), length), length));
    }
    Expected expected;
    filter::RunTally tally(*compiled.compiled);
    for (const std::uint32_t code : codes) {
        char digitsText[16];
        std::snprintf(digitsText, sizeof digitsText, "%0*u", length, code);
        if (compiled.compiled->Passes(code)) {
            expected.kept.append(digitsText).append("\n");
        } else {
            if (!expected.rejected.empty())
                expected.rejected.append(" ");
            expected.rejected.append(digitsText);
        }
        tally.Add(code);
    }
    expected.report = cli::RunReport(*read.set, *compiled.compiled, tally);
    return expected;
}

// Seven-digit numbers with duplicates, separated by one to three bytes of
// blanks, line breaks and words, some numbers broken by a separator, so
// numbers straddle the reader's blocks at every offset.
std::string RandomText(std::size_t count, unsigned seed)
{
    std::mt19937 random(seed);
    const char* separators[] = {" ", "\n", "\r\n", ", ", "号 ", "  "};
    std::string text;
    std::vector<std::string> seen;
    for (std::size_t i = 0; i < count; ++i) {
        char digitsText[16];
        std::snprintf(digitsText, sizeof digitsText, "%07u", unsigned(random() % 10000000));
        std::string number(digitsText);
        if (!seen.empty() && random() % 8 == 0)
            number = seen[random() % seen.size()];
        seen.push_back(number);
        if (random() % 16 == 0) {
            const std::size_t cut = random() % 6 + 1;
            text.append(number, 0, cut).append("-").append(number, cut);
        } else {
            text += number;
        }
        text += separators[random() % 6];
    }
    return text;
}

void ExpectSameAsEngine(ToolRunner& tool, const std::string& setText, const std::string& text, int length,
                        const std::string& label)
{
    SCOPED_TRACE(label);
    const Expected expected = Judge(setText, text, length);
    const std::string set = tool.WriteFile("set.json", setText);
    const std::string input = tool.WriteFile("input.txt", text);
    const std::string digits = std::to_string(length);

    // A mapped file, and the same text on standard input.
    const ToolRun plain = tool.Run({"filter", "--digits", digits, "--conditions", set, input});
    ASSERT_EQ(plain.status, 0) << plain.err;
    EXPECT_TRUE(plain.out == expected.kept) << plain.out.size() << " bytes, expected " << expected.kept.size();
    EXPECT_EQ(plain.err, "");
    const ToolRun piped = tool.Run({"filter", "--digits", digits, "--conditions", set}, text);
    EXPECT_TRUE(piped.out == expected.kept);

    const std::string rejected = tool.PathOf("rejected.txt");
    const ToolRun full = tool.Run({"filter", "--digits", digits, "--conditions", set, "--rejected", rejected, "--report", input});
    ASSERT_EQ(full.status, 0) << full.err;
    EXPECT_TRUE(full.out == expected.kept);
    EXPECT_TRUE(tool.ReadFile(rejected) == expected.rejected)
        << tool.ReadFile(rejected).size() << " bytes, expected " << expected.rejected.size();
    EXPECT_EQ(full.err, expected.report);
}

TEST(FilterStream, EveryOptionGivesTheEnginesVerdictOnEachParsedNumber)
{
    ToolRunner tool;
    const std::string set = SevenDigitSet();
    // 60,001 numbers: many full batches and a short last one, a kept and a
    // rejected text of several output buffers.
    ExpectSameAsEngine(tool, set, RandomText(60001, 1), 7, "random text");
    // Batch-sized inputs: exactly one batch, one number more, two batches.
    for (const std::size_t count : {1023u, 1024u, 1025u, 2048u})
        ExpectSameAsEngine(tool, set, RandomText(count, unsigned(count)), 7, std::to_string(count) + " numbers");
    // Nothing rejected, then (next to) nothing kept: the empty side.
    ExpectSameAsEngine(tool, SevenDigitSet("[0, 8]"), RandomText(3000, 2), 7, "all kept");
    ExpectSameAsEngine(tool, SevenDigitSet("[8, 8]"), RandomText(3000, 3), 7, "next to nothing kept");
    // Numbers whose judgement sits in the last bit of a table byte and the
    // first of the next, repeated.
    ExpectSameAsEngine(tool, set, "0000007 0000008 9999999 0000000 0000007 9999992 9999999", 7, "table edges");
}

TEST(FilterStream, InputsWithoutANumber)
{
    ToolRunner tool;
    for (const std::string text : {"", "123456", "  \n号码", "12345678 9"}) {
        ExpectSameAsEngine(tool, SevenDigitSet(), text, 7, std::string("text ").append(text));
    }
    const ToolRun run = tool.Run({"filter", "--digits", "7", "--conditions", tool.WriteFile("s.json", SevenDigitSet()),
                                  "--rejected", tool.PathOf("r.txt"), "--report"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(tool.ReadFile(tool.PathOf("r.txt")), "");
    EXPECT_NE(run.err.find("共 0 注，保留 0 注，滤除 0 注"), std::string::npos) << run.err;
}

TEST(FilterStream, AllJudgesTheWholeSpace)
{
    ToolRunner tool;
    // 10^5 codes: 97 full batches and a short one.
    const std::string setText = R"({"format": "3dvesk-conditions", "version": 1, "digits": 5, "groups": [
        {"errors": [0, 1], "conditions": [{"type": "sum", "values": [10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20]},
                                          {"type": "distinct-count", "values": [4, 5]},
                                          {"type": "position", "position": 4, "values": [3], "mode": "exclude"}]}]})";
    const Expected expected = Judge(setText, "", 5, true);
    const std::string set = tool.WriteFile("five.json", setText);
    const std::string rejected = tool.PathOf("rejected.txt");
    const ToolRun run = tool.Run({"filter", "--all", "--digits", "5", "--conditions", set, "--rejected", rejected, "--report"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out == expected.kept) << run.out.size() << " bytes, expected " << expected.kept.size();
    EXPECT_TRUE(tool.ReadFile(rejected) == expected.rejected);
    EXPECT_EQ(run.err, expected.report);
}

TEST(RunCounter, CountsOnItsThreadEveryBatchAddedBeforeTheTallyIsTaken)
{
    // Seven digits: counting in 40 MB is slower than handing batches over,
    // so the hand-over ring is full when the last batch comes.
    const filter::SetReadResult read = filter::ReadConditionSet(SevenDigitSet(), 7);
    ASSERT_TRUE(read.set.has_value()) << read.error;
    const filter::CompileResult compiled = filter::Compile(*read.set, 7, nullptr);
    ASSERT_TRUE(compiled.compiled) << compiled.error;
    cli::RunCounter counter(*compiled.compiled, compiled.compiled->Space().Size());
    ASSERT_TRUE(counter.CountsPerNumber());
    std::mt19937 random(5);
    std::vector<std::vector<std::uint32_t>> batches(3000);
    for (std::size_t b = 0; b < batches.size(); ++b) {
        batches[b].resize(b % 7 == 0 ? 1 + random() % cli::BatchTally::kMaxBatch : cli::BatchTally::kMaxBatch);
        for (std::uint32_t& code : batches[b])
            code = static_cast<std::uint32_t>(random() % 10000000);
    }
    for (const auto& batch : batches)
        counter.Add(batch.data(), batch.size());
    const filter::RunCounts counts = counter.Finish();
    cli::BatchTally expected(*compiled.compiled);
    for (const auto& batch : batches)
        expected.Add(batch.data(), batch.size());
    EXPECT_EQ(counts.in, expected.Counts().in);
    EXPECT_EQ(counts.kept, expected.Counts().kept);
    EXPECT_EQ(counts.conditionFailures, expected.Counts().conditionFailures);
    EXPECT_EQ(counts.groupFailures, expected.Counts().groupFailures);
}

} // namespace
} // namespace vesk::test
