#pragma once
// Where the workbench puts its three panes for a client size: a narrow
// layout below 800 pixels of width, a wide one from 800 on. Sizes derived
// from the client are passed on unclamped, as the panes handle small sizes.

#include "host/win_types.h"

namespace vesk::workbench {

inline constexpr int kWideLayoutWidth = 800;

struct PaneLayout {
    int panelMode = 1; // the grouping panel's layout mode: 1 narrow, 2 wide
    Rect panel;        // rectangles as left, top, right, bottom
    Rect left;
    Rect right;
};

PaneLayout LayOutPanes(int width, int height);

} // namespace vesk::workbench
