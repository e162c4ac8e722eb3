#include "skin/geometry/tab_layout.h"

#include <algorithm>

namespace vesk::skin {

Rect tabHeadRect(Rect item, bool selected)
{
    if (item.left == 2)
        item.left = 0;
    if (selected) {
        // Never above the control: heads laid out from its very top edge
        // have no room to stand higher.
        item.top = std::max(item.top - 2, 0);
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
