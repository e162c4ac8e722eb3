#include "components/features/analysis/tools/bet_calculator.h"

#include "components/features/analysis/family.h"
#include "components/filter/engine/digits.h"

#include <algorithm>
#include <bit>

namespace vesk::analysis {
namespace {

std::uint64_t Power(std::uint64_t base, int exponent)
{
    std::uint64_t value = 1;
    for (int i = 0; i < exponent; ++i)
        value *= base;
    return value;
}

bool ThreeDigitsOnly(BetPlay play)
{
    switch (play) {
    case BetPlay::StraightPositions:
    case BetPlay::StraightSet:
    case BetPlay::StraightSum:
    case BetPlay::StraightSpan:
        return false;
    case BetPlay::Group3:
    case BetPlay::Group6:
    case BetPlay::GroupSum:
    case BetPlay::GroupSpan:
    case BetPlay::GroupBankerDrag:
        return true;
    }
    return true;
}

bool Valid(BetPlay play, const BetPick& pick, int length)
{
    if (length < 1 || length > 8 || (ThreeDigitsOnly(play) && length != 3))
        return false;
    switch (play) {
    case BetPlay::StraightPositions:
        return pick.digits.size() == static_cast<std::size_t>(length);
    case BetPlay::StraightSet:
    case BetPlay::Group3:
    case BetPlay::Group6:
        return !pick.digits.empty();
    case BetPlay::StraightSum:
    case BetPlay::GroupSum:
    case BetPlay::StraightSpan:
    case BetPlay::GroupSpan:
        return true;
    case BetPlay::GroupBankerDrag:
        return BankerDragError(pick.bankers, pick.drags).empty();
    }
    return false;
}

int Span(const std::uint8_t* d, int length)
{
    int low = 9;
    int high = 0;
    for (int p = 0; p < length; ++p) {
        low = std::min<int>(low, d[p]);
        high = std::max<int>(high, d[p]);
    }
    return high - low;
}

int Sum(const std::uint8_t* d, int length)
{
    int sum = 0;
    for (int p = 0; p < length; ++p)
        sum += d[p];
    return sum;
}

bool Picked(std::uint32_t values, int value)
{
    return value >= 0 && value < 32 && (values >> value & 1) != 0;
}

// Straight numbers of L digits whose digits sum to each value, by a walk
// over the digits one at a time.
std::vector<std::uint64_t> SumCounts(int length)
{
    std::vector<std::uint64_t> counts{1};
    for (int p = 0; p < length; ++p) {
        std::vector<std::uint64_t> next(counts.size() + 9, 0);
        for (std::size_t s = 0; s < counts.size(); ++s)
            for (int d = 0; d < 10; ++d)
                next[s + static_cast<std::size_t>(d)] += counts[s];
        counts = std::move(next);
    }
    return counts;
}

// Straight numbers of L digits whose span is k: the digits lie in one of
// the 10 − k windows [a, a + k] and touch both ends (inclusion-exclusion).
std::uint64_t StraightSpanCount(int k, int length)
{
    if (k == 0)
        return 10;
    const auto n = static_cast<std::uint64_t>(k);
    return (10 - n) * (Power(n + 1, length) + Power(n - 1, length) - 2 * Power(n, length));
}

// 组三 and 组六 groups of span k: 组三 {a, a, a + k} and {a, a + k, a + k};
// 组六 {a, m, a + k} with a < m < a + k.
std::uint64_t GroupSpanCount(int k)
{
    if (k == 0)
        return 0;
    const auto n = static_cast<std::uint64_t>(k);
    return (10 - n) * 2 + (10 - n) * (n - 1);
}

std::uint64_t GroupSumCount(int sum)
{
    std::uint64_t count = 0;
    for (int a = 0; a <= 9; ++a)
        for (int b = a; b <= 9; ++b) {
            const int c = sum - a - b;
            if (c >= b && c <= 9 && !(a == b && b == c))
                ++count;
        }
    return count;
}

std::uint64_t Choose2(std::uint64_t n)
{
    return n < 2 ? 0 : n * (n - 1) / 2;
}

// Whether the number's digits make a bet of the play.
bool IsBet(BetPlay play, const BetPick& pick, const std::uint8_t* d, int length)
{
    const std::uint16_t digits = filter::DigitMask(d, length);
    if (IsGroupPlay(play)) {
        // Group plays list each group once, as its digits ascending; a 豹子
        // is no group bet.
        for (int p = 1; p < length; ++p)
            if (d[p - 1] > d[p])
                return false;
        const int kinds = std::popcount(digits);
        if (kinds < 2)
            return false;
        if (play == BetPlay::Group3 && kinds != 2)
            return false;
        if (play == BetPlay::Group6 && kinds != 3)
            return false;
    }
    switch (play) {
    case BetPlay::StraightPositions:
        for (int p = 0; p < length; ++p)
            if (!(pick.digits[static_cast<std::size_t>(p)] >> d[p] & 1))
                return false;
        return true;
    case BetPlay::StraightSet:
    case BetPlay::Group3:
    case BetPlay::Group6:
        return (digits & ~pick.digits[0]) == 0;
    case BetPlay::StraightSum:
    case BetPlay::GroupSum:
        return Picked(pick.values, Sum(d, length));
    case BetPlay::StraightSpan:
    case BetPlay::GroupSpan:
        return Picked(pick.values, Span(d, length));
    case BetPlay::GroupBankerDrag:
        return (digits & pick.bankers) == pick.bankers && (digits & ~pick.bankers & ~pick.drags) == 0;
    }
    return false;
}

} // namespace

DigitSetEntry ParseDigitSet(std::string_view text)
{
    DigitSetEntry entry;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            entry.mask = static_cast<std::uint16_t>(entry.mask | 1u << (c - '0'));
            continue;
        }
        if (c == ' ' || c == '\t' || c == ',' || c == ';')
            continue;
        // Name the whole character, also when it takes several UTF-8 bytes.
        std::size_t end = i + 1;
        while (end < text.size() && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
            ++end;
        entry.mask = 0;
        entry.error = "“" + std::string(text.substr(i, end - i)) + "”不是数字";
        return entry;
    }
    return entry;
}

ValueSetEntry ParseValueSet(std::string_view text, int most)
{
    ValueSetEntry entry;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == ' ' || c == '\t' || c == ',' || c == ';') {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && text[end] != ' ' && text[end] != '\t' && text[end] != ',' && text[end] != ';')
            ++end;
        const std::string_view token = text.substr(i, end - i);
        // Two digits at most: a longer token is refused before it is summed.
        int value = 0;
        bool digits = token.size() <= 2;
        for (std::size_t k = 0; digits && k < token.size(); ++k) {
            digits = token[k] >= '0' && token[k] <= '9';
            value = value * 10 + (token[k] - '0');
        }
        if (!digits || value > most) {
            entry.mask = 0;
            entry.error = "“" + std::string(token) + "”不是 0 到 " + std::to_string(most) + " 之间的数";
            return entry;
        }
        entry.mask |= 1u << value;
        i = end;
    }
    return entry;
}

std::string BankerDragError(std::uint16_t bankers, std::uint16_t drags)
{
    const int count = std::popcount(static_cast<std::uint16_t>(bankers & 0x3FF));
    if (count == 0)
        return "至少要有一个胆码";
    if (count > 2)
        return "胆码最多两个";
    if ((drags & 0x3FF) == 0)
        return "至少要有一个拖码";
    if ((bankers & drags) != 0)
        return "同一个数字不能既是胆码又是拖码";
    return {};
}

bool IsGroupPlay(BetPlay play)
{
    return ThreeDigitsOnly(play);
}

std::uint64_t CountBets(BetPlay play, const BetPick& pick, int length)
{
    if (!Valid(play, pick, length))
        return 0;
    const auto Bits = [](std::uint32_t mask) { return static_cast<std::uint64_t>(std::popcount(mask & 0x3FFu)); };
    switch (play) {
    case BetPlay::StraightPositions: {
        std::uint64_t bets = 1;
        for (std::uint16_t mask : pick.digits)
            bets *= Bits(mask);
        return bets;
    }
    case BetPlay::StraightSet:
        return Power(Bits(pick.digits[0]), length);
    case BetPlay::Group3: {
        const std::uint64_t m = Bits(pick.digits[0]);
        return m < 2 ? 0 : m * (m - 1);
    }
    case BetPlay::Group6: {
        const std::uint64_t m = Bits(pick.digits[0]);
        return m < 3 ? 0 : m * (m - 1) * (m - 2) / 6;
    }
    case BetPlay::StraightSum: {
        const std::vector<std::uint64_t> counts = SumCounts(length);
        std::uint64_t bets = 0;
        for (std::size_t s = 0; s < counts.size(); ++s)
            bets += Picked(pick.values, static_cast<int>(s)) ? counts[s] : 0;
        return bets;
    }
    case BetPlay::GroupSum: {
        std::uint64_t bets = 0;
        for (int s = 0; s <= 27; ++s)
            bets += Picked(pick.values, s) ? GroupSumCount(s) : 0;
        return bets;
    }
    case BetPlay::StraightSpan:
    case BetPlay::GroupSpan: {
        std::uint64_t bets = 0;
        for (int k = 0; k <= 9; ++k)
            if (Picked(pick.values, k))
                bets += play == BetPlay::StraightSpan ? StraightSpanCount(k, length) : GroupSpanCount(k);
        return bets;
    }
    case BetPlay::GroupBankerDrag: {
        // One 胆 b: 组三 {b, b, x} and {b, x, x}, 组六 {b, x, y}. Two 胆 a, b:
        // 组三 {a, a, b} and {a, b, b}, 组六 {a, b, x}; x and y 拖 digits.
        const std::uint64_t drags = Bits(pick.drags);
        return Bits(pick.bankers) == 1 ? 2 * drags + Choose2(drags) : 2 + drags;
    }
    }
    return 0;
}

std::vector<std::uint32_t> BetNumbers(BetPlay play, const BetPick& pick, int length)
{
    std::vector<std::uint32_t> numbers;
    if (!Valid(play, pick, length))
        return numbers;
    ForEachNumber(length, [&](std::uint32_t code, const std::uint8_t* d) {
        if (IsBet(play, pick, d, length))
            numbers.push_back(code);
    });
    return numbers;
}

std::uint64_t BetCost(std::uint64_t bets, std::uint32_t multiple)
{
    return bets * static_cast<std::uint64_t>(kPricePerBet) * multiple;
}

std::uint64_t CountBets(BetPlay play, std::span<const std::uint16_t> positions, int length)
{
    return CountBets(play, BetPick{{positions.begin(), positions.end()}, 0, 0, 0}, length);
}

std::vector<std::uint32_t> BetNumbers(BetPlay play, std::span<const std::uint16_t> positions, int length)
{
    return BetNumbers(play, BetPick{{positions.begin(), positions.end()}, 0, 0, 0}, length);
}

} // namespace vesk::analysis
