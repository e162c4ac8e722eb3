#pragma once
// The attribute set of the 3-digit game, the host's answer to the attribute
// columns of the result grids. Index k is the column's attribute index:
//
//   k  title     value for digits (h, t, u)
//   0  和值      h + t + u                              0..27
//   1  跨度      largest digit - smallest digit          0..9
//   2  和尾      (h + t + u) mod 10                      0..9
//   3  奇数      how many digits are odd                 0..3
//   4  大数      how many digits are 5..9                0..3
//   5  质数      how many digits are 1, 2, 3, 5 or 7     0..3
//   6  形态      1 豹子 (aaa), 3 组三 (aab), 6 组六 (abc)
//   7  012路     (h mod 3, t mod 3, u mod 3) read as a 3-digit number, e.g. 120
//   8  遗漏      draws since this number last came out   } from the draw history;
//   9  组选遗漏  draws since its group last came out     } -1 while there is
//  10  和值遗漏  draws since its sum last came out       } no history
//
// How the module's selectors reach these indices is in attribute_selectors.h.

#include <array>
#include <cstdint>
#include <string_view>

namespace vesk {
class DrawHistory;
}

namespace vesk {

enum class Attribute : int {
    Sum = 0,
    Span,
    SumTail,
    OddCount,
    BigCount,
    PrimeCount,
    Form,
    Road,
    NumberOmission,
    GroupOmission,
    SumOmission,
};
inline constexpr int kAttributeCount = 11;

using Digits3 = std::array<std::uint8_t, 3>;

// The UTF-8 column title of an attribute index (0..10), empty for others.
std::string_view AttributeTitle(int index);

// The value of one attribute; history may be null (the omissions are then -1).
// Digits above 9 are the caller's error and give 0.
int AttributeValue(Attribute attribute, const Digits3& digits, const DrawHistory* history);

} // namespace vesk
