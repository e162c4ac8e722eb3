#pragma once
// Small helpers shared by the number tests: lists from text and back.

#include "numbers/number_list.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::test {

inline NumberList ListOf(std::string_view text, int length = 3)
{
    NumberList list(length);
    list.ParseText(text, length, false);
    return list;
}

inline std::vector<std::string> Texts(NumberList& list)
{
    std::vector<std::string> texts;
    for (std::uint32_t i = 0; i < list.Count(); ++i)
        texts.emplace_back(list.ToText(i));
    return texts;
}

using Strings = std::vector<std::string>;

// What parsing must give, byte by byte: every length ASCII digits in a row,
// whatever stands between them, form a number; a final short group is
// dropped. Sorted and unique when dedupe is set.
inline Strings ExpectedNumbers(std::string_view text, int length, bool dedupe)
{
    std::string digits;
    for (char c : text) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    const auto step = static_cast<std::size_t>(length);
    Strings numbers;
    for (std::size_t i = 0; i + step <= digits.size(); i += step)
        numbers.push_back(digits.substr(i, step));
    if (dedupe) {
        std::sort(numbers.begin(), numbers.end());
        numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    }
    return numbers;
}

} // namespace vesk::test
