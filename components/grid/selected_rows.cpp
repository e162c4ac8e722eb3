#include "components/grid/selected_rows.h"

#include <algorithm>

namespace vesk::grid {

SelectedRows::SelectedRows(std::vector<std::pair<std::int64_t, std::int64_t>> ranges)
{
    std::erase_if(ranges, [](const auto& range) { return range.second < range.first; });
    std::sort(ranges.begin(), ranges.end());
    for (const auto& [first, last] : ranges) {
        if (!m_runs.empty() && first <= m_runs.back().last + 1) {
            Run& run = m_runs.back();
            if (last > run.last) {
                m_total += last - run.last;
                run.last = last;
            }
            continue;
        }
        m_runs.push_back({first, last, m_total});
        m_total += last - first + 1;
    }
}

std::int64_t SelectedRows::Nth(std::int64_t k) const
{
    if (k < 0 || k >= m_total)
        return -1;
    // The last run that starts at or before the k-th selected row.
    const auto run = std::upper_bound(m_runs.begin(), m_runs.end(), k,
                                      [](std::int64_t key, const Run& r) { return key < r.before; }) - 1;
    return run->first + (k - run->before);
}

} // namespace vesk::grid
