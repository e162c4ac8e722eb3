#include "numbers/draw_line.h"

#include "numbers/number_length.h"

#include <algorithm>
#include <cstdio>
#include <vector>

namespace vesk {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// The bytes of a joiner standing at the front of text: 0 when none. 年 and
// 月 join a written-out date as '-' does a numeric one.
std::size_t JoinerWidth(std::string_view text)
{
    if (text.empty())
        return 0;
    if (text[0] == '-' || text[0] == '/' || text[0] == '.' || text[0] == ':')
        return 1;
    for (std::string_view wide : {std::string_view("\xE5\xB9\xB4"), std::string_view("\xE6\x9C\x88")})
        if (text.starts_with(wide))
            return wide.size();
    return 0;
}

// A run of digits the line offers as a period or a number; a date or a time
// is an empty token (it still separates the others) that may carry the date.
struct Token {
    std::string_view digits;
    std::optional<DrawDate> date;
};

std::uint64_t ValueOf(std::string_view digits)
{
    std::uint64_t value = 0;
    for (char c : digits)
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    return value;
}

// The digit runs of a line, with each run joined to its neighbours by single
// joiners taken as one piece: "2025-08-15" is one piece of three parts.
std::vector<std::vector<std::string_view>> Pieces(std::string_view line)
{
    std::vector<std::vector<std::string_view>> pieces;
    std::size_t i = 0;
    bool joined = false;
    while (i < line.size()) {
        if (!IsDigit(line[i])) {
            const std::size_t width = JoinerWidth(line.substr(i));
            joined = width > 0 && !pieces.empty() && i > 0 && IsDigit(line[i - 1]) && i + width < line.size()
                && IsDigit(line[i + width]);
            i += std::max<std::size_t>(width, 1);
            continue;
        }
        const std::size_t start = i;
        while (i < line.size() && IsDigit(line[i]))
            ++i;
        if (!joined)
            pieces.emplace_back();
        pieces.back().push_back(line.substr(start, i - start));
        joined = false;
    }
    return pieces;
}

std::optional<DrawDate> DateOf(const std::vector<std::string_view>& piece)
{
    if (piece.size() != 3 || piece[0].size() != 4 || piece[1].size() > 2 || piece[2].size() > 2)
        return std::nullopt;
    return MakeDrawDate(ValueOf(piece[0]), ValueOf(piece[1]), ValueOf(piece[2]));
}

std::vector<Token> Tokens(std::string_view line)
{
    std::vector<Token> tokens;
    for (const auto& piece : Pieces(line)) {
        const bool singleDigits
            = std::all_of(piece.begin(), piece.end(), [](std::string_view part) { return part.size() == 1; });
        if (piece.size() == 1 || singleDigits) {
            for (std::string_view part : piece)
                tokens.push_back({part, std::nullopt});
        } else {
            tokens.push_back({{}, DateOf(piece)});
        }
    }
    return tokens;
}

// Index of the number's first token, or nothing when the line holds no number.
std::optional<std::size_t> NumberStart(const std::vector<Token>& tokens, int length)
{
    const auto n = tokens.size();
    const auto width = static_cast<std::size_t>(length);
    if (n > 0 && tokens[n - 1].digits.size() == width)
        return n - 1;
    if (n >= width && std::all_of(tokens.end() - static_cast<std::ptrdiff_t>(width), tokens.end(),
                                  [](const Token& t) { return t.digits.size() == 1; }))
        return n - width;
    return std::nullopt;
}

} // namespace

std::optional<DrawDate> MakeDrawDate(std::uint64_t year, std::uint64_t month, std::uint64_t day)
{
    if (year < 1900 || year > 2999 || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    static constexpr std::uint8_t kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    const unsigned last = kDays[month - 1] + (month == 2 && leap ? 1u : 0u);
    if (day > last)
        return std::nullopt;
    return DrawDate{static_cast<std::uint16_t>(year), static_cast<std::uint8_t>(month), static_cast<std::uint8_t>(day)};
}

std::string FormatDrawDate(const DrawDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%04u-%02u-%02u", unsigned{date.year}, unsigned{date.month}, unsigned{date.day});
    return text;
}

std::string DrawNumberText(std::uint32_t code, int length)
{
    std::string text = std::to_string(code);
    if (text.size() < static_cast<std::size_t>(length))
        text.insert(0, static_cast<std::size_t>(length) - text.size(), '0');
    return text;
}

std::optional<std::uint64_t> PeriodValue(std::string_view digits)
{
    if (digits.empty() || digits.size() > kMaxPeriodDigits || !std::all_of(digits.begin(), digits.end(), IsDigit))
        return std::nullopt;
    return ValueOf(digits);
}

DrawLine ReadDrawLine(std::string_view line, int length)
{
    DrawLine result;
    if (std::all_of(line.begin(), line.end(), IsSpace))
        return result;
    if (std::none_of(line.begin(), line.end(), IsDigit)) {
        result.kind = DrawLineKind::NoDigits;
        return result;
    }
    result.kind = DrawLineKind::Refused;
    const std::vector<Token> tokens = Tokens(line);
    const std::optional<std::size_t> start = IsValidNumberLength(length) ? NumberStart(tokens, length) : std::nullopt;
    if (!start) {
        result.fault = DrawLineFault::NoNumber;
        return result;
    }
    std::string digits;
    for (std::size_t i = *start; i < tokens.size(); ++i)
        digits += tokens[i].digits;
    result.draw.code = static_cast<std::uint32_t>(ValueOf(digits));

    std::optional<std::string_view> period;
    for (std::size_t i = 0; i < *start; ++i) {
        const Token& token = tokens[i];
        if (token.date && !result.draw.date)
            result.draw.date = token.date;
        if (token.digits.empty())
            continue;
        if (period) {
            result.fault = DrawLineFault::ExtraField;
            return result;
        }
        period = token.digits;
    }
    if (period) {
        result.draw.period = PeriodValue(*period);
        if (!result.draw.period) {
            result.fault = DrawLineFault::PeriodTooLong;
            return result;
        }
    }
    result.kind = DrawLineKind::Draw;
    return result;
}

std::string DescribeDrawLineFault(DrawLineFault fault, int length)
{
    switch (fault) {
    case DrawLineFault::None:
        return {};
    case DrawLineFault::NoNumber:
        return "没有 " + std::to_string(length) + " 位的开奖号码";
    case DrawLineFault::PeriodTooLong:
        return "期号超过 " + std::to_string(kMaxPeriodDigits) + " 位";
    case DrawLineFault::ExtraField:
        return "期号和号码之外还有不认识的数字";
    case DrawLineFault::BadPeriod:
        return "期号无法识别";
    case DrawLineFault::BadDate:
        return "开奖日期无法识别";
    case DrawLineFault::MissingField:
        return "栏目不全";
    }
    return {};
}

} // namespace vesk
