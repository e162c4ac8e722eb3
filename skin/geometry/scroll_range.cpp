#include "skin/geometry/scroll_range.h"

#include <algorithm>
#include <cstdint>

namespace vesk::skin {

int effectiveMax(const ScrollRange& range)
{
    const std::int64_t page = std::max<std::int64_t>(range.page, 1);
    return static_cast<int>(std::max<std::int64_t>(range.min, std::int64_t{range.max} - page + 1));
}

int clampScrollPos(const ScrollRange& range, int pos)
{
    return std::max(range.min, std::min(pos, effectiveMax(range)));
}

bool applyScrollInfo(ScrollRange& range, const ScrollInfoUpdate& update)
{
    const ScrollRange before = range;
    if (update.setRange) {
        range.min = update.min;
        range.max = std::max(update.min, update.max);
    }
    if (update.setPage) {
        const std::int64_t units = std::int64_t{range.max} - range.min + 1;
        range.page = static_cast<unsigned>(std::min<std::int64_t>(update.page, units));
    }
    if (update.setPos)
        range.pos = clampScrollPos(range, update.pos);
    return range.min != before.min || range.max != before.max || range.page != before.page;
}

} // namespace vesk::skin
