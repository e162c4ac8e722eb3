#include "filtering/grouping/digit_categories.h"

#include <initializer_list>

namespace vesk {

namespace {

constexpr DigitFlags Digits(std::initializer_list<int> members)
{
    DigitFlags flags {};
    for (const int digit : members)
        flags[static_cast<std::size_t>(digit)] = 1;
    return flags;
}

// 质数 counts 1 as prime and 合数 holds 0, as the users of this table know them.
constexpr std::array<DigitCategory, kCategoryCount> kCategories { {
    { "全部", Digits({ 0, 1, 2, 3, 4, 5, 6, 7, 8, 9 }) },
    { "0路", Digits({ 0, 3, 6, 9 }) },
    { "1路", Digits({ 1, 4, 7 }) },
    { "2路", Digits({ 2, 5, 8 }) },
    { "01路", Digits({ 0, 1, 3, 4, 6, 7, 9 }) },
    { "02路", Digits({ 0, 2, 3, 5, 6, 8, 9 }) },
    { "12路", Digits({ 1, 2, 4, 5, 7, 8 }) },
    { "大数", Digits({ 5, 6, 7, 8, 9 }) },
    { "小数", Digits({ 0, 1, 2, 3, 4 }) },
    { "奇数", Digits({ 1, 3, 5, 7, 9 }) },
    { "偶数", Digits({ 0, 2, 4, 6, 8 }) },
    { "大奇", Digits({ 5, 7, 9 }) },
    { "小奇", Digits({ 1, 3 }) },
    { "大偶", Digits({ 6, 8 }) },
    { "小偶", Digits({ 0, 2, 4 }) },
    { "D数", Digits({ 7, 8, 9 }) },
    { "Z数", Digits({ 3, 4, 5, 6 }) },
    { "X数", Digits({ 0, 1, 2 }) },
    { "DZ数", Digits({ 3, 4, 5, 6, 7, 8, 9 }) },
    { "DX数", Digits({ 0, 1, 2, 7, 8, 9 }) },
    { "ZX数", Digits({ 0, 1, 2, 3, 4, 5, 6 }) },
    { "质数", Digits({ 1, 2, 3, 5, 7 }) },
    { "合数", Digits({ 0, 4, 6, 8, 9 }) },
} };

} // namespace

const std::array<DigitCategory, kCategoryCount>& DigitCategories()
{
    return kCategories;
}

int MatchingCategory(const DigitFlags& digits)
{
    DigitFlags normalised {};
    for (std::size_t d = 0; d < digits.size(); ++d)
        normalised[d] = digits[d] ? 1 : 0;
    for (int row = 0; row < kCategoryCount; ++row) {
        if (kCategories[static_cast<std::size_t>(row)].digits == normalised)
            return row + 1;
    }
    return 0;
}

DigitFlags CategoryDigits(int boxIndex)
{
    if (boxIndex < 1 || boxIndex > kCategoryCount)
        return {};
    return kCategories[static_cast<std::size_t>(boxIndex - 1)].digits;
}

} // namespace vesk
