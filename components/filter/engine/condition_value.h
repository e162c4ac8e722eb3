#pragma once
// The value of a number for one condition, exactly as the type table of the
// condition-set format defines it, and whether the condition then holds.
// This is the reference evaluation: the compiled form caches its answers in
// tables and falls back to it for single numbers.

#include "components/filter/engine/condition_set.h"
#include "components/filter/engine/history_index.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace vesk::filter {

// A condition's fields turned into what evaluation looks up. The condition
// must have passed the field checks (condition_checks.h) for length.
class PreparedCondition {
public:
    PreparedCondition(const Condition& condition, int length);

    ConditionType Type() const { return m_type; }
    int Length() const { return m_length; }
    const Condition& Source() const { return m_source; }

    // history may be null only for types that need none.
    std::int64_t ValueOf(const std::uint8_t* digits, const HistoryIndex* history) const;
    bool HoldsFor(std::int64_t value) const;
    bool Holds(const std::uint8_t* digits, const HistoryIndex* history) const
    {
        return HoldsFor(ValueOf(digits, history));
    }

    // The single numbers a List condition names (ordered list only).
    const std::vector<std::uint32_t>& ListedNumbers() const { return m_numbers; }

private:
    bool InList(const std::uint8_t* digits) const;
    int PairsContained(const std::uint8_t* digits) const;

    Condition m_source;
    ConditionType m_type;
    int m_length;
    bool m_keep;
    std::vector<std::int64_t> m_values; // ascending, each once
    std::uint16_t m_listedDigits = 0;
    std::vector<std::pair<std::uint8_t, std::uint8_t>> m_pairs; // distinct, first <= second
    std::vector<std::uint32_t> m_numbers;                      // ascending; group forms when grouped
};

} // namespace vesk::filter
