#pragma once
// What a feature window's hand-off does to the workbench's result list: the
// user picks 替换, 追加 or 交集 beside the send button. The sender works out
// the whole new list from the workbench's current one, so that the
// workbench receives one list (one undo step), and says what happened in
// the host's status bar.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vesk::analysis {

enum class HandOffMode { Replace, Append, Intersect };

inline constexpr HandOffMode kHandOffModes[] = {HandOffMode::Replace, HandOffMode::Append, HandOffMode::Intersect};

// "替换", "追加", "交集".
const char* HandOffModeName(HandOffMode mode);

struct HandOffPlan {
    std::vector<std::uint32_t> numbers; // the list the workbench is to hold
    std::size_t added = 0;              // numbers of sent not in the current list (append)
};

// Replace: sent as it is. Append: current, then the numbers of sent it does
// not hold yet, in sent's order, each once. Intersect: the numbers of
// current that sent holds too, in current's order.
HandOffPlan PlanHandOff(HandOffMode mode, const std::vector<std::uint32_t>& current,
                        const std::vector<std::uint32_t>& sent);

// The status line after the hand-off; total is what the list then holds.
std::string HandOffStatus(HandOffMode mode, std::size_t added, std::size_t total);
// The status line when an intersection leaves nothing and the list stays.
std::string EmptyIntersectionStatus(std::size_t kept);

} // namespace vesk::analysis
