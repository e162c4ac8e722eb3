#pragma once
// The combo box's own drop button: its rectangle, arrow and colours per state.

#include "skin/geometry/rect_ops.h"

#include <array>

namespace vesk::skin {

struct ComboColours {
    unsigned fill;  // 0x00BBGGRR
    unsigned line;
    unsigned arrow;
};

// Dropped wins over hot; the colours stay dropped until the list closes.
ComboColours comboColours(bool dropped, bool hot);

// The strip from right - 20 to right of the client, inset by one pixel.
Rect comboButtonRect(const Rect& client);

// The arrow: a filled triangle from the button's corner + (6, 8).
std::array<Point, 3> comboArrow(const Rect& button);

} // namespace vesk::skin
