#pragma once
// The items of one print job as the slots hand them in: Begin fixes the count
// and the kind, SetItem fills the items by index. Items never set print as
// blank cells, so a job always prints in its full count and order.

#include <cstdint>
#include <string>
#include <vector>

namespace vesk::other {

// The one kind this component prints: a list of lottery numbers, one item
// per number, laid out in columns. The module passes it for both of its
// prints (the editor's and the result list's).
inline constexpr std::intptr_t kPrintKindNumbers = 3;
// More items than any list of the 7-digit game holds is a caller's error.
inline constexpr std::intptr_t kMaxPrintItems = 10'000'000;

class PrintJob {
public:
    // Starts a new job of count items; false (and no job) for a count outside
    // 1..kMaxPrintItems or a kind other than kPrintKindNumbers.
    bool Begin(std::intptr_t count, std::intptr_t kind);
    // Sets item index (UTF-8); false without a job, for an index outside the
    // job or a null text.
    bool SetItem(std::intptr_t index, const char* text);

    bool Started() const { return !m_items.empty(); }
    const std::vector<std::string>& Items() const { return m_items; }
    // Bytes of the longest item, for the column width.
    std::size_t LongestItem() const;

private:
    std::vector<std::string> m_items;
};

} // namespace vesk::other
