// Draw files read by their header's column names, their encodings, the
// dates draws keep, and the check of a history on disk.
#include "numbers/draw_check.h"
#include "numbers/draw_import.h"
#include "numbers/gbk_text.h"

#include <gtest/gtest.h>

#include <string_view>

namespace vesk {
namespace {

std::span<const std::uint8_t> AsBytes(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

struct Imported {
    std::string history;
    DrawImportReport report;
};

Imported Import(std::string_view text, std::string_view before = {}, int length = 3)
{
    DrawMerge merge(DrawHistory::Parse(AsBytes(before), length));
    merge.AddText("f.csv", AsBytes(text));
    return {FormatDrawHistory(merge.Result()), merge.Report()};
}

std::string Reasons(const DrawImportReport& report)
{
    std::string text;
    for (const RefusedDrawLine& line : report.refused)
        text += std::to_string(line.line) + ": " + line.reason + "\n";
    return text;
}

TEST(DrawLayout, ColumnsAreFoundByNameWhateverTheirOrderCaseAndSpaces)
{
    // Sales and a bonus number are columns no name is known for: ignored.
    const Imported csv = Import("\xEF\xBB\xBF 开奖号码 ,销售额, 期 号 ,开奖日期,Bonus\r\n"
                                "\"8,9,4\",\"1,234,567\",2025217,2025/8/15,7\r\n"
                                "123,\"2,000\",第2025218期,20250816,5\r\n");
    EXPECT_EQ(csv.history, "2025217,2025-08-15,894\n2025218,2025-08-16,123\n");
    EXPECT_EQ(Reasons(csv.report), "");

    const Imported english = Import("ISSUE\tDraw Date\tNumber\tPool\n2025217\t2025-08-15 20:30\t8 9 4\t100\n");
    EXPECT_EQ(english.history, "2025217,2025-08-15,894\n");

    // One column per digit, by place or by order; a title may stand above.
    EXPECT_EQ(Import("福彩开奖数据\n期号\t个位\t十位\t百位\n2025217\t4\t9\t8\n").history, "2025217 894\n");
    EXPECT_EQ(Import("期号,号码1,号码2,号码3,号码4\n2025217,8,9,4,0\n").history, "2025217 894\n");
    EXPECT_EQ(Import("期号,万位,千位,百位,十位,个位\n25001,0,1,2,3,4\n", {}, 5).history, "25001 01234\n");
    EXPECT_EQ(Import("期号,第一位,第二位,第三位\n2025217,8,9,4\n").history, "2025217 894\n");
}

TEST(DrawLayout, BadLinesOfANamedLayoutAreRefusedWithTheirReasons)
{
    const Imported bad = Import("期号,日期,开奖号码,奖池\n"
                                "2025217,2025-08-15,894,1000\n"
                                "2025218,2025-08-16\n"          // 3: the number's column missing
                                "2025219,2025-13-01,111\n"      // 4: no such date
                                "2025-220,2025-08-18,222\n"     // 5: two runs of digits for a period
                                "2025221,2025-08-19,3333\n"     // 6: a number of another game
                                ",,,\n"                         // 7: blank
                                "期号,日期,开奖号码,奖池\n"     // 8: the header again, harmless
                                "合计,,,\n"                     // 9: text among the draws
                                "2025222,,555,\n");             // 10: no date is no fault
    EXPECT_EQ(bad.history, "2025217,2025-08-15,894\n2025222 555\n");
    EXPECT_EQ(Reasons(bad.report),
              "3: 栏目不全\n4: 开奖日期无法识别\n5: 期号无法识别\n6: 没有 3 位的开奖号码\n9: 没有 3 位的开奖号码\n");
}

TEST(DrawLayout, Gb18030FilesReadLikeUtf8)
{
    const std::string utf8 = "期号,开奖日期,开奖号码,试机号\n2025217,2025年08月15日,894,123\n2025218,2025年08月16日,12,456\n";
    const std::optional<std::string> gbk = Utf8ToGbk(utf8);
    ASSERT_TRUE(gbk);
    for (const std::string& text : {utf8, *gbk}) {
        const Imported read = Import(text);
        EXPECT_EQ(read.history, "2025217,2025-08-15,894\n");
        EXPECT_EQ(Reasons(read.report), "3: 没有 3 位的开奖号码\n");
    }
    // Unnamed lines in GB18030 keep their Chinese dates too.
    const Imported plain = Import(*Utf8ToGbk("2025217 2025年8月15日 894\n"));
    EXPECT_EQ(plain.history, "2025217,2025-08-15,894\n");
}

TEST(DrawDates, KnownDrawsTakeDatesAndDifferentDatesAreConflicts)
{
    const Imported dated = Import("2025216,2025-08-14,625\n2025217,2025-08-15,894\n2025218,2025-08-16,123\n",
                                  "2025216 625\n2025217,2025-08-15,894\n");
    EXPECT_EQ(dated.history, "2025216,2025-08-14,625\n2025217,2025-08-15,894\n2025218,2025-08-16,123\n");
    EXPECT_EQ(dated.report.added, 1u);
    EXPECT_EQ(dated.report.dated, 1u);
    EXPECT_EQ(dated.report.skipped, 1u);
    EXPECT_EQ(dated.report.Summary(), "新增 1 期，跳过 1 期，补上日期 1 期，拒绝 0 行");

    const Imported clash = Import("2025217,2025-08-16,894\n2025217 894\n", "2025217,2025-08-15,894\n");
    EXPECT_EQ(clash.history, "2025217,2025-08-15,894\n");
    EXPECT_FALSE(clash.report.Changed());
    EXPECT_EQ(clash.report.Conflicts(), 1u);
    EXPECT_EQ(Reasons(clash.report), "1: 第 2025217 期已有日期 2025-08-15，与 2025-08-16 不同\n");
}

TEST(DrawDates, TheHistoryFileKeepsThemAndSaysWhereTheDataEnds)
{
    const DrawHistory history({{2025216, 625}, {2025217, 94, DrawDate{2025, 8, 15}}, {std::nullopt, 7, DrawDate{2024, 2, 29}}}, 3);
    const std::string text = FormatDrawHistory(history);
    EXPECT_EQ(text, "2025216 625\n2025217,2025-08-15,094\n2024-02-29,007\n");
    EXPECT_EQ(DrawHistory::Parse(AsBytes(text)).Draws(), history.Draws());
    EXPECT_EQ(DataEndText(history), "数据截至第 2025217 期（2025-08-15）");
    EXPECT_EQ(DataEndText(DrawHistory({{2025217, 894}, {2025216, 625}}, 3)), "数据截至第 2025217 期");
    EXPECT_EQ(DataEndText(DrawHistory({{std::nullopt, 894}, {std::nullopt, 625}}, 3)), "数据共 2 期（没有期号）");
    EXPECT_EQ(DataEndText(DrawHistory{}), "没有开奖数据");
}

std::string Kinds(std::string_view text, int length = 3)
{
    std::string kinds;
    for (const DrawFinding& finding : CheckDrawHistory(AsBytes(text), length))
        kinds += std::string(DrawFindingName(finding.kind)) + " " + std::to_string(finding.line) + " "
            + (finding.period ? std::to_string(*finding.period) : "-") + "\n";
    return kinds;
}

TEST(DrawCheck, FindingsOfNamedAndPlainLayouts)
{
    // Runs of periods stop at the year's end; other period shapes have no gaps.
    EXPECT_EQ(Kinds("25001 444\n25005 555\n2024358 111\n2025001 222\n2025002 333\n"), "");
    // A period seen before is a duplicate or a conflict, not also out of order.
    EXPECT_EQ(Kinds("2025001 111\n2025003 222\n2025001 111\n2025001 999\n"),
              "gap 2 2025002\nduplicate 3 2025001\nconflict 4 2025001\n");
    // A gap between draws out of order is placed at the later line.
    EXPECT_EQ(Kinds("2025003 111\n2025001 222\n"), "order 2 2025001\ngap 2 2025002\n");
    // A named layout is checked by its columns; its header is no finding.
    EXPECT_EQ(Kinds(*Utf8ToGbk("期号,开奖日期,开奖号码\n2025001,2025-01-02,111\n2025002,2025-01-01,222\n"
                              "2025003,2025-01-03,2222\n")),
              "date-order 3 2025002\nlength 4 2025003\n");
    EXPECT_EQ(Kinds("期号 号码\n\n1234567890123456789 894\n"), "refused 3 -\n");
}

} // namespace
} // namespace vesk
