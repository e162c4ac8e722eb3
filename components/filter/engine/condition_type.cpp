#include "components/filter/engine/condition_type.h"

#include <array>

namespace vesk::filter {

namespace {

using T = ConditionType;
using F = TypeField;
using B = ValueBasis;

// In the order of the enumeration, so a type indexes its own entry.
constexpr std::array<TypeInfo, kConditionTypeCount> kTypes{{
    {T::Sum, "sum", "和值", F::None, B::Multiset, false},
    {T::SumTail, "sum-tail", "和尾", F::None, B::Multiset, false},
    {T::Span, "span", "跨度", F::None, B::Multiset, false},
    {T::OddCount, "odd-count", "奇偶比", F::None, B::Multiset, false},
    {T::BigCount, "big-count", "大小比", F::None, B::Multiset, false},
    {T::PrimeCount, "prime-count", "质合比", F::None, B::Multiset, false},
    {T::RoadCounts, "road-counts", "012路比", F::None, B::Multiset, false},
    {T::DzxCounts, "dzx-counts", "大中小比", F::None, B::Multiset, false},
    {T::DistinctCount, "distinct-count", "形态", F::None, B::Multiset, false},
    {T::MaxDigit, "max-digit", "最大数字", F::None, B::Multiset, false},
    {T::MinDigit, "min-digit", "最小数字", F::None, B::Multiset, false},
    {T::MidDigit, "mid-digit", "中间数字", F::None, B::Multiset, false},
    {T::Consecutive, "consecutive", "连号", F::None, B::Multiset, false},
    {T::OddPattern, "odd-pattern", "奇偶形态", F::None, B::Ordered, false},
    {T::BigPattern, "big-pattern", "大小形态", F::None, B::Ordered, false},
    {T::PrimePattern, "prime-pattern", "质合形态", F::None, B::Ordered, false},
    {T::RoadPattern, "road-pattern", "012路形态", F::None, B::Ordered, false},
    {T::DzxPattern, "dzx-pattern", "大中小形态", F::None, B::Ordered, false},
    {T::Shape, "shape", "升降形态", F::None, B::Ordered, false},
    {T::DiffCount, "diff-count", "差值个数", F::None, B::Multiset, false},
    {T::Position, "position", "定位", F::Position, B::Ordered, false},
    {T::PairSum, "pair-sum", "两码和", F::Pair, B::Ordered, false},
    {T::PairSumTail, "pair-sum-tail", "两码和尾", F::Pair, B::Ordered, false},
    {T::PairDiff, "pair-diff", "两码差", F::Pair, B::Ordered, false},
    {T::Contains, "contains", "胆码", F::Digits, B::Multiset, false},
    {T::Pairs, "pairs", "两码组合", F::Pairs, B::Multiset, false},
    {T::List, "list", "号码组", F::Numbers, B::Listed, false},
    {T::Repeat, "repeat", "重号", F::None, B::Multiset, true},
    {T::Adjacent, "adjacent", "邻号", F::None, B::Multiset, true},
    {T::RecentCount, "recent-count", "冷热", F::Window, B::Multiset, true},
    {T::Omission, "omission", "遗漏", F::None, B::Listed, true},
    {T::GroupOmission, "group-omission", "组选遗漏", F::None, B::Multiset, true},
    {T::SumOmission, "sum-omission", "和值遗漏", F::None, B::Multiset, true},
}};

constexpr bool InEnumOrder()
{
    for (int i = 0; i < kConditionTypeCount; ++i)
        if (static_cast<int>(kTypes[static_cast<std::size_t>(i)].type) != i)
            return false;
    return true;
}
static_assert(InEnumOrder());

} // namespace

const TypeInfo& InfoOf(ConditionType type)
{
    return kTypes[static_cast<std::size_t>(type)];
}

std::optional<ConditionType> TypeOfId(std::string_view id)
{
    for (const TypeInfo& info : kTypes)
        if (info.id == id)
            return info.type;
    return std::nullopt;
}

} // namespace vesk::filter
