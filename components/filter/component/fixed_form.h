#pragma once
// The fixed page's form: one row per common condition type over the set's
// single group, then the conditions of a loaded set that no row took (其他条件).
//
// Every condition of group 0 carries an id for as long as the form lives,
// and every line of the page (row or other) stands for one id. A row's id is
// the row's own; an other's is never given out again, so a line whose
// condition was removed finds nothing instead of another condition. A row gets its condition at its first edit and keeps
// it: no edit hands it to another row, and a row without values keeps its
// condition, inactive, with the mode and fields the user chose. An untouched
// form is an empty set.

#include "components/filter/engine/condition_set.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vesk::filter {

struct FixedRow {
    std::string label;
    ConditionType type = ConditionType::Sum;
    int position = 0;  // Position rows
    bool kill = false; // the 杀号 row: contains with values [0]
};

// The rows for a game length, in the order the form shows them.
std::vector<FixedRow> FixedRows(int length);

class FixedForm {
public:
    using Id = std::uint64_t;

    explicit FixedForm(int length);

    // Takes a set from outside (restored or loaded): each row takes the
    // first condition of its kind, the others keep their order under new ids.
    void Adopt(const ConditionSet& set);
    // Whether the form stands for the set: one id per condition of group 0,
    // each row's of the row's type (and place). A set replaced from outside
    // mostly does not fit, and is adopted again.
    bool Fits(const ConditionSet& set) const;

    const std::vector<FixedRow>& Rows() const { return m_rows; }
    Id RowId(std::size_t row) const { return row + 1; }
    // What a row shows before it has a condition, and what it gets at its
    // first edit: the defaults of a new condition (as the combined page
    // adds it) with the row's fields.
    Condition Fresh(std::size_t row) const;
    // The ids of the conditions no row owns, in the set's order.
    std::vector<Id> Others() const;

    // Where the condition of id is in group 0, or nothing.
    std::optional<std::size_t> IndexOf(Id id) const;
    const Condition* Find(const ConditionSet& set, Id id) const;
    // The condition of id. A row without one gets a new one (disabled,
    // without values, its row's fields) at the end of group 0, group 0
    // made when missing. Null for an other that is gone, or a set the form
    // does not fit.
    Condition* Get(ConditionSet& set, Id id);
    // Removes the condition of id; false when there is none.
    bool Remove(ConditionSet& set, Id id);

private:
    bool IsRow(Id id) const { return id >= 1 && id <= m_rows.size(); }

    std::vector<FixedRow> m_rows;
    std::vector<Id> m_ids; // per condition of group 0
    Id m_next;
};

} // namespace vesk::filter
