#include "numbers/match_expansion.h"

#include "numbers/number_length.h"

#include <array>
#include <new>
#include <vector>

namespace vesk {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

} // namespace

MatchExpansion ExpandMatch(std::string_view text, char match, int length)
{
    MatchExpansion result;
    if (!IsValidNumberLength(length)) {
        result.refusal = MatchRefusal::BadLength;
        result.error = "the number length must be 1 to 8";
        return result;
    }
    if (IsDigit(match) || match == '\0') {
        result.refusal = MatchRefusal::DigitMatch;
        result.error = "the match character must not be a digit";
        return result;
    }
    std::string kept;
    for (char c : text) {
        if (IsDigit(c) || c == match)
            kept += c;
    }
    const std::size_t groups = kept.size() / static_cast<std::size_t>(length);
    kept.resize(groups * static_cast<std::size_t>(length));

    // Size first, so a huge expansion is refused before memory is spent.
    std::uint64_t total = 0;
    for (std::size_t g = 0; g < groups; ++g) {
        std::uint64_t copies = 1;
        for (int p = 0; p < length; ++p)
            copies *= kept[g * static_cast<std::size_t>(length) + static_cast<std::size_t>(p)] == match ? 10 : 1;
        total += copies;
        if (total > kMaxExpandedNumbers) {
            result.refusal = MatchRefusal::TooMany;
            result.error = "the match characters would make more than "
                + std::to_string(kMaxExpandedNumbers) + " numbers";
            return result;
        }
    }
    try {
        result.digits.reserve(total * static_cast<std::uint64_t>(length));
    } catch (const std::bad_alloc&) {
        result.refusal = MatchRefusal::OutOfMemory;
        result.error = "not enough memory for the expanded numbers";
        return result;
    }
    std::array<int, kMaxNumberLength> wild{};
    for (std::size_t g = 0; g < groups; ++g) {
        std::string number = kept.substr(g * static_cast<std::size_t>(length), static_cast<std::size_t>(length));
        int wildCount = 0;
        for (int p = 0; p < length; ++p) {
            if (number[static_cast<std::size_t>(p)] == match) {
                wild[static_cast<std::size_t>(wildCount++)] = p;
                number[static_cast<std::size_t>(p)] = '0';
            }
        }
        // An odometer over the match positions, the last one turning fastest.
        while (true) {
            result.digits += number;
            int w = wildCount - 1;
            while (w >= 0) {
                char& digit = number[static_cast<std::size_t>(wild[static_cast<std::size_t>(w)])];
                if (digit != '9') {
                    ++digit;
                    break;
                }
                digit = '0';
                --w;
            }
            if (w < 0)
                break;
        }
    }
    result.ok = true;
    result.numbers = total;
    return result;
}

} // namespace vesk
