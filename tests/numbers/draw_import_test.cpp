// Importing draws: the shapes of import files, the period-keyed merge and
// its report, and the history file written back.
#include "numbers/draw_import.h"

#include <gtest/gtest.h>

#include <string_view>

namespace vesk {
namespace {

std::span<const std::uint8_t> AsBytes(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

DrawHistory HistoryOf(std::string_view text, int length = 3)
{
    return DrawHistory::Parse(AsBytes(text), length);
}

std::string Imported(DrawMerge& merge) { return FormatDrawHistory(merge.Result()); }

TEST(DrawImport, ReadsEveryShapeWithHeadersAndBlankLines)
{
    DrawMerge merge(DrawHistory{});
    merge.AddText("a.txt", AsBytes("期号 开奖号码\n2025215 094\n\n2025216 1 2 3\r\n"));
    merge.AddText("b.csv", AsBytes("期号,日期,开奖号码\r\n2025217,2025-08-15,894\r\n"));
    EXPECT_EQ(Imported(merge), "2025215 094\n2025216 123\n2025217,2025-08-15,894\n");
    EXPECT_EQ(merge.Report().added, 3u);
    EXPECT_TRUE(merge.Report().refused.empty());
}

TEST(DrawImport, ReadsGb18030Text)
{
    // "期号" in GB18030, then a four-byte character whose bytes hold '0'..'9'.
    const std::string text = "\xC6\xDA\xBA\xC5\n2025217 \x81\x30\x81\x31 894\n";
    DrawMerge merge(DrawHistory{});
    merge.AddText("gb.txt", AsBytes(text));
    EXPECT_EQ(Imported(merge), "2025217 894\n");
    EXPECT_TRUE(merge.Report().refused.empty());
}

TEST(DrawImport, RefusesUtf16TextWhole)
{
    const std::string utf16("2\0" "0\0" "2\0" "5\0" "2\0" "1\0" "7\0" " \0" "8\0" "9\0" "4\0", 22);
    DrawMerge merge(DrawHistory{});
    merge.AddText("unicode.txt", AsBytes(utf16));
    EXPECT_EQ(merge.Report().added, 0u);
    ASSERT_EQ(merge.Report().refused.size(), 1u);
    EXPECT_EQ(merge.Report().refused[0].line, 0u);
}

TEST(DrawImport, OrdersByPeriodWhateverTheInputOrder)
{
    DrawMerge merge(HistoryOf("2025210 111\n2025212 222\n"));
    merge.AddText("new.txt", AsBytes("2025214 444\n2025211 555\n2025213 333\n"));
    EXPECT_EQ(Imported(merge), "2025210 111\n2025211 555\n2025212 222\n2025213 333\n2025214 444\n");
    EXPECT_EQ(merge.Report().added, 3u);
}

TEST(DrawImport, SkipsKnownDrawsAndRefusesConflictsWithoutChangingThem)
{
    DrawMerge merge(HistoryOf("2025210 111\n2025211 222\n"));
    merge.AddText("new.txt", AsBytes("2025211 222\n2025210 999\n2025212 333\n2025212 334\n"));
    EXPECT_EQ(Imported(merge), "2025210 111\n2025211 222\n2025212 333\n");
    const DrawImportReport& report = merge.Report();
    EXPECT_EQ(report.added, 1u);
    EXPECT_EQ(report.skipped, 1u);
    ASSERT_EQ(report.refused.size(), 2u);
    EXPECT_EQ(report.Conflicts(), 2u);
    EXPECT_EQ(report.refused[0].line, 2u);
    EXPECT_EQ(report.refused[0].reason, "第 2025210 期已有号码 111，与 999 不同");
    EXPECT_EQ(report.refused[1].line, 4u); // a conflict inside one import too
    EXPECT_EQ(report.Summary(), "新增 1 期，跳过 1 期，拒绝 2 行（其中冲突 2 行）");
}

TEST(DrawImport, RefusesBadLinesWithTheirNumbersAndReasons)
{
    DrawMerge merge(HistoryOf("2025210 111\n"));
    merge.AddText("bad.txt", AsBytes("期号 号码\n2025211 12\n2025212 8 9\n合计\n555\n2025213 123\n"
                                     "1234567890123456789 456\n"));
    EXPECT_EQ(Imported(merge), "2025210 111\n2025213 123\n");
    const auto& refused = merge.Report().refused;
    ASSERT_EQ(refused.size(), 5u);
    const std::size_t lines[] = {2, 3, 4, 5, 7};
    for (std::size_t i = 0; i < refused.size(); ++i) {
        EXPECT_EQ(refused[i].source, "bad.txt");
        EXPECT_EQ(refused[i].line, lines[i]);
        EXPECT_FALSE(refused[i].conflict);
    }
    EXPECT_EQ(refused[0].reason, "没有 3 位的开奖号码");
    EXPECT_EQ(refused[3].reason, "没有期号");
    EXPECT_EQ(refused[4].reason, "期号超过 18 位");
    EXPECT_EQ(merge.Report().Summary(), "新增 1 期，跳过 0 期，拒绝 5 行");
}

TEST(DrawImport, AHistoryHoldingAPeriodTwiceSaysSo)
{
    EXPECT_EQ(DrawMerge(HistoryOf("2025210 111\n2025210 111\n")).ClashInHistory(), std::nullopt);
    DrawMerge clash(HistoryOf("2025210 111\n2025211 222\n2025210 999\n"));
    EXPECT_EQ(clash.ClashInHistory(), 2025210u);
}

TEST(DrawImport, NumbersWithoutPeriodsGrowAHistoryWithoutPeriods)
{
    DrawMerge empty(DrawHistory{});
    empty.AddText("bare.txt", AsBytes("894\n123\n894\n"));
    EXPECT_EQ(Imported(empty), "894\n123\n894\n");

    DrawMerge plain(HistoryOf("111\n"));
    plain.AddText("mixed.txt", AsBytes("222\n2025217 333\n"));
    EXPECT_EQ(Imported(plain), "111\n222\n");
    ASSERT_EQ(plain.Report().refused.size(), 1u);
    EXPECT_EQ(plain.Report().refused[0].line, 2u);

    // A hand-made history with and without periods keeps every draw.
    DrawMerge mixed(HistoryOf("555\n2025211 222\n"));
    mixed.AddLine("录入", "2025210 111");
    EXPECT_EQ(Imported(mixed), "555\n2025210 111\n2025211 222\n");
}

TEST(DrawImport, DatedLinesWithoutPeriodsAreDrawsWithoutPeriods)
{
    DrawMerge merge(DrawHistory{});
    merge.AddText("dated.txt", AsBytes("2025/8/15 894\n2025/8/16 123\n2025/8/17 894\n"));
    EXPECT_EQ(Imported(merge), "2025-08-15,894\n2025-08-16,123\n2025-08-17,894\n");
    EXPECT_EQ(merge.Report().added, 3u);
    EXPECT_TRUE(merge.Report().refused.empty());
}

TEST(DrawImport, OtherGameLengths)
{
    DrawMerge merge(HistoryOf("25001 01234\n", 5));
    merge.AddText("five.txt", AsBytes("25002 5 4 3 2 1\n25003 894\n"));
    EXPECT_EQ(Imported(merge), "25001 01234\n25002 54321\n");
    ASSERT_EQ(merge.Report().refused.size(), 1u);
    EXPECT_EQ(merge.Report().refused[0].reason, "没有 5 位的开奖号码");
}

TEST(DrawImport, WrittenHistoryReadsBackTheSame)
{
    const DrawHistory history({{2025001, 7}, {std::nullopt, 42}, {2025003, 999}}, 3);
    const std::string text = FormatDrawHistory(history);
    EXPECT_EQ(text, "2025001 007\n042\n2025003 999\n");
    EXPECT_EQ(DrawHistory::Parse(AsBytes(text)).Draws(), history.Draws());
}

TEST(DrawImport, NextPeriodFollowsTheLatest)
{
    EXPECT_EQ(NextPeriod(HistoryOf("2025217 894\n2025100 123\n")), 2025218u);
    EXPECT_EQ(NextPeriod(HistoryOf("894\n")), std::nullopt);
    EXPECT_EQ(NextPeriod(DrawHistory{}), std::nullopt);
}

} // namespace
} // namespace vesk
