#pragma once
// 偏态搜索: the items whose omission stands out, over several families at
// once. An item is listed when its 欲出几率 reaches the ratio threshold, or
// when its current run is at least a share of its longest run of the window
// (share 1: the current run is the longest, 当前遗漏 = 最大遗漏 > 0). Each
// predicate is listed once, under the first family that has it: two items
// are the same predicate when the same numbers of the space satisfy them.

#include "components/features/analysis/omission_table.h"

#include <span>
#include <vector>

namespace vesk::analysis {

struct SkewThresholds {
    Figure minRatio{2, 1};      // 欲出几率 at least this
    Figure minShareOfMax{1, 1}; // or 当前遗漏 >= this · 最大遗漏, 最大遗漏 > 0
};

struct SkewRow {
    std::size_t family = 0; // index into the families searched
    OmissionRow row;
};

struct SkewResult {
    std::size_t historySize = 0;
    std::size_t window = 0;
    std::size_t searched = 0; // distinct predicates looked at
    std::vector<SkewRow> rows; // 欲出几率 highest first; ties by family, then item order
};

// families: in the order that decides which of two equal predicates is kept.
SkewResult SearchSkew(std::span<const Family* const> families, std::span<const std::uint32_t> draws, std::size_t last,
                      const SkewThresholds& thresholds = {});

} // namespace vesk::analysis
