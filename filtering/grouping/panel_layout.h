#pragma once
// Where the grouping panel puts its controls in its two layout modes: 1, the
// narrow one (buttons 组号, 缩水, 关闭 in a row below the digits), and 2, the
// wide one (those buttons in a column right of the category boxes).

#include "skin/geometry/placed_rect.h"

#include <array>

namespace vesk {

inline constexpr int kNarrowLayout = 1;
inline constexpr int kWideLayout = 2;

struct PanelRowLayout {
    Rect modeBox;
    Rect rowButton;
    std::array<Rect, 10> digits {}; // index = digit
    Rect categoryBox;
};

struct PanelLayout {
    Rect frame;
    Rect selectAll;
    Rect clearAll;
    std::array<PanelRowLayout, 3> rows {};
    Rect group;
    Rect filter;
    Rect close;
};

// mode kWideLayout gives the wide layout; any other the narrow one.
PanelLayout LayoutPanel(int mode);

} // namespace vesk
