#include "skin/geometry/tab_layout.h"

namespace vesk::skin {

Rect tabHeadRect(Rect item, bool selected)
{
    if (item.left == 2)
        item.left = 0;
    if (selected) {
        item.top -= 2;
        item.bottom += 1;
    }
    return item;
}

Rect tabTextRect(const Rect& head, bool selected)
{
    return offsetRect(head, 0, selected ? 4 : 3);
}

Rect tabPageFrame(const Rect& client, const Rect& selectedItem)
{
    Rect frame = client;
    frame.top = selectedItem.bottom;
    return frame;
}

} // namespace vesk::skin
