#pragma once
// Whether "due" items come more often than their chance: over the window,
// each draw is looked at with the 欲出几率 every item had before it (the
// draws before it only), and the items at or above a level are counted,
// with how many of them the draw then satisfied and the mean probability
// of those items. A user sees that a high 欲出几率 does not make an item
// come: the draws are independent.

#include "components/features/analysis/family.h"
#include "components/features/analysis/figure.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace vesk::analysis {

struct DueLevelCheck {
    std::int64_t level = 1;  // 欲出几率 at least this
    std::int64_t cases = 0;  // (draw, item) pairs at or above the level
    std::int64_t came = 0;   // of them, the draw satisfied the item
    Figure rate;             // came / cases; 0 when there are none
    Figure chance;           // the mean probability of those items
};

struct DueCheck {
    DueLevelCheck atLeastOne;
    DueLevelCheck atLeastTwo;
};

// The window's last n = min(N, H) draws (last 0: every draw); listed items
// only (0 < p < 1). draws: oldest first; a code outside the family's space
// is skipped as if absent, as the omission table does.
DueCheck CheckDue(const Family& family, std::span<const std::uint32_t> draws, std::size_t last);

// "欲出几率≥1 的项下一期出现 50/1800 次 2.8%，平均概率 2.7%；≥2：…", each with
// the few-draws note below 30 cases.
std::string DueCheckText(const DueCheck& check);

} // namespace vesk::analysis
