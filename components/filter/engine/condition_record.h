#pragma once
// Each condition's own record over the back-test's judged draws, beside
// what chance gives it: users trust a condition by how often it was right,
// and that means little without the share of all numbers it keeps.
//
// For every enabled condition of every enabled group (in file order), then
// every enabled group, then the whole set, over the same judged draws as
// the back-test (each with only the draws before it):
//   kept        judged draws it keeps: a condition keeps a draw that passes
//               it alone, whether or not its group forgave it; a group keeps
//               a draw whose errors are within its allowed errors
//   keptNumbers the sum over the judged draws of the numbers of the space it
//               keeps at that draw; the baseline is keptNumbers over
//               judged * 10^L, the chance it keeps a random draw
//   currentCut  the run of newest judged draws it cuts (0 when it kept the
//               newest); longestCut the longest such run

#include "components/filter/engine/backtest.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vesk::filter {

enum class RecordItem { Condition, Group, Set };

struct ConditionRecord {
    RecordItem item = RecordItem::Set;
    ConditionRef ref;              // the group (and condition) in the set, counted from 0
    std::uint64_t kept = 0;
    std::uint64_t keptNumbers = 0;
    std::uint64_t currentCut = 0;
    std::uint64_t longestCut = 0;
};

struct ConditionRecords {
    bool ok = false;
    std::string error; // why the set or a draw was refused
    std::uint64_t judged = 0;
    std::uint64_t spaceSize = 0;
    std::vector<ConditionRecord> records; // conditions, groups, then the set
};

// As Backtest takes them.
ConditionRecords RecordConditions(const ConditionSet& set, int length, std::span<const std::uint32_t> draws,
                                  std::size_t last);

// The exact one-sided chance of a record at least as good: P(X >= kept) for
// X binomial with judged trials at the baseline rounded half up to four
// decimals, as it is printed, so that a reader can check it; 1 when nothing
// was judged.
double RecordPValue(const ConditionRecord& record, std::uint64_t judged, std::uint64_t spaceSize);

// "2.3" for a condition, "2" for a group, "set": counted from 1.
std::string RecordName(const ConditionRecord& record);

} // namespace vesk::filter
