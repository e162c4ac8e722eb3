#include "components/other/print_job.h"

#include <algorithm>

namespace vesk::other {

bool PrintJob::Begin(std::intptr_t count, std::intptr_t kind)
{
    m_items.clear();
    if (kind != kPrintKindNumbers || count < 1 || count > kMaxPrintItems)
        return false;
    m_items.assign(static_cast<std::size_t>(count), std::string{});
    return true;
}

bool PrintJob::SetItem(std::intptr_t index, const char* text)
{
    if (!text || index < 0 || static_cast<std::size_t>(index) >= m_items.size())
        return false;
    m_items[static_cast<std::size_t>(index)] = text;
    return true;
}

std::size_t PrintJob::LongestItem() const
{
    std::size_t longest = 0;
    for (const std::string& item : m_items)
        longest = std::max(longest, item.size());
    return longest;
}

} // namespace vesk::other
