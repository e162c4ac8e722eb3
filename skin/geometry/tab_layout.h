#pragma once
// Tab head geometry: where each head is painted and where its text goes.

#include "skin/geometry/rect_ops.h"

namespace vesk::skin {

inline constexpr int kSelectedTabCell = 0;
inline constexpr int kOtherTabCell = 7;

// A head's painted rectangle: a left edge of 2 (the first tab) becomes 0;
// the selected head is raised by 2 (into the 2-pixel margin above the
// heads) and extended by 1 to cover the frame line.
Rect tabHeadRect(Rect item, bool selected);

// Text rectangle: the head moved down by 4 (selected) or 3 (others).
Rect tabTextRect(const Rect& head, bool selected);

// The page frame: the client rectangle from the bottom of the selected tab down.
Rect tabPageFrame(const Rect& client, const Rect& selectedItem);

} // namespace vesk::skin
