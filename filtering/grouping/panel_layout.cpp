#include "filtering/grouping/panel_layout.h"

namespace vesk {

PanelLayout LayoutPanel(int mode)
{
    const bool wide = mode == kWideLayout;
    PanelLayout layout;
    layout.frame = wide ? PlacedRect(0, 3, 423, 109) : PlacedRect(0, 3, 346, 133);
    layout.selectAll = PlacedRect(wide ? 142 : 114, 0, 75, 21);
    layout.clearAll = PlacedRect(wide ? 222 : 192, 0, 75, 21);
    for (int r = 0; r < 3; ++r) {
        PanelRowLayout& row = layout.rows[static_cast<std::size_t>(r)];
        const int top = 27 + 25 * r;
        row.modeBox = PlacedRect(8, 32 + 25 * r, 11, 11);
        row.rowButton = PlacedRect(wide ? 23 : 21, top, 42, 21);
        for (int d = 0; d < 10; ++d)
            row.digits[static_cast<std::size_t>(d)]
                = PlacedRect(wide ? 69 + 22 * d : 65 + 21 * d, top, 20, 21);
        row.categoryBox = PlacedRect(wide ? 290 : 277, top, 60, 20);
    }
    if (wide) {
        layout.group = PlacedRect(355, 27, 60, 21);
        layout.filter = PlacedRect(355, 52, 60, 21);
        layout.close = PlacedRect(355, 77, 60, 21);
    } else {
        layout.group = PlacedRect(74, 105, 60, 21);
        layout.filter = PlacedRect(137, 105, 60, 21);
        layout.close = PlacedRect(200, 105, 60, 21);
    }
    return layout;
}

} // namespace vesk
