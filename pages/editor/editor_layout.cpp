#include "pages/editor/editor_layout.h"

#include <algorithm>

namespace vesk {

EditorLayout LayoutEditor(int width, int height, int noColumnsWidth)
{
    EditorLayout layout;
    layout.edit = PlacedRect(0, 0, width, height - 58);
    int c = (width - 200) / 2;
    const int overhang = c + 215 + noColumnsWidth - width;
    if (overhang > 0)
        c = std::max(0, c - overhang);
    layout.label = { c, height - 42 };
    layout.onePerLine = { c + 100, height - 44 };
    layout.custom = { c + 130, height - 44 };
    layout.combo = { c + 150, height - 46 };
    layout.noColumns = { c + 215, height - 44 };

    const int d = std::min((width - 8) / 6, 75);
    const int y = height - 21;
    const int x0 = (width - 6 * d - 8) / 2;
    const int x1 = x0 + 3 * d + 6;
    for (int i = 0; i < 3; ++i) {
        layout.buttons[i] = PlacedRect(x0 + i * (d + 2), y, d, 21);
        layout.buttons[3 + i] = PlacedRect(x1 + i * (d + 2), y, d, 21);
    }
    return layout;
}

} // namespace vesk
