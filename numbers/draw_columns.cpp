#include "numbers/draw_columns.h"

#include "numbers/number_length.h"

#include <algorithm>
#include <array>

namespace vesk {
namespace {

constexpr std::array<std::string_view, 8> kPeriodNames = {"期号", "期数", "开奖期号", "开奖期数", "期次", "期",
                                                          "issue", "period"};
constexpr std::array<std::string_view, 6> kDateNames = {"开奖日期", "日期", "开奖时间", "date", "drawdate", "time"};
constexpr std::array<std::string_view, 9> kNumberNames = {"开奖号码", "号码", "中奖号码", "开奖结果", "奖号",
                                                          "number", "numbers", "result", "winningnumbers"};
// Digit places by value: 个位 is the last digit.
constexpr std::array<std::string_view, 8> kPlaceNames = {"个", "十", "百", "千", "万", "十万", "百万", "千万"};
constexpr std::array<std::string_view, 8> kOrdinals = {"一", "二", "三", "四", "五", "六", "七", "八"};
constexpr std::array<std::string_view, 6> kOrdinalPrefixes = {"开奖号码", "号码", "第", "球", "ball", "n"};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Lower-case ASCII, without spaces (ASCII or ideographic) and quotes.
std::string Normalized(std::string_view name)
{
    std::string text;
    for (std::size_t i = 0; i < name.size();) {
        if (name.substr(i).starts_with("\xE3\x80\x80")) {
            i += 3;
            continue;
        }
        const char c = name[i++];
        if (c == ' ' || c == '\t' || c == '\r' || c == '"')
            continue;
        text += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return text;
}

template <std::size_t N>
bool OneOf(std::string_view name, const std::array<std::string_view, N>& names)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

// The digit (0 first) a column name stands for, nothing when it names none.
std::optional<std::size_t> DigitOf(std::string name, int length)
{
    const auto width = static_cast<std::size_t>(length);
    if (name.ends_with("位"))
        name.resize(name.size() - std::string_view("位").size());
    for (std::size_t place = 0; place < kPlaceNames.size(); ++place)
        if (name == kPlaceNames[place])
            return place < width ? std::optional(width - 1 - place) : std::nullopt;
    for (std::string_view prefix : kOrdinalPrefixes) {
        if (!name.starts_with(prefix) || name.size() == prefix.size())
            continue;
        const std::string_view rest = std::string_view(name).substr(prefix.size());
        std::optional<std::size_t> ordinal;
        if (rest.size() == 1 && rest[0] >= '1' && rest[0] <= '8')
            ordinal = static_cast<std::size_t>(rest[0] - '1');
        for (std::size_t i = 0; i < kOrdinals.size(); ++i)
            if (rest == kOrdinals[i])
                ordinal = i;
        if (ordinal)
            return *ordinal < width ? ordinal : std::nullopt;
    }
    return std::nullopt;
}

std::vector<std::string_view> DigitRuns(std::string_view text)
{
    std::vector<std::string_view> runs;
    for (std::size_t i = 0; i < text.size();) {
        if (!IsDigit(text[i])) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        runs.push_back(text.substr(start, i - start));
    }
    return runs;
}

std::uint64_t ValueOf(std::string_view digits)
{
    std::uint64_t value = 0;
    for (char c : digits)
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    return value;
}

bool ReadDate(std::string_view field, std::optional<DrawDate>& date)
{
    const std::vector<std::string_view> runs = DigitRuns(field);
    if (runs.empty())
        return true;
    if (runs.size() == 1 && runs[0].size() == 8)
        date = MakeDrawDate(ValueOf(runs[0].substr(0, 4)), ValueOf(runs[0].substr(4, 2)), ValueOf(runs[0].substr(6)));
    else if (runs.size() >= 3 && runs[0].size() == 4 && runs[1].size() <= 2 && runs[2].size() <= 2)
        date = MakeDrawDate(ValueOf(runs[0]), ValueOf(runs[1]), ValueOf(runs[2]));
    return date.has_value();
}

// The number's value from its own field: one run of the game's length, or
// one digit per run ("8 9 4", "8,9,4").
std::optional<std::uint32_t> ReadNumber(std::string_view field, int length)
{
    const std::vector<std::string_view> runs = DigitRuns(field);
    const auto width = static_cast<std::size_t>(length);
    std::string digits;
    if (runs.size() == 1 && runs[0].size() == width)
        digits = runs[0];
    else if (runs.size() == width
             && std::all_of(runs.begin(), runs.end(), [](std::string_view run) { return run.size() == 1; }))
        for (std::string_view run : runs)
            digits += run;
    else
        return std::nullopt;
    return static_cast<std::uint32_t>(ValueOf(digits));
}

} // namespace

std::vector<std::string> SplitDrawFields(std::string_view line, char separator)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c != '"')
                fields.back() += c;
            else if (i + 1 < line.size() && line[i + 1] == '"')
                fields.back() += line[++i];
            else
                quoted = false;
        } else if (c == '"') {
            quoted = true;
        } else if (c == separator) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

std::optional<DrawColumns> FindDrawColumns(std::string_view header, int length)
{
    if (!IsValidNumberLength(length))
        return std::nullopt;
    DrawColumns columns;
    if (header.find('\t') != std::string_view::npos)
        columns.separator = '\t';
    else if (header.find(',') == std::string_view::npos)
        return std::nullopt;
    std::vector<std::optional<std::size_t>> digits(static_cast<std::size_t>(length));
    const std::vector<std::string> fields = SplitDrawFields(header, columns.separator);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string name = Normalized(fields[i]);
        columns.names.push_back(name);
        if (OneOf(name, kPeriodNames)) {
            if (!columns.period)
                columns.period = i;
        } else if (OneOf(name, kDateNames)) {
            if (!columns.date)
                columns.date = i;
        } else if (OneOf(name, kNumberNames)) {
            if (!columns.number)
                columns.number = i;
        } else if (const std::optional<std::size_t> digit = DigitOf(name, length)) {
            if (!digits[*digit])
                digits[*digit] = i;
        }
    }
    const bool allDigits = std::all_of(digits.begin(), digits.end(), [](const auto& at) { return at.has_value(); });
    if (!columns.number && !allDigits)
        return std::nullopt;
    if (!columns.number)
        for (const auto& at : digits)
            columns.digits.push_back(*at);
    return columns;
}

DrawLine ReadDrawFields(std::string_view line, const DrawColumns& columns, int length)
{
    DrawLine result;
    const std::vector<std::string> fields = SplitDrawFields(line, columns.separator);
    const auto blank = [](const std::string& field) {
        return std::all_of(field.begin(), field.end(), [](char c) { return c == ' ' || c == '\r' || c == '\t'; });
    };
    if (std::all_of(fields.begin(), fields.end(), blank))
        return result;
    const bool anyDigit = std::any_of(line.begin(), line.end(), IsDigit);
    std::vector<std::string> names;
    for (const std::string& field : fields)
        names.push_back(Normalized(field));
    // The header again (files joined one after another) says nothing new.
    if (names == columns.names)
        return result;
    if (!anyDigit) {
        result.kind = DrawLineKind::NoDigits;
        return result;
    }
    result.kind = DrawLineKind::Refused;

    std::size_t needed = std::max({columns.period.value_or(0), columns.date.value_or(0), columns.number.value_or(0)});
    for (std::size_t at : columns.digits)
        needed = std::max(needed, at);
    if (fields.size() <= needed) {
        result.fault = DrawLineFault::MissingField;
        return result;
    }

    if (columns.number) {
        const std::optional<std::uint32_t> code = ReadNumber(fields[*columns.number], length);
        if (!code) {
            result.fault = DrawLineFault::NoNumber;
            return result;
        }
        result.draw.code = *code;
    } else {
        std::uint32_t code = 0;
        for (std::size_t at : columns.digits) {
            const std::vector<std::string_view> runs = DigitRuns(fields[at]);
            if (runs.size() != 1 || runs[0].size() != 1) {
                result.fault = DrawLineFault::NoNumber;
                return result;
            }
            code = code * 10 + static_cast<std::uint32_t>(runs[0][0] - '0');
        }
        result.draw.code = code;
    }
    if (columns.period) {
        const std::vector<std::string_view> runs = DigitRuns(fields[*columns.period]);
        if (runs.size() > 1) {
            result.fault = DrawLineFault::BadPeriod;
            return result;
        }
        if (runs.size() == 1) {
            result.draw.period = PeriodValue(runs[0]);
            if (!result.draw.period) {
                result.fault = DrawLineFault::PeriodTooLong;
                return result;
            }
        }
    }
    if (columns.date && !ReadDate(fields[*columns.date], result.draw.date)) {
        result.fault = DrawLineFault::BadDate;
        return result;
    }
    result.kind = DrawLineKind::Draw;
    return result;
}

} // namespace vesk
