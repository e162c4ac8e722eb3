#pragma once
// A window rectangle from the (x, y, width, height) that layouts are written in.

#include "host/win_types.h"

namespace vesk {

inline Rect PlacedRect(int x, int y, int width, int height)
{
    return Rect { x, y, x + width, y + height };
}

} // namespace vesk
