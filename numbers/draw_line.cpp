#include "numbers/draw_line.h"

#include "numbers/number_length.h"
#include "numbers/text_encoding.h"

#include <algorithm>
#include <vector>

namespace vesk {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsJoiner(char c) { return c == '-' || c == '/' || c == '.'; }

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

// A run of digits the line offers as a period or a number; parts of a date
// or a time are kept out as empty tokens, so they still separate the others.
using Token = std::string_view;

// The digit runs of a line, with each run joined to its neighbours by single
// joiner characters taken as one piece: "2025-08-15" is one piece of three parts.
std::vector<std::vector<std::string_view>> Pieces(std::string_view line)
{
    std::vector<std::vector<std::string_view>> pieces;
    std::size_t i = 0;
    bool joined = false;
    while (i < line.size()) {
        if (!IsDigit(line[i])) {
            joined = !pieces.empty() && IsJoiner(line[i]) && i > 0 && IsDigit(line[i - 1]) && i + 1 < line.size()
                && IsDigit(line[i + 1]);
            ++i;
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

std::vector<Token> Tokens(std::string_view line)
{
    std::vector<Token> tokens;
    for (const auto& piece : Pieces(line)) {
        const bool singleDigits
            = std::all_of(piece.begin(), piece.end(), [](std::string_view part) { return part.size() == 1; });
        if (piece.size() == 1 || singleDigits)
            tokens.insert(tokens.end(), piece.begin(), piece.end());
        else
            tokens.emplace_back(); // a date or a time
    }
    return tokens;
}

std::uint64_t ValueOf(std::string_view digits)
{
    std::uint64_t value = 0;
    for (char c : digits)
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    return value;
}

// Index of the number's first token, or nothing when the line holds no number.
std::optional<std::size_t> NumberStart(const std::vector<Token>& tokens, int length)
{
    const auto n = tokens.size();
    const auto width = static_cast<std::size_t>(length);
    if (n > 0 && tokens[n - 1].size() == width)
        return n - 1;
    if (n >= width
        && std::all_of(tokens.end() - static_cast<std::ptrdiff_t>(width), tokens.end(),
                       [](Token t) { return t.size() == 1; }))
        return n - width;
    return std::nullopt;
}

} // namespace

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
        digits += tokens[i];
    result.draw.code = static_cast<std::uint32_t>(ValueOf(digits));

    const auto period = std::find_if(tokens.begin(), tokens.begin() + static_cast<std::ptrdiff_t>(*start),
                                     [](Token t) { return !t.empty(); });
    if (period != tokens.begin() + static_cast<std::ptrdiff_t>(*start)) {
        if (period->size() > kMaxPeriodDigits) {
            result.fault = DrawLineFault::PeriodTooLong;
            return result;
        }
        result.draw.period = ValueOf(*period);
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
    }
    return {};
}

void ForEachDrawLine(std::span<const std::uint8_t> text, int length,
                     const std::function<void(std::size_t lineNumber, const DrawLine& line)>& visit)
{
    std::string prepared(reinterpret_cast<const char*>(text.data()), text.size());
    PrepareNumberText(prepared);
    const std::string_view all = prepared;
    std::size_t start = 0;
    for (std::size_t number = 1; start < all.size(); ++number) {
        const std::size_t end = std::min(all.find('\n', start), all.size());
        visit(number, ReadDrawLine(all.substr(start, end - start), length));
        start = end + 1;
    }
}

} // namespace vesk
