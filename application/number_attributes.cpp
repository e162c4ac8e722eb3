#include "application/number_attributes.h"

#include "numbers/draw_history.h"
#include "application/group_codes.h"

#include <algorithm>

namespace vesk {
namespace {

constexpr std::array<std::string_view, kAttributeCount> kTitles = {
    "和值", "跨度", "和尾", "奇数", "大数", "质数", "形态", "012路", "遗漏", "组选遗漏", "和值遗漏",
};

int CountDigits(const Digits3& d, bool (*test)(int))
{
    return static_cast<int>(std::count_if(d.begin(), d.end(), [test](std::uint8_t v) { return test(v); }));
}

int Form(const Digits3& d)
{
    const bool ab = d[0] == d[1], bc = d[1] == d[2], ac = d[0] == d[2];
    if (ab && bc)
        return 1;
    return (ab || bc || ac) ? 3 : 6;
}

} // namespace

std::string_view AttributeTitle(int index)
{
    return index >= 0 && index < kAttributeCount ? kTitles[static_cast<std::size_t>(index)] : std::string_view{};
}

int AttributeValue(Attribute attribute, const Digits3& d, const DrawHistory* history)
{
    if (std::any_of(d.begin(), d.end(), [](std::uint8_t v) { return v > 9; }))
        return 0;
    const int sum = d[0] + d[1] + d[2];
    const int code = d[0] * 100 + d[1] * 10 + d[2];
    switch (attribute) {
    case Attribute::Sum:
        return sum;
    case Attribute::Span:
        return *std::max_element(d.begin(), d.end()) - *std::min_element(d.begin(), d.end());
    case Attribute::SumTail:
        return sum % 10;
    case Attribute::OddCount:
        return CountDigits(d, [](int v) { return v % 2 == 1; });
    case Attribute::BigCount:
        return CountDigits(d, [](int v) { return v >= 5; });
    case Attribute::PrimeCount:
        return CountDigits(d, [](int v) { return v == 1 || v == 2 || v == 3 || v == 5 || v == 7; });
    case Attribute::Form:
        return Form(d);
    case Attribute::Road:
        return (d[0] % 3) * 100 + (d[1] % 3) * 10 + d[2] % 3;
    case Attribute::NumberOmission:
        return history ? history->NumberOmission(code) : -1;
    case Attribute::GroupOmission:
        return history ? history->GroupOmission(GroupCode(code)) : -1;
    case Attribute::SumOmission:
        return history ? history->SumOmission(sum) : -1;
    }
    return 0;
}

} // namespace vesk
