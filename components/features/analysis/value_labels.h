#pragma once
// A value type's values as the condition window shows them (2:1, 组三,
// 奇偶奇, 凸) and read back from that text. The labels are the condition
// window's own, so a value reads the same in every window.

#include "components/filter/engine/condition_set.h"

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::analysis {

class ValueLabels {
public:
    // condition: the type and its fields (values are ignored); length 1..8.
    ValueLabels(const filter::Condition& condition, int length);

    // The label of value; the decimal value for a type too wide for labels.
    std::string Text(std::int64_t value) const;
    // The value a label (or, for any type, its decimal value) names;
    // nothing for text that is neither, or a value no number can have.
    std::optional<std::int64_t> Parse(std::string_view text) const;

private:
    filter::Condition m_condition;
    int m_length;
    std::map<std::int64_t, std::string> m_labels;
};

// A list of labels separated by blanks, commas or 、 as values. On a token
// that names no value, error says which token and why (and nothing is
// returned).
std::optional<std::vector<std::int64_t>> ParseValueList(const ValueLabels& labels, std::string_view text,
                                                        std::string& error);
// The values as ParseValueList reads them, one blank between labels.
std::string ValueListText(const ValueLabels& labels, const std::vector<std::int64_t>& values);

// Splits text at the separators number entry takes (blanks, line breaks,
// , ; | / and the full-width ，；、 and ideographic space); empty tokens
// are dropped.
std::vector<std::string_view> SplitTokens(std::string_view text);

} // namespace vesk::analysis
