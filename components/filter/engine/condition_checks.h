#pragma once
// The checks a condition's fields and values must pass for a number length,
// shared by the file reader (which names the place in the file) and the
// check before a run (which tells the user in Chinese).

#include "components/filter/engine/condition_set.h"

#include <optional>
#include <string>

namespace vesk::filter {

struct FieldIssue {
    std::string key;     // the faulty key below the condition, e.g. "values[3]", "position"
    std::string english; // e.g. "3 is not a position of a 3-digit number"
    std::string chinese; // e.g. "位置 3 超出 3 位号码的范围"
};

// The first fault of the condition's fields or values for length (1..8);
// nothing when it has none.
std::optional<FieldIssue> CheckCondition(const Condition& condition, int length);

// The smallest and largest value a condition of its type can hold for
// numbers of the length: the one place each type's range is written, read by
// the file check and by the window's toggles. Patterns and class counts lie
// within their bounds, but not every value between is one (IsPossibleValue).
struct ValueBounds {
    std::int64_t low;
    std::int64_t high;
};
ValueBounds BoundsOf(const Condition& condition, int length);

// True when some number of the length can have value for the condition
// (omissions: any count a history can give).
bool IsPossibleValue(const Condition& condition, int length, std::int64_t value);

// A digit string of exactly length ASCII digits.
bool IsNumberText(const std::string& text, std::size_t length);

} // namespace vesk::filter
