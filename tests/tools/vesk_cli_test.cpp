#include "tool_runner.h"

#include "tests/support/xls_readback.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace vesk::test {
namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string bytes;
    for (int v : values)
        bytes += static_cast<char>(v);
    return bytes;
}

struct StdinCase {
    std::vector<std::string> args;
    std::string input;
    std::string out;
};

TEST(VeskCli, CommandsOnStandardInputPrintTheExpectedNumbers)
{
    const StdinCase cases[] = {
        {{"parse"}, "321 123 321", "321\n123\n321\n"},
        {{"parse", "--dedupe"}, "321 123 321", "123\n321\n"},
        {{"parse", "--digits", "5"}, "1234567890123", "12345\n67890\n"},
        {{"parse", "--digits=1", "--dedupe"}, "9,9,1", "1\n9\n"},
        {{"parse"}, "no numbers here", ""},
        {{"parse"}, "1\r\n2\r\n3 号码 45", "123\n"},
        {{"count"}, "123 456 123 789", "出现1次的号码（2注）：\n456 789\n出现2次的号码（1注）：\n123\n"},
        {{"count", "--per-line", "1"}, "002 001", "出现1次的号码（2注）：\n001\n002\n"},
        {{"count"}, "", ""},
        {{"group"}, "321 213 455", "123\n455\n"},
        {{"single"}, "211", "112\n121\n211\n"},
        {{"single", "--digits", "4"}, "1234", ""},
        {{"expand", "--match", "?", "1?3"}, "", "103\n113\n123\n133\n143\n153\n163\n173\n183\n193\n"},
        {{"expand", "--match=*", "--digits", "2", "1*", "7"}, "", "10\n11\n12\n13\n14\n15\n16\n17\n18\n19\n"},
        {{"expand", "--match", "?", "123", "4?"}, "", "123\n"},
    };
    ToolRunner tool;
    for (const auto& c : cases) {
        const ToolRun run = tool.Run(c.args, c.input);
        EXPECT_EQ(run.status, 0) << c.args[0] << " " << run.err;
        EXPECT_EQ(run.out, c.out) << c.args[0] << " on '" << c.input << "'";
    }
}

TEST(VeskCli, SeveralFilesAreOneTextAndGb18030IsReadByItsDigitsOnly)
{
    ToolRunner tool;
    const std::string a = tool.WriteFile("a.txt", "111 22");
    const std::string b = tool.WriteFile("b.txt", "2 333");
    const std::string gb = tool.WriteFile("gb.txt", "\xBA\xC5\xC2\xEB \x81\x30\x81\x35 456");
    EXPECT_EQ(tool.Run({"parse", a, b}).out, "111\n222\n333\n");
    EXPECT_EQ(tool.Run({"parse", gb}).out, "456\n");
    EXPECT_EQ(tool.Run({"parse", a, "-"}, "2 999").out, "111\n222\n999\n");
}

TEST(VeskCli, ConvertMovesNumbersBetweenTextAndFilterData)
{
    ToolRunner tool;
    const std::string text = tool.WriteFile("in.txt", "456 123 456 007");
    ASSERT_EQ(tool.Run({"convert", text, tool.PathOf("out.FLT")}).status, 0);
    EXPECT_EQ(tool.ReadFile(tool.PathOf("out.FLT")), Bytes({3, 0, 0, 0, 3, 0, 0, 7, 1, 2, 3, 4, 5, 6}));
    ASSERT_EQ(tool.Run({"convert", "--per-line", "2", tool.PathOf("out.FLT"), tool.PathOf("back.Txt")}).status, 0);
    EXPECT_EQ(tool.ReadFile(tool.PathOf("back.Txt")), "007 123\r\n456");
    ASSERT_EQ(tool.Run({"convert", tool.PathOf("out.FLT"), tool.PathOf("flat.txt")}).status, 0);
    EXPECT_EQ(tool.ReadFile(tool.PathOf("flat.txt")), "007 123 456");

    const std::string old = tool.WriteFile("old.flt", Bytes({0x30, 0x30, 0xFF, 0xFF, 5, 0, 0, 0, 0xE7, 3, 0, 0}));
    ASSERT_EQ(tool.Run({"convert", old, tool.PathOf("old.txt")}).status, 0);
    EXPECT_EQ(tool.ReadFile(tool.PathOf("old.txt")), "005 999");
    ASSERT_EQ(tool.Run({"convert", old, tool.PathOf("current.flt")}).status, 0);
    EXPECT_EQ(tool.ReadFile(tool.PathOf("current.flt")), Bytes({2, 0, 0, 0, 3, 0, 0, 5, 9, 9, 9}));

    const std::string empty = tool.WriteFile("empty.txt", "");
    ASSERT_EQ(tool.Run({"convert", "--digits", "5", empty, tool.PathOf("empty.flt")}).status, 0);
    EXPECT_EQ(tool.ReadFile(tool.PathOf("empty.flt")), Bytes({0, 0, 0, 0, 5}));
}

TEST(VeskCli, ConvertWritesAWorkbookWithTheDefaultAttributeColumns)
{
    ToolRunner tool;
    const std::string text = tool.WriteFile("in.txt", "120 007 120 999");
    ASSERT_EQ(tool.Run({"convert", text, tool.PathOf("out.XLS")}).status, 0);
    const Readback read = ReadXlsWithXlrd(tool.PathOf("out.XLS"), true);
    ASSERT_TRUE(read.ok) << read.text;
    // 和值 跨度 和尾 奇数 大数 质数 形态 012路 of each number, ascending.
    EXPECT_EQ(read.text, "== Sheet1 4x10\n"
                         "t:序号\tt:投注号码\tt:和值\tt:跨度\tt:和尾\tt:奇数\tt:大数\tt:质数\tt:形态\tt:012路\n"
                         "n:1\tt:007\tn:7\tn:7\tn:7\tn:1\tn:1\tn:1\tn:3\tn:1\n"
                         "n:2\tt:120\tn:3\tn:2\tn:3\tn:1\tn:0\tn:2\tn:6\tn:120\n"
                         "n:3\tt:999\tn:27\tn:0\tn:7\tn:3\tn:3\tn:0\tn:1\tn:0\n"
                         "formats\tGeneral\tGeneral\tGeneral\tGeneral\tGeneral\tGeneral\tGeneral\tGeneral\tGeneral\t000\n");

    // Filter data of another length: the numbers, no attribute values.
    const std::string flt = tool.WriteFile("four.flt", Bytes({1, 0, 0, 0, 4, 0, 1, 2, 3}));
    ASSERT_EQ(tool.Run({"convert", flt, tool.PathOf("four.xls")}).status, 0);
    const std::vector<std::string> lines = [&] {
        std::vector<std::string> all;
        std::istringstream in(ReadXlsWithXlrd(tool.PathOf("four.xls")).text);
        for (std::string line; std::getline(in, line);)
            all.push_back(line);
        return all;
    }();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[2], "n:1\tt:0123\t\t\t\t\t\t\t\t");
}

TEST(VeskCli, ATruncatedFilterFileConvertsWithAWarning)
{
    ToolRunner tool;
    const std::string cut = tool.WriteFile("cut.flt", Bytes({3, 0, 0, 0, 3, 1, 2, 3}));
    const ToolRun run = tool.Run({"convert", cut, tool.PathOf("cut.txt")});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.err.find("cut.flt"), std::string::npos);
    EXPECT_EQ(tool.ReadFile(tool.PathOf("cut.txt")), "123 000 000");
}

struct FailureCase {
    std::vector<std::string> args;
    int status;
    std::string mention; // the error names this
};

TEST(VeskCli, ErrorsNameTheFileOrOptionAndExitNonZero)
{
    ToolRunner tool;
    const std::string damaged = tool.WriteFile("bad.flt", Bytes({1, 0, 0, 0, 3, 1, 20, 3}));
    const std::string absurd = tool.WriteFile("absurd.flt", Bytes({0xFF, 0xFF, 0xFF, 0x7F, 7}));
    const std::string empty = tool.WriteFile("empty.flt", "");
    const std::string keep = tool.WriteFile("keep.txt", "kept");
    const FailureCase cases[] = {
        {{}, 2, "Usage"},
        {{"frobnicate"}, 2, "frobnicate"},
        {{"parse", tool.PathOf("missing.txt")}, 1, "missing.txt"},
        {{"parse", "--digits", "0"}, 2, "--digits"},
        {{"parse", "--digits", "9"}, 2, "--digits"},
        {{"parse", "--digits"}, 2, "--digits"},
        {{"parse", "--bogus"}, 2, "--bogus"},
        {{"count", "--per-line", "0"}, 2, "--per-line"},
        {{"count", "--per-line", "x"}, 2, "--per-line"},
        {{"expand", "1?3"}, 2, "--match"},
        {{"expand", "--match", "5", "1?3"}, 2, "--match"},
        {{"expand", "--match", "??", "1?3"}, 2, "--match"},
        {{"expand", "--match", "?"}, 2, "TEXT"},
        {{"expand", "--match", "?", "--digits", "7", "????????????????????????"}, 1, "more than"},
        {{"convert", damaged, tool.PathOf("x.txt")}, 1, "bad.flt"},
        {{"convert", absurd, tool.PathOf("x.txt")}, 1, "absurd.flt"},
        {{"convert", empty, tool.PathOf("x.txt")}, 1, "empty.flt"},
        {{"convert", tool.PathOf("in.xls"), tool.PathOf("x.flt")}, 2, "in.xls"},
        {{"convert", damaged, tool.PathOf("x.doc")}, 2, "x.doc"},
        {{"convert", damaged}, 2, "IN and OUT"},
        {{"convert", keep, tool.PathOf("no/such/dir/x.flt")}, 1, "x.flt"},
    };
    for (const auto& c : cases) {
        const ToolRun run = tool.Run(c.args);
        const std::string what = c.args.empty() ? "(none)" : c.args[0] + " " + (c.args.size() > 1 ? c.args[1] : "");
        EXPECT_EQ(run.status, c.status) << what << ": " << run.err;
        EXPECT_NE(run.err.find(c.mention), std::string::npos) << what << ": " << run.err;
        EXPECT_EQ(run.out, "") << what;
    }
    EXPECT_FALSE(std::ifstream(tool.PathOf("x.txt")).good());
}

TEST(VeskCli, HelpIsOfferedByTheToolAndEveryCommand)
{
    ToolRunner tool;
    for (const char* command : {"parse", "count", "group", "single", "expand", "convert"}) {
        const ToolRun run = tool.Run({command, "--help"});
        EXPECT_EQ(run.status, 0) << command;
        EXPECT_NE(run.out.find(std::string("vesk-cli ") + command), std::string::npos) << command;
    }
    const ToolRun run = tool.Run({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("convert"), std::string::npos);
}

TEST(VeskCli, RandomFilterDataNeverCrashesTheTool)
{
    ToolRunner tool;
    std::mt19937 random(5);
    for (int round = 0; round < 40; ++round) {
        std::string bytes(random() % 24, '\0');
        for (char& b : bytes)
            b = static_cast<char>(random() % 4 == 0 ? random() % 10 : random());
        if (round % 3 == 0 && bytes.size() >= 4)
            bytes.replace(0, 4, Bytes({0x30, 0x30, 0xFF, 0xFF}));
        const std::string in = tool.WriteFile("random.flt", bytes);
        const ToolRun run = tool.Run({"convert", in, tool.PathOf("random.txt")});
        EXPECT_TRUE(run.status == 0 || run.status == 1) << run.status;
    }
}

} // namespace
} // namespace vesk::test
