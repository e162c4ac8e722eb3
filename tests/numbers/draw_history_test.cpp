// Reading draw lines and the lenient history reader with its omissions.
#include "numbers/draw_history.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace vesk {
namespace {

std::span<const std::uint8_t> AsBytes(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

std::vector<std::uint32_t> CodesOf(const DrawHistory& history)
{
    return {history.Codes().begin(), history.Codes().end()};
}

TEST(DrawLine, ReadsEveryShapeWithItsPeriod)
{
    const Draw periodNumber{2025217, 894};
    EXPECT_EQ(ReadDrawLine("2025217 894", 3).draw, periodNumber);
    const DrawDate august15{2025, 8, 15};
    EXPECT_EQ(ReadDrawLine("2025217,2025-08-15,894", 3).draw, (Draw{2025217, 894, august15}));
    EXPECT_EQ(ReadDrawLine("2025217 8 9 4", 3).draw, periodNumber);
    EXPECT_EQ(ReadDrawLine("2025217\t8-9-4\r", 3).draw, periodNumber);
    EXPECT_EQ(ReadDrawLine("第2025217期 894", 3).draw, periodNumber);
    EXPECT_EQ(ReadDrawLine("894", 3).draw, (Draw{std::nullopt, 894}));
    EXPECT_EQ(ReadDrawLine("8,9,4", 3).draw, (Draw{std::nullopt, 894}));
    EXPECT_EQ(ReadDrawLine("2025-08-15,094", 3).draw, (Draw{std::nullopt, 94, august15})); // a date is no period
    EXPECT_EQ(ReadDrawLine("2025217 2025年8月15日 星期五 20:30 894", 3).draw, (Draw{2025217, 894, august15}));
    EXPECT_EQ(ReadDrawLine("2025217 1 2 3 4 5", 5).draw, (Draw{2025217, 12345}));
    EXPECT_EQ(ReadDrawLine("25001 01234567", 8).draw, (Draw{25001, 1234567}));
    EXPECT_EQ(ReadDrawLine("25001 7", 1).draw, (Draw{25001, 7}));
}

TEST(DrawLine, DatesWithOneDigitMonthsAndDaysAreNeitherPeriodNorNumber)
{
    // One date part of a single digit does not make the date a run of digits;
    // a four-digit year makes it the draw's date.
    const std::pair<const char*, std::optional<DrawDate>> dates[] = {
        {"2025-8-15", DrawDate{2025, 8, 15}}, {"2025/8/15", DrawDate{2025, 8, 15}},
        {"2025.8.15", DrawDate{2025, 8, 15}}, {"2025-12-5", DrawDate{2025, 12, 5}},
        {"2025/1/5", DrawDate{2025, 1, 5}},   {"2025.1.05", DrawDate{2025, 1, 5}},
        {"25-8-5", std::nullopt},             {"2025-2-29", std::nullopt}, // no such day: ignored as before
        {"2024-2-29", DrawDate{2024, 2, 29}},
    };
    for (const auto& [date, value] : dates) {
        const std::string text(date);
        EXPECT_EQ(ReadDrawLine(text + " 894", 3).draw, (Draw{std::nullopt, 894, value})) << date;
        EXPECT_EQ(ReadDrawLine(text + ",094", 3).draw, (Draw{std::nullopt, 94, value})) << date;
        EXPECT_EQ(ReadDrawLine("2025217 " + text + " 894", 3).draw, (Draw{2025217, 894, value})) << date;
        EXPECT_EQ(ReadDrawLine("2025217," + text + ",8,9,4", 3).draw, (Draw{2025217, 894, value})) << date;
        EXPECT_EQ(ReadDrawLine(text + " 2025217 894", 3).draw, (Draw{2025217, 894, value})) << date;
        EXPECT_EQ(ReadDrawLine("2025217 894 " + text, 3).fault, DrawLineFault::NoNumber) << date;
    }
    // Only when every part is one digit are they the number's digits.
    EXPECT_EQ(ReadDrawLine("2025217 8/9/4", 3).draw, (Draw{2025217, 894}));
    EXPECT_EQ(ReadDrawLine("2025217 8.9.4", 3).draw, (Draw{2025217, 894}));
}

TEST(DrawLine, SaysWhichLinesHoldNoDraw)
{
    EXPECT_EQ(ReadDrawLine("", 3).kind, DrawLineKind::Blank);
    EXPECT_EQ(ReadDrawLine(" \t\r", 3).kind, DrawLineKind::Blank);
    EXPECT_EQ(ReadDrawLine("期号,日期,开奖号码", 3).kind, DrawLineKind::NoDigits);
    for (std::string_view bad : {"2025217", "2025217 89", "2025217 8945", "12 345 6", "2025217 8 9",
                                 "2025217 894 2025-08-15", "2025-08-15"}) {
        const DrawLine line = ReadDrawLine(bad, 3);
        EXPECT_EQ(line.kind, DrawLineKind::Refused) << bad;
        EXPECT_EQ(line.fault, DrawLineFault::NoNumber) << bad;
    }
    // A field no layout knows is refused, not read past: a sales figure, a row
    // count, the digits of a longer number.
    for (std::string_view extra : {"2025217 1234567 894", "1 2025217 894", "2025217 8 9 4 5", "25002 5 4 3 2 1"}) {
        const DrawLine line = ReadDrawLine(extra, 3);
        EXPECT_EQ(line.kind, DrawLineKind::Refused) << extra;
        EXPECT_EQ(line.fault, DrawLineFault::ExtraField) << extra;
    }
    const DrawLine longPeriod = ReadDrawLine("1234567890123456789 894", 3);
    EXPECT_EQ(longPeriod.kind, DrawLineKind::Refused);
    EXPECT_EQ(longPeriod.fault, DrawLineFault::PeriodTooLong);
    EXPECT_EQ(ReadDrawLine("123456789012345678 894", 3).draw.period, 123456789012345678u);
    EXPECT_EQ(ReadDrawLine("894", 0).kind, DrawLineKind::Refused);
    EXPECT_EQ(ReadDrawLine("894", 9).kind, DrawLineKind::Refused);
}

TEST(DrawHistory, KeepsFileOrderAndSkipsWhatIsNoDraw)
{
    const DrawHistory history = DrawHistory::Parse(AsBytes("期号 开奖号码\r\n"
                                                           "2026001 123\r\n"
                                                           "2026002 4 5 6\n"
                                                           "2026003,7,8,9\n"
                                                           "\n"
                                                           "2026004\n"
                                                           "12 345 6\n"
                                                           "321"));
    EXPECT_EQ(CodesOf(history), (std::vector<std::uint32_t>{123, 456, 789, 321}));
    EXPECT_EQ(history.Draws()[0].period, 2026001u);
    EXPECT_EQ(history.Draws()[3].period, std::nullopt);
}

TEST(DrawHistory, MultiByteTextIsNotReadAsDigits)
{
    // GB18030 four-byte characters carry '0'..'9' in their second and fourth bytes.
    const std::string gb18030 = "\x81\x30\x81\x31 246\n\x81\x35\x81\x39\n";
    EXPECT_EQ(CodesOf(DrawHistory::Parse(AsBytes(gb18030))), (std::vector<std::uint32_t>{246}));
    const std::string truncated = "987\n\x81";
    EXPECT_EQ(CodesOf(DrawHistory::Parse(AsBytes(truncated))), (std::vector<std::uint32_t>{987}));
}

TEST(DrawHistory, ThreeDigitOmissions)
{
    const DrawHistory history = DrawHistory::Parse(AsBytes("123\n456\n321\n555\n"));
    EXPECT_EQ(history.NumberOmission(555), 0);
    EXPECT_EQ(history.NumberOmission(321), 1);
    EXPECT_EQ(history.NumberOmission(123), 3);
    EXPECT_EQ(history.NumberOmission(999), 4); // never drawn: the whole history
    EXPECT_EQ(history.NumberOmission(1000), -1);
    EXPECT_EQ(history.NumberOmission(-1), -1);
    EXPECT_EQ(history.GroupOmission(123), 1);
    EXPECT_EQ(history.GroupOmission(456), 2);
    EXPECT_EQ(history.GroupOmission(321), -1); // not a group code
    EXPECT_EQ(history.SumOmission(15), 0);
    EXPECT_EQ(history.SumOmission(6), 1);
    EXPECT_EQ(history.SumOmission(27), 4);
    EXPECT_EQ(history.SumOmission(28), -1);
}

TEST(DrawHistory, OtherLengthsHaveTheirOwnRanges)
{
    const DrawHistory five = DrawHistory::Parse(AsBytes("1 12345\n2 5 4 3 2 1\n3 00000\n"), 5);
    EXPECT_EQ(CodesOf(five), (std::vector<std::uint32_t>{12345, 54321, 0}));
    EXPECT_EQ(five.NumberOmission(12345), 2);
    EXPECT_EQ(five.NumberOmission(99999), 3);
    EXPECT_EQ(five.NumberOmission(100000), -1);
    EXPECT_EQ(five.GroupOmission(12345), 1);
    EXPECT_EQ(five.SumOmission(45), 3);
    EXPECT_EQ(five.SumOmission(46), -1);

    // Codes past the game's range never enter a history built from draws.
    const DrawHistory built({{1, 7}, {2, 10}, {3, 3}}, 1);
    EXPECT_EQ(CodesOf(built), (std::vector<std::uint32_t>{7, 3}));
    EXPECT_TRUE(DrawHistory({{1, 7}}, 9).Empty());
}

} // namespace
} // namespace vesk
