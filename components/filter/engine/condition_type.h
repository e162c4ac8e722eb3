#pragma once
// The condition types: their file ids, the names the user sees, which fields
// they carry and how the compiler can evaluate them.

#include <optional>
#include <string_view>

namespace vesk::filter {

enum class ConditionType {
    Sum, SumTail, Span, OddCount, BigCount, PrimeCount, RoadCounts, DzxCounts, DistinctCount,
    MaxDigit, MinDigit, MidDigit, Consecutive, OddPattern, BigPattern, PrimePattern, RoadPattern,
    DzxPattern, Shape, DiffCount, Position, PairSum, PairSumTail, PairDiff, Contains, Pairs, List,
    Repeat, Adjacent, RecentCount, Omission, GroupOmission, SumOmission,
};

inline constexpr int kConditionTypeCount = static_cast<int>(ConditionType::SumOmission) + 1;

// The field a type carries besides values, mode and enabled.
enum class TypeField { None, Position, Pair, Digits, Pairs, Numbers, Window };

// What the value depends on, which decides how a set compiles.
enum class ValueBasis {
    Multiset, // the digits regardless of order (and the history)
    Ordered,  // the digits in their places, through a small table per place
    Listed,   // a few single numbers differ from all the others
};

struct TypeInfo {
    ConditionType type;
    std::string_view id;   // as in the file
    std::string_view name; // as the user sees it
    TypeField field;
    ValueBasis basis;
    bool needsHistory;
};

const TypeInfo& InfoOf(ConditionType type);
std::optional<ConditionType> TypeOfId(std::string_view id);

} // namespace vesk::filter
