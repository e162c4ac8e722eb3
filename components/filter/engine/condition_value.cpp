#include "components/filter/engine/condition_value.h"

#include "components/filter/engine/digit_classes.h"
#include "components/filter/engine/digits.h"

#include "numbers/number_length.h"

#include <algorithm>
#include <bit>
#include <cstdlib>

namespace vesk::filter {

namespace {

int CountDigits(const std::uint8_t* d, int length, int (*classify)(int))
{
    int count = 0;
    for (int i = 0; i < length; ++i)
        count += classify(d[i]);
    return count;
}

// Σ f(d_i) · base^(L-1-i): the digits' classes read as a number.
std::int64_t PatternOf(const std::uint8_t* d, int length, int base, int (*classify)(int))
{
    std::int64_t value = 0;
    for (int i = 0; i < length; ++i)
        value = value * base + classify(d[i]);
    return value;
}

std::int64_t ClassCounts(const std::uint8_t* d, int length, int (*classify)(int))
{
    int counts[3] = {0, 0, 0};
    for (int i = 0; i < length; ++i)
        ++counts[classify(d[i])];
    return 100 * counts[0] + 10 * counts[1] + counts[2];
}

int LongestRun(std::uint16_t mask)
{
    int best = 0;
    int run = 0;
    for (int x = 0; x < 10; ++x) {
        run = (mask >> x & 1) ? run + 1 : 0;
        best = std::max(best, run);
    }
    return best;
}

std::int64_t ShapeOf(const std::uint8_t* d, int length)
{
    std::int64_t value = 0;
    for (int i = 0; i + 1 < length; ++i)
        value = value * 10 + (d[i + 1] > d[i] ? 2 : d[i + 1] == d[i] ? 1 : 0);
    return value;
}

int DistinctDifferences(const std::uint8_t* d, int length)
{
    std::uint16_t seen = 0;
    for (int i = 0; i < length; ++i)
        for (int j = i + 1; j < length; ++j)
            seen = static_cast<std::uint16_t>(seen | (1u << std::abs(d[i] - d[j])));
    return std::popcount(seen);
}

int MidDigit(const std::uint8_t* d, int length)
{
    // The digit at index L/2 of the ascending digits is the one the group
    // form has there.
    return static_cast<int>(GroupCodeOf(d, length) / PowerOfTen(length - 1 - length / 2) % 10);
}

int PopCount(std::uint16_t mask) { return std::popcount(mask); }

} // namespace

PreparedCondition::PreparedCondition(const Condition& condition, int length)
    : m_source(condition)
    , m_type(condition.type)
    , m_length(length)
    , m_keep(condition.mode == Mode::Keep)
    , m_values(condition.values)
{
    std::sort(m_values.begin(), m_values.end());
    m_values.erase(std::unique(m_values.begin(), m_values.end()), m_values.end());
    for (int digit : condition.digits)
        m_listedDigits = static_cast<std::uint16_t>(m_listedDigits | (1u << digit));
    for (const std::string& pair : condition.pairs) {
        const auto a = static_cast<std::uint8_t>(pair[0] - '0');
        const auto b = static_cast<std::uint8_t>(pair[1] - '0');
        m_pairs.emplace_back(std::min(a, b), std::max(a, b));
    }
    std::sort(m_pairs.begin(), m_pairs.end());
    m_pairs.erase(std::unique(m_pairs.begin(), m_pairs.end()), m_pairs.end());
    for (const std::string& text : condition.numbers) {
        Digits d{};
        for (int i = 0; i < length; ++i)
            d[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(text[static_cast<std::size_t>(i)] - '0');
        m_numbers.push_back(condition.group ? GroupCodeOf(d.data(), length) : CodeOf(d.data(), length));
    }
    std::sort(m_numbers.begin(), m_numbers.end());
    m_numbers.erase(std::unique(m_numbers.begin(), m_numbers.end()), m_numbers.end());
}

bool PreparedCondition::InList(const std::uint8_t* d) const
{
    const std::uint32_t key = m_source.group ? GroupCodeOf(d, m_length) : CodeOf(d, m_length);
    return std::binary_search(m_numbers.begin(), m_numbers.end(), key);
}

int PreparedCondition::PairsContained(const std::uint8_t* d) const
{
    int counts[10] = {};
    for (int i = 0; i < m_length; ++i)
        ++counts[d[i]];
    int contained = 0;
    for (const auto& [a, b] : m_pairs)
        contained += (a == b ? counts[a] >= 2 : counts[a] > 0 && counts[b] > 0) ? 1 : 0;
    return contained;
}

std::int64_t PreparedCondition::ValueOf(const std::uint8_t* d, const HistoryIndex* history) const
{
    const int n = m_length;
    const Condition& c = m_source;
    switch (m_type) {
    case ConditionType::Sum: return DigitSum(d, n);
    case ConditionType::SumTail: return DigitSum(d, n) % 10;
    case ConditionType::Span: return *std::max_element(d, d + n) - *std::min_element(d, d + n);
    case ConditionType::OddCount: return CountDigits(d, n, OddClass);
    case ConditionType::BigCount: return CountDigits(d, n, BigClass);
    case ConditionType::PrimeCount: return CountDigits(d, n, PrimeClass);
    case ConditionType::RoadCounts: return ClassCounts(d, n, RoadClass);
    // Counted large, middle, small: the reverse of the class order.
    case ConditionType::DzxCounts: return ClassCounts(d, n, [](int x) { return 2 - DzxClass(x); });
    case ConditionType::DistinctCount: return PopCount(DigitMask(d, n));
    case ConditionType::MaxDigit: return *std::max_element(d, d + n);
    case ConditionType::MinDigit: return *std::min_element(d, d + n);
    case ConditionType::MidDigit: return MidDigit(d, n);
    case ConditionType::Consecutive: return LongestRun(DigitMask(d, n));
    case ConditionType::OddPattern: return PatternOf(d, n, 2, OddClass);
    case ConditionType::BigPattern: return PatternOf(d, n, 2, BigClass);
    case ConditionType::PrimePattern: return PatternOf(d, n, 2, PrimeClass);
    case ConditionType::RoadPattern: return PatternOf(d, n, 10, RoadClass);
    case ConditionType::DzxPattern: return PatternOf(d, n, 10, DzxClass);
    case ConditionType::Shape: return ShapeOf(d, n);
    case ConditionType::DiffCount: return DistinctDifferences(d, n);
    case ConditionType::Position: return d[c.position];
    case ConditionType::PairSum: return d[c.pair[0]] + d[c.pair[1]];
    case ConditionType::PairSumTail: return (d[c.pair[0]] + d[c.pair[1]]) % 10;
    case ConditionType::PairDiff: return std::abs(d[c.pair[0]] - d[c.pair[1]]);
    case ConditionType::Contains: return PopCount(static_cast<std::uint16_t>(DigitMask(d, n) & m_listedDigits));
    case ConditionType::Pairs: return PairsContained(d);
    case ConditionType::List: return InList(d) ? 1 : 0;
    case ConditionType::Repeat: return PopCount(static_cast<std::uint16_t>(DigitMask(d, n) & history->LatestDigits()));
    case ConditionType::Adjacent: {
        const unsigned latest = history->LatestDigits();
        const auto neighbours = static_cast<std::uint16_t>(((latest << 1) | (latest >> 1)) & 0x3FFu);
        return PopCount(static_cast<std::uint16_t>(DigitMask(d, n) & neighbours));
    }
    case ConditionType::RecentCount:
        return PopCount(static_cast<std::uint16_t>(DigitMask(d, n) & history->RecentDigits(c.window)));
    case ConditionType::Omission: return history->Omission(CodeOf(d, n));
    case ConditionType::GroupOmission: return history->GroupOmission(GroupCodeOf(d, n));
    case ConditionType::SumOmission: return history->SumOmission(DigitSum(d, n));
    }
    return 0;
}

bool PreparedCondition::HoldsFor(std::int64_t value) const
{
    // A list keeps (or excludes) its numbers; its values are not used.
    const bool listed = m_type == ConditionType::List ? value == 1
                                                      : std::binary_search(m_values.begin(), m_values.end(), value);
    return listed == m_keep;
}

} // namespace vesk::filter
