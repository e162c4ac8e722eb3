#pragma once
// The condition-set file: UTF-8 JSON, format "3dvesk-conditions" version 1.
// Unknown keys are refused, missing optional keys take their defaults (mode
// "keep", enabled true, errors [0, 0], name ""). Every refusal names the
// place, e.g. "groups[0].conditions[2].position: 3 is not a position of a
// 3-digit number"; a refused text yields no set at all.
//
// Choices beyond the format's own text: the fields of a type (position,
// pair, digits, pairs, numbers, group, window) are required for that type
// and refused on any other; a list takes no values; a key given twice in one
// object is refused; values, fields and errors must be JSON integers.

#include "components/filter/engine/condition_set.h"

#include <optional>
#include <string>
#include <string_view>

namespace vesk::filter {

inline constexpr std::string_view kConditionFormat = "3dvesk-conditions";
inline constexpr int kConditionFormatVersion = 1;

struct SetReadResult {
    std::optional<ConditionSet> set; // empty when refused
    std::string error;               // the place and the reason when refused
};

// gameLength 0 takes the set for whatever length it declares; 1..8 refuses
// a set for another length.
SetReadResult ReadConditionSet(std::string_view text, int gameLength = 0);

// The set as file text (UTF-8, indented, a final line break). Reading it
// back gives an equal set when the set passes the checks for its digits.
std::string WriteConditionSet(const ConditionSet& set);

} // namespace vesk::filter
