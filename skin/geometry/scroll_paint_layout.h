#pragma once
// Which skin cells the scroll bar paints, and where, for its current state.

#include "skin/geometry/scroll_geometry.h"

namespace vesk::skin {

struct ScrollPaintState {
    bool enabled = true;
    ScrollPart part = ScrollPart::None;
    bool hot = false;
    bool pressed = false;
};

// Offset along the arrow image of the cell to show for arrow 0 or 1:
// disabled 48; for the current part pressed 32, hot 16; else normal 0.
int arrowCellOffset(const ScrollPaintState& state, ScrollPart arrow);

// Thumb state cell: 0 normal, 1 hot, 2 pressed.
int thumbStateIndex(const ScrollPaintState& state);

// The thumb is painted only on an enabled bar longer than 30 pixels.
bool paintsThumb(const ScrollGeometry& geometry, bool enabled);

// Offsets along the thumb strip of the start and end caps. A vertical bar
// takes the normal cell's caps in every state, a horizontal one its state's.
struct CapOffsets {
    int start = 0;
    int end = 4;
};
CapOffsets thumbCapOffsets(bool vertical, int stateIndex);

// The 20-pixel grip centred on the thumb, or an empty rectangle when the
// thumb is shorter than 26 pixels.
Rect gripRect(const ScrollGeometry& geometry);

} // namespace vesk::skin
