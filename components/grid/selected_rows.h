#pragma once
// The selected rows of the grid as sorted, disjoint runs, built from the
// selection's ranges (which may overlap or come in any order). Counting and
// finding the k-th selected row cost no more than a binary search, so a
// caller walking all k of a large selection does not pay k × k.

#include <cstdint>
#include <utility>
#include <vector>

namespace vesk::grid {

class SelectedRows {
public:
    // Inclusive (first, last) row pairs; pairs with last < first are ignored.
    explicit SelectedRows(std::vector<std::pair<std::int64_t, std::int64_t>> ranges = {});

    std::int64_t Count() const { return m_total; }
    // The k-th selected row in ascending order from 0; -1 when k is outside 0..Count()-1.
    std::int64_t Nth(std::int64_t k) const;

private:
    struct Run {
        std::int64_t first;
        std::int64_t last;
        std::int64_t before; // selected rows in the runs before this one
    };
    std::vector<Run> m_runs;
    std::int64_t m_total = 0;
};

} // namespace vesk::grid
