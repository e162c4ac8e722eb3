// vesk-cli draws end to end: a history kept by script.
#include "tool_runner.h"

#include "tests/support/build_folders.h"
#include "tests/support/loopback_http_server.h"

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
    EXPECT_EQ(tool.ReadFile(history), "2025210 111\n2025211 222\n2025212,2025-08-10,333\n2025213 444\n");
    EXPECT_NE(run.err.find(a + ":3: 第 2025210 期已有号码 111，与 999 不同"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("新增 2 期，跳过 1 期，拒绝 1 行（其中冲突 1 行），共 4 期"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());

    const ToolRun again = tool.Run({"draws", "import", b, "--into", history});
    EXPECT_EQ(again.status, 0) << again.err;
}

TEST(DrawsCommand, ImportOfDatesAloneStillRewritesTheHistory)
{
    ToolRunner tool;
    const std::string history = tool.WriteFile("draws.txt", "2025216 625\n2025217 894\n");
    const std::string dates = tool.WriteFile("dates.tsv", "期号\t开奖日期\t开奖号码\n2025217\t2025-08-15\t894\n");
    const ToolRun run = tool.Run({"draws", "import", dates, "--into", history});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(tool.ReadFile(history), "2025216 625\n2025217,2025-08-15,894\n");
    EXPECT_NE(run.err.find("新增 0 期，跳过 0 期，补上日期 1 期，拒绝 0 行，共 2 期"), std::string::npos) << run.err;
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
    EXPECT_EQ(tool.Run({"draws", "check"}).status, 2);
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

namespace vesk::test {
namespace {

// A history checked with one finding of every kind, in file order.
TEST(DrawsCheck, ListsEveryKindOfFindingInFileOrder)
{
    ToolRunner tool;
    const std::string text = "2025100,2025-04-10,111\n" // 1
                             "2025103,2025-04-13,222\n" // 2: 101 and 102 missing
                             "2025103,2025-04-13,222\n" // 3: the same again
                             "2025104,2025-04-12,333\n" // 4: a day before the draw above
                             "2025104,2025-04-14,334\n" // 5: another number
                             "2025099,2025-04-15,444\n" // 6: a period back
                             "2025105 8 9 4 5\n"        // 7: four digits
                             "2025106 12 345\n"         // 8: a field no layout knows
                             "合计\n";                  // 9: text among draws
    const std::string history = tool.WriteFile("draws.txt", text);
    const ToolRun run = tool.Run({"draws", "check", history});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "kind\tperiod\tdetail\n"
                       "gap\t2025101\tlines 1, 2: between 2025100 and 2025103\n"
                       "gap\t2025102\tlines 1, 2: between 2025100 and 2025103\n"
                       "duplicate\t2025103\tlines 2, 3: 222\n"
                       "date-order\t2025104\tline 4: 2025-04-12 after 2025-04-13\n"
                       "conflict\t2025104\tlines 4, 5: 333, 334\n"
                       "order\t2025099\tline 6: after 2025104\n"
                       "length\t2025105\tline 7: 2025105 8 9 4 5\n"
                       "refused\t2025106\tline 8: 期号和号码之外还有不认识的数字\n"
                       "refused\t-\tline 9: 没有 3 位的开奖号码\n"
                       "findings 9\n");
    EXPECT_EQ(tool.ReadFile(history), text); // a check changes nothing
}

TEST(DrawsCheck, TheSampleHistoryAndOtherLengthsAndBadUse)
{
    ToolRunner tool;
    const ToolRun sample = tool.Run({"draws", "check", BuildFolder() + "data/draws-3d.txt"});
    EXPECT_EQ(sample.status, 0) << sample.err;
    EXPECT_EQ(sample.out, "kind\tperiod\tdetail\nfindings 0\n");

    // A year's run ends at its last draw: no gap across years.
    const std::string five = tool.WriteFile("five.txt", "2024358 12345\n2025001 54321\n2025002 894\n");
    EXPECT_EQ(tool.Run({"draws", "check", five, "--digits", "5"}).out,
              "kind\tperiod\tdetail\nlength\t2025002\tline 3: 2025002 894\nfindings 1\n");

    EXPECT_EQ(tool.Run({"draws", "check"}).status, 2);
    EXPECT_EQ(tool.Run({"draws", "check", five, "--digits", "9"}).status, 2);
    const ToolRun missing = tool.Run({"draws", "check", tool.PathOf("none.txt")});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.out.empty());
}

// A history the fetches go into, and what it must still hold after a failure.
class DrawsFetch : public ::testing::Test {
protected:
    void SetUp() override
    {
        history = tool.WriteFile("draws.txt", kBefore);
        server.Answer("/good.csv", {200, "\xEF\xBB\xBF期号,开奖日期,销售额,开奖号码\r\n"
                                         "2025218,2025-08-16,\"1,234,567\",123\r\n"
                                         "2025217,2025-08-15,\"1,000,000\",894\r\n"});
        server.Answer("/bad.txt", {200, "2025218 123\n2025219 12\n2025220 456\n"});
        HttpAnswer huge{200, std::string(1 << 20, '7')};
        huge.repeatBody = 17;
        server.Answer("/huge.txt", huge);
        huge.declareLength = false;
        server.Answer("/endless.txt", huge);
        HttpAnswer slow{200, "2025218 123\n"};
        slow.stall = true;
        server.Answer("/slow.txt", slow);
        server.Answer("/to-ftp", {302, "", "ftp://127.0.0.1/good.csv"});
        server.Answer("/to-good", {302, "", server.Url("/good.csv")});
        for (int i = 0; i < 4; ++i)
            server.Answer("/hop" + std::to_string(i), {302, "", server.Url("/hop" + std::to_string(i + 1))});
        server.Answer("/hop4", {200, "2025218 123\n"});
        HttpAnswer half{200, "2025218 123\n2025219 456\n2025220 789\n"};
        half.sendBytes = 14;
        server.Answer("/half.txt", half);
    }

    ToolRun Fetch(const std::string& path, std::vector<std::string> more = {})
    {
        std::vector<std::string> args{"draws", "fetch", server.Url(path), "--into", history};
        args.insert(args.end(), more.begin(), more.end());
        return tool.Run(args);
    }

    static constexpr const char* kBefore = "2025216 625\n2025217 894\n";
    ToolRunner tool;
    LoopbackHttpServer server;
    std::string history;
};

TEST_F(DrawsFetch, AGoodFileIsImportedByItsHeaderWithItsDates)
{
    const ToolRun run = Fetch("/good.csv");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(tool.ReadFile(history), "2025216 625\n2025217,2025-08-15,894\n2025218,2025-08-16,123\n");
    EXPECT_NE(run.err.find("新增 1 期，跳过 0 期，补上日期 1 期，拒绝 0 行，共 3 期"), std::string::npos) << run.err;
    EXPECT_EQ(Fetch("/to-good").status, 0); // one redirect, everything known now
}

TEST_F(DrawsFetch, BadLinesAreRefusedByTheAddressAndTheRestMerged)
{
    const ToolRun run = Fetch("/bad.txt");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find(server.Url("/bad.txt") + ":2: 没有 3 位的开奖号码"), std::string::npos) << run.err;
    EXPECT_EQ(tool.ReadFile(history), std::string(kBefore) + "2025218 123\n2025220 456\n");
}

TEST_F(DrawsFetch, EveryFailedDownloadLeavesTheHistoryAsItWas)
{
    const std::vector<std::pair<std::string, std::string>> failures = {
        {"/huge.txt", "16 MiB"},    {"/endless.txt", "16 MiB"}, {"/slow.txt", "1 秒没有收到数据"},
        {"/to-ftp", "ftp://"},      {"/hop0", "3 次"},              {"/half.txt", "断开"},
        {"/missing.txt", "HTTP 404"},
    };
    for (const auto& [path, message] : failures) {
        const ToolRun run = Fetch(path, {"--timeout", "1"});
        EXPECT_EQ(run.status, 1) << path;
        EXPECT_NE(run.err.find(message), std::string::npos) << path << ": " << run.err;
        EXPECT_EQ(tool.ReadFile(history), kBefore) << path;
    }
}

TEST_F(DrawsFetch, BadUse)
{
    EXPECT_EQ(tool.Run({"draws", "fetch", "ftp://127.0.0.1/a.txt", "--into", history}).status, 2);
    EXPECT_EQ(tool.Run({"draws", "fetch", "/tmp/a.txt", "--into", history}).status, 2);
    EXPECT_EQ(tool.Run({"draws", "fetch", server.Url("/good.csv")}).status, 2);
    EXPECT_EQ(Fetch("/good.csv", {"--timeout", "0"}).status, 2);
    EXPECT_EQ(tool.ReadFile(history), kBefore);
}

} // namespace
} // namespace vesk::test
