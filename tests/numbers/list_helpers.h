#pragma once
// Small helpers shared by the number tests: lists from text and back.

#include "numbers/number_list.h"

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

} // namespace vesk::test
