#pragma once
// A condition set as the user edits it and as its file holds it: groups of
// conditions, each group with its allowed errors. Plain data; reading,
// checking and compiling live beside it.

#include "components/filter/engine/condition_type.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vesk::filter {

enum class Mode { Keep, Exclude };

struct Condition {
    ConditionType type = ConditionType::Sum;
    // The allowed values, as the user listed them (order and repeats kept so
    // that a set reads back as it was written). Unused by List.
    std::vector<std::int64_t> values;
    Mode mode = Mode::Keep;
    bool enabled = true;

    // Fields of some types only; FieldsOf(type) says which.
    int position = 0;                  // Position
    std::array<int, 2> pair{0, 1};     // PairSum, PairSumTail, PairDiff
    std::vector<int> digits;           // Contains
    std::vector<std::string> pairs;    // Pairs: two digit characters each
    std::vector<std::string> numbers;  // List: digit strings of the set's length
    bool group = false;                // List
    int window = 1;                    // RecentCount

    friend bool operator==(const Condition&, const Condition&) = default;
};

struct Group {
    std::string name;
    bool enabled = true;
    int minErrors = 0;
    int maxErrors = 0;
    std::vector<Condition> conditions;

    friend bool operator==(const Group&, const Group&) = default;
};

struct ConditionSet {
    int digits = 3;
    std::vector<Group> groups;
    // Result numbers kept with a saved set, when it holds any.
    std::optional<std::vector<std::string>> results;

    friend bool operator==(const ConditionSet&, const ConditionSet&) = default;
};

} // namespace vesk::filter
