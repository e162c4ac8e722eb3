#include "skin/geometry/scroll_paint_layout.h"

namespace vesk::skin {

int arrowCellOffset(const ScrollPaintState& state, ScrollPart arrow)
{
    if (!state.enabled)
        return 48;
    if (arrow == state.part) {
        if (state.pressed)
            return 32;
        if (state.hot)
            return 16;
    }
    return 0;
}

int thumbStateIndex(const ScrollPaintState& state)
{
    if (state.part != ScrollPart::Thumb)
        return 0;
    if (state.pressed)
        return 2;
    return state.hot ? 1 : 0;
}

bool paintsThumb(const ScrollGeometry& geometry, bool enabled)
{
    return enabled && geometry.length() > 30 && !isEmpty(geometry.thumb);
}

CapOffsets thumbCapOffsets(bool vertical, int stateIndex)
{
    const int cell = vertical ? 0 : 7 * stateIndex;
    return {cell, cell + 4};
}

Rect gripRect(const ScrollGeometry& geometry)
{
    constexpr int kGripLength = 20;
    const Rect& thumb = geometry.thumb;
    const int thumbLength = alongEnd(geometry, thumb) - alongStart(geometry, thumb);
    if (isEmpty(thumb) || thumbLength < 26)
        return Rect{};
    const int start = alongStart(geometry, thumb) + (thumbLength - kGripLength) / 2;
    return geometry.vertical ? Rect{thumb.left, start, thumb.right, start + kGripLength}
                             : Rect{start, thumb.top, start + kGripLength, thumb.bottom};
}

} // namespace vesk::skin
