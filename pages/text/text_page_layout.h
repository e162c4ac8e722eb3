#pragma once
// Where the staging and count pages put their controls for a client area of
// W x H pixels: the text area on top, a row of four buttons (at most 75
// pixels wide, 2 apart) centred at the bottom.

#include "skin/geometry/placed_rect.h"

#include <array>

namespace vesk {

struct TextPageLayout {
    Rect text;
    std::array<Rect, 4> buttons {}; // left to right
};

// textGap: how much of the height below the text area is left for the
// buttons (27 on the staging page, 30 on the count page).
TextPageLayout LayoutTextPage(int width, int height, int textGap);

} // namespace vesk
