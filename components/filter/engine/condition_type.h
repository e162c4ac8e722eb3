#pragma once
// The condition types: their file ids, the names the user sees, which fields
// they carry and how the compiler can evaluate them.
//
// Adding a type: append it to ConditionType (the order is not stored, but the
// id is: an id once written in a condition-set file never changes), then give
// it each of its places:
//   1. its row in kTypes (condition_type.cpp): id, name, field, basis, history;
//   2. its value function: PreparedCondition::ValueOf (condition_value.cpp), and
//      its compiled form where the basis needs one (compiled_condition.cpp);
//   3. its range: BoundsOf and IsPossibleValue (condition_checks.cpp), the one
//      place a type's values are bounded;
//   4. the values its row offers and their labels: CandidateValues and LabelOf
//      (value_choices.cpp);
//   5. a new condition of the type, as the window adds it: NewCondition
//      (component/set_edits.cpp), and its name in the report: ConditionName
//      (component/report_text.cpp);
//   6. its row in the window: condition_row.cpp, only for a new kind of field;
//   7. its omission family when it needs neither field nor history:
//      MakeTypeFamily (features/analysis/family_builders.cpp);
//   8. the engine tests' independent evaluator (tests/filter_engine/oracle.cpp).
// tests/components/filter/condition_type_places_test.cpp fails for a type
// that lacks one of 1 to 7.

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
