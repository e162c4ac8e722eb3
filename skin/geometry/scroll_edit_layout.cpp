#include "skin/geometry/scroll_edit_layout.h"

namespace vesk::skin {

BorderWidths borderWidths(const Rect& window, const Rect& client)
{
    return {client.left - window.left, client.top - window.top, window.right - client.right,
            window.bottom - client.bottom};
}

ScrollEditBars layoutScrollEditBars(const Rect& w, const BorderWidths& b, int clientWidth,
                                    int clientHeight)
{
    ScrollEditBars bars;
    if (b.right >= kBarThickness) {
        const int x = w.right - b.left - kBarThickness;
        const int y = w.top + b.top;
        bars.vertical = Rect{x, y, x + kBarThickness, y + clientHeight};
        bars.verticalShown = true;
    }
    if (b.bottom >= kBarThickness) {
        const int x = w.left + b.left;
        const int y = w.bottom - b.top - kBarThickness;
        bars.horizontal = Rect{x, y, x + clientWidth, y + kBarThickness};
        bars.horizontalShown = true;
    }
    return bars;
}

std::vector<Rect> scrollEditRegionCuts(int w, int h, const BorderWidths& b, int clientWidth,
                                       int clientHeight, bool verticalShown, bool horizontalShown)
{
    std::vector<Rect> cuts;
    if (verticalShown)
        cuts.push_back(Rect{w - b.left - kBarThickness, b.top, w - b.left, b.top + clientHeight});
    if (horizontalShown)
        cuts.push_back(Rect{b.left, h - b.top - kBarThickness, b.left + clientWidth, h - b.top});
    return cuts;
}

} // namespace vesk::skin
