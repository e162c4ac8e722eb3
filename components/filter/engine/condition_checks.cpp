#include "components/filter/engine/condition_checks.h"

#include <algorithm>
#include <limits>
#include <set>

namespace vesk::filter {

namespace {

std::string Text(long long v) { return std::to_string(v); }

// Every decimal digit of value at most top, and fewer than places digits.
bool DecimalDigitsAtMost(std::int64_t value, int places, int top)
{
    if (value < 0)
        return false;
    for (int i = 0; i < places; ++i) {
        if (value % 10 > top)
            return false;
        value /= 10;
    }
    return value == 0;
}

bool IsClassCount(std::int64_t value, int length)
{
    return value >= 0 && value < 1000 && value / 100 + value / 10 % 10 + value % 10 == length;
}

std::size_t DistinctCount(const std::vector<int>& digits)
{
    return std::set<int>(digits.begin(), digits.end()).size();
}

std::size_t DistinctPairs(const std::vector<std::string>& pairs)
{
    std::set<std::pair<char, char>> distinct;
    for (const std::string& p : pairs)
        distinct.emplace(std::min(p[0], p[1]), std::max(p[0], p[1]));
    return distinct.size();
}

std::optional<FieldIssue> CheckFields(const Condition& c, int length)
{
    const std::string digitsText = Text(length) + "-digit number";
    const std::string digitsZh = Text(length) + " 位号码";
    switch (InfoOf(c.type).field) {
    case TypeField::None:
        break;
    case TypeField::Position:
        if (c.position < 0 || c.position >= length)
            return FieldIssue{"position", Text(c.position) + " is not a position of a " + digitsText,
                              "位置 " + Text(c.position) + " 超出" + digitsZh + "的范围"};
        break;
    case TypeField::Pair:
        if (c.pair[0] < 0 || c.pair[0] >= c.pair[1] || c.pair[1] >= length)
        {
            // Built in steps: g++ 12 warns falsely on a long chain of + here.
            std::string pair("[");
            pair.append(Text(c.pair[0])).append(", ").append(Text(c.pair[1])).append("]");
            return FieldIssue{"pair", pair + " is not two positions a < b of a " + digitsText,
                              "位置对 " + pair + " 不是" + digitsZh + "中由小到大的两个位置"};
        }
        break;
    case TypeField::Digits:
        for (std::size_t i = 0; i < c.digits.size(); ++i)
            if (c.digits[i] < 0 || c.digits[i] > 9)
                return FieldIssue{"digits[" + Text(static_cast<long long>(i)) + "]", Text(c.digits[i]) + " is not a digit",
                                  Text(c.digits[i]) + " 不是 0 到 9 的数字"};
        break;
    case TypeField::Pairs:
        for (std::size_t i = 0; i < c.pairs.size(); ++i)
            if (!IsNumberText(c.pairs[i], 2))
                return FieldIssue{"pairs[" + Text(static_cast<long long>(i)) + "]",
                                  "\"" + c.pairs[i] + "\" is not a pair of two digits",
                                  "“" + c.pairs[i] + "”不是两个数字组成的码对"};
        break;
    case TypeField::Numbers:
        for (std::size_t i = 0; i < c.numbers.size(); ++i)
            if (!IsNumberText(c.numbers[i], static_cast<std::size_t>(length)))
                return FieldIssue{"numbers[" + Text(static_cast<long long>(i)) + "]",
                                  "\"" + c.numbers[i] + "\" is not a " + digitsText,
                                  "“" + c.numbers[i] + "”不是" + digitsZh};
        break;
    case TypeField::Window:
        if (c.window < 1)
            return FieldIssue{"window", "the window must be at least 1 draw, not " + Text(c.window),
                              "期数 " + Text(c.window) + " 应至少为 1"};
        break;
    }
    return std::nullopt;
}

} // namespace

bool IsNumberText(const std::string& text, std::size_t length)
{
    return text.size() == length && std::all_of(text.begin(), text.end(), [](char ch) { return ch >= '0' && ch <= '9'; });
}

ValueBounds BoundsOf(const Condition& c, int length)
{
    const std::int64_t L = length;
    const std::int64_t upToLength = std::min<std::int64_t>(L, 10);
    // The largest L-digit decimal whose digits are at most 2: 2, 22, 222, ...
    const auto twos = [](std::int64_t places) {
        std::int64_t value = 0;
        for (std::int64_t i = 0; i < places; ++i)
            value = value * 10 + 2;
        return value;
    };
    switch (c.type) {
    case ConditionType::Sum: return {0, 9 * L};
    case ConditionType::SumTail:
    case ConditionType::MaxDigit:
    case ConditionType::MinDigit:
    case ConditionType::MidDigit:
    case ConditionType::Position:
    case ConditionType::PairSumTail:
    case ConditionType::PairDiff: return {0, 9};
    case ConditionType::Span: return {0, L > 1 ? 9 : 0};
    case ConditionType::OddCount:
    case ConditionType::BigCount:
    case ConditionType::PrimeCount: return {0, L};
    case ConditionType::RoadCounts:
    case ConditionType::DzxCounts: return {L, 100 * L};
    case ConditionType::DistinctCount:
    case ConditionType::Consecutive: return {1, upToLength};
    case ConditionType::OddPattern:
    case ConditionType::BigPattern:
    case ConditionType::PrimePattern: return {0, (std::int64_t{1} << L) - 1};
    case ConditionType::RoadPattern:
    case ConditionType::DzxPattern: return {0, twos(L)};
    case ConditionType::Shape: return {0, twos(L - 1)};
    case ConditionType::DiffCount: return L == 1 ? ValueBounds{0, 0} : ValueBounds{1, std::min<std::int64_t>(L * (L - 1) / 2, 10)};
    case ConditionType::PairSum: return {0, 18};
    case ConditionType::Contains:
        return {0, std::min<std::int64_t>(static_cast<std::int64_t>(DistinctCount(c.digits)), upToLength)};
    case ConditionType::Pairs: return {0, static_cast<std::int64_t>(DistinctPairs(c.pairs))};
    case ConditionType::List:
        return {std::numeric_limits<std::int64_t>::min(), std::numeric_limits<std::int64_t>::max()};
    case ConditionType::Repeat:
    case ConditionType::Adjacent:
    case ConditionType::RecentCount: return {0, upToLength};
    case ConditionType::Omission:
    case ConditionType::GroupOmission:
    case ConditionType::SumOmission: return {0, std::numeric_limits<int>::max()};
    }
    return {1, 0};
}

bool IsPossibleValue(const Condition& c, int length, std::int64_t v)
{
    const ValueBounds bounds = BoundsOf(c, length);
    if (v < bounds.low || v > bounds.high)
        return false;
    switch (c.type) {
    case ConditionType::RoadCounts:
    case ConditionType::DzxCounts: return IsClassCount(v, length);
    case ConditionType::RoadPattern:
    case ConditionType::DzxPattern: return DecimalDigitsAtMost(v, length, 2);
    case ConditionType::Shape: return DecimalDigitsAtMost(v, length - 1, 2);
    default: return true;
    }
}

std::optional<FieldIssue> CheckCondition(const Condition& c, int length)
{
    if (auto issue = CheckFields(c, length))
        return issue;
    if (c.type == ConditionType::List)
        return std::nullopt;
    const std::string name(InfoOf(c.type).name);
    const std::string id(InfoOf(c.type).id);
    for (std::size_t i = 0; i < c.values.size(); ++i) {
        const std::int64_t v = c.values[i];
        if (!IsPossibleValue(c, length, v))
            return FieldIssue{"values[" + Text(static_cast<long long>(i)) + "]",
                              Text(v) + " is not a value of " + id + " for a " + Text(length) + "-digit number",
                              Text(v) + " 不是 " + Text(length) + " 位号码" + name + "的取值"};
    }
    return std::nullopt;
}

} // namespace vesk::filter
