#include "skin/geometry/combo_look.h"

namespace vesk::skin {

ComboColours comboColours(bool dropped, bool hot)
{
    if (dropped)
        return {0xC48A73, 0x6A240A, 0xFFFFFF};
    if (hot)
        return {0xD8B9AD, 0x6A240A, 0x000000};
    return {0xC8D0D4, 0x707070, 0x000000};
}

Rect comboButtonRect(const Rect& client)
{
    return inflateRect(Rect{client.right - 20, client.top, client.right, client.bottom}, -1, -1);
}

std::array<Point, 3> comboArrow(const Rect& button)
{
    const Point origin{button.left + 6, button.top + 8};
    return {origin, Point{origin.x + 6, origin.y}, Point{origin.x + 3, origin.y + 3}};
}

} // namespace vesk::skin
