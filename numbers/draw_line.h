#pragma once
// One line of a draw file read as a draw. A draw is a number of the game's
// length, with the period it was drawn in when the line names one:
//
//   2025217 894              period, number
//   2025217,2025-08-15,894   period, date, number (CSV)
//   2025217 8 9 4            period, the number's digits one by one
//   894                      the number alone
//
// The number is the line's last token of digits when that token has exactly
// the game's length, or its last tokens when each is a single digit. The
// period is the one token before the number; a second token there (a sales
// figure, a row count, a digit of a longer number) is a field this layout
// does not know, so the line is refused rather than read wrongly. Tokens
// joined by '-', '/', '.', ':', 年 or 月 (dates, times) are neither, unless
// every part is a single digit ("8-9-4"); the first such piece that is a
// date (a four-digit year, a month and a day) is the draw's date. Only ASCII
// digits count. Files with a header row of named columns are read by
// draw_records.h, which finds the columns and calls this for other files.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vesk {

inline constexpr int kDefaultDrawLength = 3;

// A period has at most this many digits, so it fits a 64-bit value.
inline constexpr std::size_t kMaxPeriodDigits = 18;

// A calendar day; ordered by year, month and day.
struct DrawDate {
    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;

    friend auto operator<=>(const DrawDate&, const DrawDate&) = default;
};

// A date of years 1900..2999 that the calendar has; nothing otherwise.
std::optional<DrawDate> MakeDrawDate(std::uint64_t year, std::uint64_t month, std::uint64_t day);
// "2025-08-15".
std::string FormatDrawDate(const DrawDate& date);

struct Draw {
    std::optional<std::uint64_t> period;
    std::uint32_t code = 0; // the number's value, below 10^length
    std::optional<DrawDate> date = std::nullopt;

    friend bool operator==(const Draw&, const Draw&) = default;
};

enum class DrawLineKind {
    Blank,    // nothing but spaces
    NoDigits, // text without a digit: a header, a title
    Draw,
    Refused,  // digits, but no draw of the game's length
};

enum class DrawLineFault { None, NoNumber, PeriodTooLong, ExtraField, BadPeriod, BadDate, MissingField };

struct DrawLine {
    DrawLineKind kind = DrawLineKind::Blank;
    Draw draw;
    DrawLineFault fault = DrawLineFault::None;
};

// line: one line without its break, UTF-8 (draw_records.h decodes files).
DrawLine ReadDrawLine(std::string_view line, int length);

// Why a line was refused, for the user (UTF-8).
std::string DescribeDrawLineFault(DrawLineFault fault, int length);

// A drawn number with its leading zeros.
std::string DrawNumberText(std::uint32_t code, int length);

// The period's digits as a value; nothing when empty, not all digits or
// longer than kMaxPeriodDigits.
std::optional<std::uint64_t> PeriodValue(std::string_view digits);

} // namespace vesk
