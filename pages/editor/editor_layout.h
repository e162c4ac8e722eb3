#pragma once
// Where the editor page puts its controls for a client area of W x H pixels:
// the text on top, the column setting centred above the bottom row of six
// buttons (at most 75 pixels wide each, in two groups of three).

#include "skin/geometry/placed_rect.h"

#include <array>

namespace vesk {

struct EditorLayout {
    Rect edit;
    // Top-left corners; these controls keep their sizes.
    struct Corner {
        int x = 0;
        int y = 0;
    };
    Corner label, onePerLine, custom, combo, noColumns;
    // 打开, 保存, 清空, 打印, 统计, transfer.
    std::array<Rect, 6> buttons {};
};

// The column row is centred as if 200 pixels wide, but moves left as far as
// needed (not past the left edge) for the 不分列 radio of noColumnsWidth
// pixels to end inside the page, so the narrow page does not cut its text.
EditorLayout LayoutEditor(int width, int height, int noColumnsWidth = 0);

} // namespace vesk
