#pragma once
// 状态表's column choice as the column arrangement keeps it: two option
// records of 36-byte column records (shown, hidden), each naming a value
// column by its index in analysis::kStateColumnList with its title.

#include "host/host_services.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vesk::query {

inline constexpr SlotInt kStateShownColumnsOption = 4316;
inline constexpr SlotInt kStateHiddenColumnsOption = 4317;

// The shown columns the shown record names, in its order: indices outside
// the list and repeats are dropped. Both records empty (never arranged):
// every column in the list's order; the shown one empty alone: none.
std::vector<std::size_t> ShownStateColumns(const std::string& shownRecord, const std::string& hiddenRecord);
// The records for shown and the rest (hidden, in the list's order), so that
// the arrangement sees every column of the table and no other.
std::string StateColumnRecords(const std::vector<std::size_t>& columns);
std::vector<std::size_t> HiddenStateColumns(const std::vector<std::size_t>& shown);

} // namespace vesk::query
