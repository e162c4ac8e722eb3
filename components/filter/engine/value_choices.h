#pragma once
// The values a condition row offers as toggles, with the labels players know
// them by (2:1 for an odd count of two in three digits, 组三 for two distinct
// digits), and the text form of values for types whose range is too wide for
// toggles (the omissions).

#include "components/filter/engine/condition_set.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::filter {

struct ValueChoice {
    std::int64_t value = 0;
    std::string label;
};

// More toggles than this do not fit a row; such types take a values text.
inline constexpr std::size_t kMaxToggles = 64;

// Every value some number of the length can have for the condition, in
// ascending order; empty when there are more than kMaxToggles (or the type
// takes no values, as a number list).
std::vector<ValueChoice> ValueChoices(const Condition& condition, int length);

// Adds the value when absent (keeping values ascending) or removes it. The
// first value given to a disabled condition without values enables it: the
// user who picks a value means the condition to count.
void ToggleValue(Condition& condition, std::int64_t value);

// Adds or removes a digit of a contains condition. The first digit given to
// a disabled condition enables it, and a condition without values then
// takes 1..length ("at least one of them"), the common meaning of 胆码.
void ToggleDigit(Condition& condition, int digit, int length);

// "0-5 8 10-12" (commas, blanks or 、 between items) → the values ascending,
// each once; nothing for text that is not such a list or a range upside down.
std::optional<std::vector<std::int64_t>> ParseValueText(std::string_view text);
// The values as ParseValueText reads them, runs of consecutive values as ranges.
std::string FormatValueText(const std::vector<std::int64_t>& values);

} // namespace vesk::filter
