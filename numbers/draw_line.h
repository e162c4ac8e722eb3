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
// period is the first token before the number. Tokens joined by '-', '/' or
// '.' (dates, times) are neither, unless every part is a single digit
// ("8-9-4"). Only ASCII digits count: the text is passed through
// PrepareNumberText first, so GB18030 characters never read as digits.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vesk {

inline constexpr int kDefaultDrawLength = 3;

// A period has at most this many digits, so it fits a 64-bit value.
inline constexpr std::size_t kMaxPeriodDigits = 18;

struct Draw {
    std::optional<std::uint64_t> period;
    std::uint32_t code = 0; // the number's value, below 10^length

    friend bool operator==(const Draw&, const Draw&) = default;
};

enum class DrawLineKind {
    Blank,    // nothing but spaces
    NoDigits, // text without a digit: a header, a title
    Draw,
    Refused,  // digits, but no draw of the game's length
};

enum class DrawLineFault { None, NoNumber, PeriodTooLong };

struct DrawLine {
    DrawLineKind kind = DrawLineKind::Blank;
    Draw draw;
    DrawLineFault fault = DrawLineFault::None;
};

// line: one line without its break, already prepared as number text.
DrawLine ReadDrawLine(std::string_view line, int length);

// Why a line was refused, for the user (UTF-8).
std::string DescribeDrawLineFault(DrawLineFault fault, int length);

// Prepares the text and reads each of its lines; lineNumber counts from 1.
void ForEachDrawLine(std::span<const std::uint8_t> text, int length,
                     const std::function<void(std::size_t lineNumber, const DrawLine& line)>& visit);

} // namespace vesk
