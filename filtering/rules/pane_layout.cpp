#include "filtering/rules/pane_layout.h"

namespace vesk::workbench {

namespace {

Rect At(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

} // namespace

PaneLayout LayOutPanes(int width, int height)
{
    if (width < kWideLayoutWidth)
        return {1, At(6, 6, 346, 136), At(6, 148, 346, height - 154), At(358, 6, width - 364, height - 12)};
    return {2, At(6, 6, 423, 112), At(6, 124, 423, height - 130), At(435, 6, width - 441, height - 12)};
}

} // namespace vesk::workbench
