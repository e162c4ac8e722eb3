#include "components/features/analysis/tools/bet_calculator.h"

#include "components/features/analysis/family.h"
#include "components/filter/engine/digits.h"

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

bool Valid(BetPlay play, std::span<const std::uint16_t> positions, int length)
{
    if (length < 1 || length > 8)
        return false;
    if (play == BetPlay::StraightPositions)
        return positions.size() == static_cast<std::size_t>(length);
    if ((play == BetPlay::Group3 || play == BetPlay::Group6) && length != 3)
        return false;
    return !positions.empty();
}

// Whether the number's digits make a bet of the play.
bool IsBet(BetPlay play, std::span<const std::uint16_t> positions, const std::uint8_t* d, int length)
{
    if (play == BetPlay::StraightPositions) {
        for (int p = 0; p < length; ++p)
            if (!(positions[static_cast<std::size_t>(p)] >> d[p] & 1))
                return false;
        return true;
    }
    const std::uint16_t digits = filter::DigitMask(d, length);
    if ((digits & ~positions[0]) != 0)
        return false;
    if (play == BetPlay::StraightSet)
        return true;
    // Group plays list each group once, as its digits ascending.
    for (int p = 1; p < length; ++p)
        if (d[p - 1] > d[p])
            return false;
    const int kinds = std::popcount(digits);
    return play == BetPlay::Group3 ? kinds == 2 : kinds == 3;
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

std::uint64_t CountBets(BetPlay play, std::span<const std::uint16_t> positions, int length)
{
    if (!Valid(play, positions, length))
        return 0;
    const auto m = static_cast<std::uint64_t>(std::popcount(static_cast<std::uint16_t>(positions[0] & 0x3FF)));
    switch (play) {
    case BetPlay::StraightPositions: {
        std::uint64_t bets = 1;
        for (std::uint16_t mask : positions)
            bets *= static_cast<std::uint64_t>(std::popcount(static_cast<std::uint16_t>(mask & 0x3FF)));
        return bets;
    }
    case BetPlay::StraightSet:
        return Power(m, length);
    case BetPlay::Group3:
        return m < 2 ? 0 : m * (m - 1);
    case BetPlay::Group6:
        return m < 3 ? 0 : m * (m - 1) * (m - 2) / 6;
    }
    return 0;
}

std::vector<std::uint32_t> BetNumbers(BetPlay play, std::span<const std::uint16_t> positions, int length)
{
    std::vector<std::uint32_t> numbers;
    if (!Valid(play, positions, length))
        return numbers;
    ForEachNumber(length, [&](std::uint32_t code, const std::uint8_t* d) {
        if (IsBet(play, positions, d, length))
            numbers.push_back(code);
    });
    return numbers;
}

} // namespace vesk::analysis
