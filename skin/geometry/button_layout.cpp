#include "skin/geometry/button_layout.h"

namespace vesk::skin {

Point iconOrigin(int itemWidth, int itemHeight, int iconWidth, int iconHeight, bool hasText,
                 bool pressed)
{
    Point p{hasText ? 8 : (itemWidth - iconWidth) / 2, (itemHeight - iconHeight) / 2};
    if (pressed) {
        ++p.x;
        ++p.y;
    }
    return p;
}

Rect buttonTextRect(const Rect& item, int iconWidth, bool hasIcon)
{
    Rect r = item;
    if (hasIcon)
        r.left += iconWidth + 8;
    return r;
}

CellSize twoCellSize(int bitmapWidth, int bitmapHeight)
{
    if (bitmapWidth <= 0 || bitmapHeight <= 0)
        return {};
    return {bitmapWidth / 2, bitmapHeight};
}

int twoCellIndex(bool selected, bool checked, bool disabled)
{
    if (disabled)
        return 0;
    return selected || checked ? 1 : 0;
}

Point twoCellOrigin(const Rect& item, CellSize cell, bool hasText)
{
    const int x = hasText ? item.left : item.left + (width(item) - cell.width) / 2;
    return {x, item.top + (height(item) - cell.height) / 2};
}

Rect twoCellTextRect(const Rect& item, int cellWidth)
{
    return Rect{item.left + cellWidth + 5, item.top + 1, item.right, item.bottom};
}

Rect groupCaptionRect(int textWidth, int textHeight)
{
    return Rect{7, 0, textWidth + 11, textHeight};
}

Rect groupFrameRect(const Rect& client)
{
    Rect r = client;
    r.top = kGroupFrameTop;
    return r;
}

} // namespace vesk::skin
