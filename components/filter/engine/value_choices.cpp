#include "components/filter/engine/value_choices.h"

#include "components/filter/engine/condition_checks.h"

#include <algorithm>
#include <charconv>

namespace vesk::filter {
namespace {

std::string Ratio(std::int64_t a, std::int64_t b)
{
    return std::to_string(a) + ":" + std::to_string(b);
}

// Digit classes as words for patterns: bit or digit i of value, first digit first.
std::string PatternLabel(std::int64_t value, int length, int base, const char* const* words)
{
    std::string label;
    std::int64_t weight = 1;
    for (int i = 1; i < length; ++i)
        weight *= base;
    for (int i = 0; i < length; ++i, weight /= base)
        label += words[(value / weight) % base];
    return label;
}

std::vector<std::int64_t> Range(std::int64_t first, std::int64_t last)
{
    std::vector<std::int64_t> values;
    for (std::int64_t v = first; v <= last; ++v)
        values.push_back(v);
    return values;
}

// Values built from per-class counts that add up to length: 100a + 10b + c.
std::vector<std::int64_t> ThreeCounts(int length)
{
    std::vector<std::int64_t> values;
    for (int a = length; a >= 0; --a)
        for (int b = length - a; b >= 0; --b)
            values.push_back(100 * a + 10 * b + (length - a - b));
    std::sort(values.begin(), values.end());
    return values;
}

// Every L-digit number whose digits are all below base, read in decimal.
std::vector<std::int64_t> DigitPatterns(int length, int base)
{
    std::vector<std::int64_t> values{0};
    for (int i = 0; i < length; ++i) {
        std::vector<std::int64_t> next;
        for (std::int64_t v : values)
            for (int d = 0; d < base; ++d)
                next.push_back(v * 10 + d);
        values = std::move(next);
        if (values.size() > kMaxToggles)
            return {};
    }
    return values;
}

std::string ThreeCountLabel(std::int64_t v)
{
    return std::to_string(v / 100) + ":" + std::to_string(v / 10 % 10) + ":" + std::to_string(v % 10);
}

std::string ShapeLabel(std::int64_t v, int length)
{
    static const char* const kSteps[] = {"降", "平", "升"};
    if (length == 3) {
        switch (v) {
        case 20: return "凸";
        case 2: return "凹";
        default: break;
        }
    }
    std::string label;
    std::int64_t weight = 1;
    for (int i = 2; i < length; ++i)
        weight *= 10;
    for (int i = 0; i + 1 < length; ++i, weight /= 10)
        label += kSteps[(v / weight) % 10];
    return label;
}

std::string LabelOf(ConditionType type, std::int64_t v, int length)
{
    static const char* const kOdd[] = {"偶", "奇"};
    static const char* const kBig[] = {"小", "大"};
    static const char* const kPrime[] = {"合", "质"};
    static const char* const kRoad[] = {"0", "1", "2"};
    static const char* const kDzx[] = {"小", "中", "大"};
    switch (type) {
    case ConditionType::OddCount:
    case ConditionType::BigCount:
    case ConditionType::PrimeCount: return Ratio(v, length - v);
    case ConditionType::RoadCounts:
    case ConditionType::DzxCounts: return ThreeCountLabel(v);
    case ConditionType::DistinctCount:
        if (length == 3) {
            static const char* const kForms[] = {"", "豹子", "组三", "组六"};
            return kForms[v];
        }
        return std::to_string(v);
    case ConditionType::OddPattern: return PatternLabel(v, length, 2, kOdd);
    case ConditionType::BigPattern: return PatternLabel(v, length, 2, kBig);
    case ConditionType::PrimePattern: return PatternLabel(v, length, 2, kPrime);
    case ConditionType::RoadPattern: return PatternLabel(v, length, 10, kRoad);
    case ConditionType::DzxPattern: return PatternLabel(v, length, 10, kDzx);
    case ConditionType::Shape: return ShapeLabel(v, length);
    default: return std::to_string(v);
    }
}

// The values a row offers before the check of each: the type's bounds, or its
// patterns built digit by digit where the bounds hold mostly non-values.
std::vector<std::int64_t> CandidateValues(const Condition& c, int length)
{
    const ValueBounds bounds = BoundsOf(c, length);
    switch (c.type) {
    case ConditionType::RoadCounts:
    case ConditionType::DzxCounts: return ThreeCounts(length);
    case ConditionType::OddPattern:
    case ConditionType::BigPattern:
    case ConditionType::PrimePattern:
        if (length > 6)
            return {};
        return Range(bounds.low, bounds.high);
    case ConditionType::RoadPattern:
    case ConditionType::DzxPattern: return DigitPatterns(length, 3);
    case ConditionType::Shape: return length < 2 ? std::vector<std::int64_t>{} : DigitPatterns(length - 1, 3);
    case ConditionType::Pairs: return Range(bounds.low, std::min<std::int64_t>(kMaxToggles - 1, bounds.high));
    case ConditionType::List:
    case ConditionType::Omission:
    case ConditionType::GroupOmission:
    case ConditionType::SumOmission: return {};
    default: return Range(bounds.low, bounds.high);
    }
}

} // namespace

std::vector<ValueChoice> ValueChoices(const Condition& condition, int length)
{
    std::vector<ValueChoice> choices;
    const std::vector<std::int64_t> values = CandidateValues(condition, length);
    if (values.size() > kMaxToggles)
        return choices;
    for (std::int64_t v : values)
        if (IsPossibleValue(condition, length, v))
            choices.push_back({v, LabelOf(condition.type, v, length)});
    return choices;
}

void ToggleValue(Condition& condition, std::int64_t value)
{
    auto& values = condition.values;
    const auto at = std::find(values.begin(), values.end(), value);
    if (at != values.end()) {
        values.erase(at);
        return;
    }
    if (!condition.enabled && values.empty())
        condition.enabled = true;
    values.insert(std::upper_bound(values.begin(), values.end(), value), value);
}

void ToggleDigit(Condition& condition, int digit, int length)
{
    auto& digits = condition.digits;
    const auto most = [length](std::size_t count) { return std::min<std::int64_t>(std::min(length, 10), static_cast<std::int64_t>(count)); };
    const std::int64_t before = most(digits.size());
    const auto at = std::find(digits.begin(), digits.end(), digit);
    if (at != digits.end()) {
        digits.erase(at);
    } else {
        if (!condition.enabled && digits.empty())
            condition.enabled = true;
        digits.insert(std::upper_bound(digits.begin(), digits.end(), digit), digit);
    }
    const std::int64_t after = most(digits.size());
    // "At least one of them" stays that as digits come and go; other
    // choices only lose the counts the digits can no longer reach.
    if (condition.values.empty() || (before > 0 && condition.values == Range(1, before))) {
        condition.values = Range(1, after);
        return;
    }
    std::erase_if(condition.values, [after](std::int64_t v) { return v > after; });
}

std::optional<std::vector<std::int64_t>> ParseValueText(std::string_view text)
{
    std::vector<std::int64_t> values;
    const auto isSeparator = [](char ch) { return ch == ' ' || ch == ',' || ch == '\t' || ch == ';'; };
    std::size_t i = 0;
    const auto number = [&](std::int64_t& out) {
        const char* begin = text.data() + i;
        const auto [end, error] = std::from_chars(begin, text.data() + text.size(), out);
        if (error != std::errc() || out < 0)
            return false;
        i += static_cast<std::size_t>(end - begin);
        return true;
    };
    constexpr std::string_view kComma = "，";
    constexpr std::string_view kPause = "、";
    while (i < text.size()) {
        if (isSeparator(text[i])) {
            ++i;
            continue;
        }
        if (text.substr(i, kComma.size()) == kComma || text.substr(i, kPause.size()) == kPause) {
            i += 3;
            continue;
        }
        std::int64_t first = 0;
        if (!number(first))
            return std::nullopt;
        std::int64_t last = first;
        if (i < text.size() && (text[i] == '-' || text[i] == '~')) {
            ++i;
            if (!number(last) || last < first || last - first > 100000)
                return std::nullopt;
        }
        // Omissions stay far below this; more is a typing slip, not a choice.
        if (values.size() + static_cast<std::size_t>(last - first) > 100000)
            return std::nullopt;
        for (std::int64_t v = first; v <= last; ++v)
            values.push_back(v);
    }
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    return values;
}

std::string FormatValueText(const std::vector<std::int64_t>& unsorted)
{
    std::vector<std::int64_t> values = unsorted;
    std::sort(values.begin(), values.end());
    values.erase(std::unique(values.begin(), values.end()), values.end());
    std::string text;
    for (std::size_t i = 0; i < values.size();) {
        std::size_t j = i;
        while (j + 1 < values.size() && values[j + 1] == values[j] + 1)
            ++j;
        if (!text.empty())
            text += ' ';
        text += std::to_string(values[i]);
        if (j > i) {
            text += j == i + 1 ? ' ' : '-';
            text += std::to_string(values[j]);
        }
        i = j + 1;
    }
    return text;
}

} // namespace vesk::filter
