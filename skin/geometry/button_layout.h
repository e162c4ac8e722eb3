#pragma once
// Where the owner-drawn buttons put their images and text inside the item
// rectangle. Coordinates are relative to the item rectangle unless named.

#include "skin/geometry/rect_ops.h"

namespace vesk::skin {

// Icon of a push button: 8 pixels from the left beside text, centred alone;
// a pressed button shifts it one pixel right and down.
Point iconOrigin(int itemWidth, int itemHeight, int iconWidth, int iconHeight, bool hasText,
                 bool pressed);

// Text rectangle of a push button: the item, its left edge moved past the icon.
Rect buttonTextRect(const Rect& item, int iconWidth, bool hasIcon);

// A two-cell image (check box, radio) is split into equal halves.
struct CellSize {
    int width = 0;
    int height = 0;
};
CellSize twoCellSize(int bitmapWidth, int bitmapHeight);

// Cell 1 (on) shows while the item is selected or checked; a disabled control
// always shows cell 0, greyed.
int twoCellIndex(bool selected, bool checked, bool disabled);

// The image sits at the left edge beside text and centred alone, always
// centred vertically.
Point twoCellOrigin(const Rect& item, CellSize cell, bool hasText);

// Check and radio text starts 5 pixels past the image cell (or at 5 without
// an image) and one pixel lower than the item.
Rect twoCellTextRect(const Rect& item, int cellWidth);

// Group box caption: a band from x 7 to text width + 11, as high as the text.
Rect groupCaptionRect(int textWidth, int textHeight);

// Group box frame: the client rectangle below the caption's middle.
inline constexpr int kGroupFrameTop = 6;
Rect groupFrameRect(const Rect& client);

} // namespace vesk::skin
